// Prints the day's events of `astro::dayEvents` for the days and places read from the
// standard input, for tools/accuracy/rise_accuracy.py to compare with its reckoning. Each
// input line: year month day latitude longitude (degrees, north and east positive). For each
// line the output has "day", then one line per event, "<kind> <seconds after 00:00 JST>",
// then "end".
#include <cstdio>
#include <vector>

#include "astro/day_events.h"

namespace {

// The enumerator's name of an event's kind, as the reckoning names it.
const char* kindName(astro::DayEventKind kind) {
    static const char* const NAMES[] = {"SunRise",      "SunTransit",       "SunSet",
                                        "MoonRise",     "MoonTransit",      "MoonSet",
                                        "CivilDawn",    "CivilDusk",        "NauticalDawn",
                                        "NauticalDusk", "AstronomicalDawn", "AstronomicalDusk"};
    return NAMES[static_cast<int>(kind)];
}

// Seconds after 00:00 JST of an event of the day that begins at the UT Julian day
// `dayStart`.
double secondsOf(const astro::DayEvent& event, double dayStart) {
    return (event.julianDay - dayStart) * 86400.0;
}

}  // namespace

int main() {
    int year, month, day;
    double latitude, longitude;
    while (std::scanf("%d %d %d %lf %lf", &year, &month, &day, &latitude, &longitude) == 5) {
        const std::vector<astro::AltitudeSample> start =
            astro::dayAltitudes(year, month, day, latitude, longitude, 1);
        std::printf("day\n");
        if (!start.empty()) {
            for (const astro::DayEvent& e :
                 astro::dayEvents(year, month, day, latitude, longitude)) {
                std::printf("%s %.3f\n", kindName(e.kind), secondsOf(e, start.front().julianDay));
            }
        }
        std::printf("end\n");
    }
    return 0;
}
