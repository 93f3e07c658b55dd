// Prints the day's events of `astro::dayEvents` for the days and places read from the
// standard input, for tools/accuracy/rise_accuracy.py to compare with its reckoning. Each
// input line: year month day latitude longitude (degrees, north and east positive). For each
// line the output has "day", then one line per event, "<kind> <clock second after 00:00 JST>",
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

}  // namespace

int main() {
    int year, month, day;
    double latitude, longitude;
    while (std::scanf("%d %d %d %lf %lf", &year, &month, &day, &latitude, &longitude) == 5) {
        std::printf("day\n");
        for (const astro::DayEvent& e : astro::dayEvents(year, month, day, latitude, longitude)) {
            std::printf("%s %d\n", kindName(e.kind), e.clockSeconds);
        }
        std::printf("end\n");
    }
    return 0;
}
