#include "event_accuracy.h"
#include "units.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <libnova/libnova.h>

#include "astro/day_events.h"
#include "astro/moon_age.h"
#include "astro/julian_day.h"
#include "event_comparison.h"
#include "event_reference.h"
#include "random.h"

namespace accuracy {

namespace {

using astro::DayEventKind;

constexpr double SECONDS_PER_DAY = 86400.0;
constexpr double ARCMIN_PER_DEGREE = 60.0;
constexpr double JST_OFFSET_DAYS = 9.0 / 24.0;

// The compared span, 1900-01-01 to 2100-12-31, and the places: uniform by area within 60
// degrees of the equator, every longitude.
constexpr double FIRST_JD = 2415020.5;
constexpr double END_JD = 2488069.5;
constexpr double LATITUDE_LIMIT = 60.0;

// The reference looks for events this far beyond either end of the day (days), so that an
// event just across midnight on one side still pairs with its twin.
constexpr double SEARCH_MARGIN_DAYS = 1.0 / 24.0;
// The reference places cover the day with this much to spare on each side (days): the
// margin above, the three hours of the grazing test and Delta T.
constexpr double PLACES_MARGIN_DAYS = 0.2;

// A one-sided event is grazing when the altitude turns within this of its level, degrees.
constexpr double GRAZING_MARGIN_DEG = 0.1;

// One place-date.
struct PlaceDate {
    int year;
    int month;
    int day;
    double latitude;
    double longitude;
    double dayStartJd;
    double dayEndJd;
};

// The program's Julian day of 00:00 JST of a date.
double programDayStart(int year, int month, int day) {
    return astro::ymdYD(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                        day - JST_OFFSET_DAYS)
        .value_or(NAN);
}

PlaceDate randomPlaceDate(Random& random) {
    const double jd = FIRST_JD + (END_JD - FIRST_JD) * random.uniform();
    const double sinLimit = std::sin(LATITUDE_LIMIT * DEG_TO_RAD);
    const double latitude = std::asin(sinLimit * (2 * random.uniform() - 1)) * RAD_TO_DEG;
    const double longitude = 360.0 * random.uniform() - 180.0;
    ln_date jst{};
    ln_get_date(jd + JST_OFFSET_DAYS, &jst);
    return {jst.years,
            jst.months,
            jst.days,
            latitude,
            longitude,
            programDayStart(jst.years, jst.months, jst.days),
            programDayStart(jst.years, jst.months, jst.days + 1)};
}

// The program's events of the day and of the days either side.
std::vector<ReferenceEvent> programEvents(const PlaceDate& pd) {
    std::vector<ReferenceEvent> events;
    for (int offset : {-1, 0, 1}) {
        for (const astro::DayEvent& e :
             astro::dayEvents(pd.year, pd.month, pd.day + offset, pd.latitude, pd.longitude)) {
            events.push_back({e.kind, e.julianDay});
        }
    }
    return events;
}

// The difference a pair's time difference makes in altitude, arcminutes, at the rate the
// reference's altitude changes there; not a number for transits.
double asAltitude(const ReferenceSky& sky, const EventPair& pair, double difference_s) {
    if (isTransit(pair.kind)) return NAN;
    return difference_s * sky.altitudeRate(bodyOf(pair.kind), pair.referenceJd) * ARCMIN_PER_DEGREE;
}

bool grazing(const ReferenceSky& sky, const ReferenceEvent& e) {
    return !isTransit(e.kind) &&
           sky.grazesNear(bodyOf(e.kind), e.julianDay, levelOf(e.kind), GRAZING_MARGIN_DEG);
}

// Adds a matching to a tally: pairs with their differences, and the one-sided events.
void tally(EventTally& t, const EventMatching& m, const ReferenceSky& sky) {
    for (const EventPair& pair : m.pairs) {
        const double difference_s = (pair.programJd - pair.referenceJd) * SECONDS_PER_DAY;
        t.addPair(pair.kind, difference_s, asAltitude(sky, pair, difference_s));
    }
    for (const ReferenceEvent& e : m.programOnly) t.addProgramOnly(e.kind, grazing(sky, e));
    for (const ReferenceEvent& e : m.referenceOnly) t.addReferenceOnly(e.kind, grazing(sky, e));
}

void writeCsvRow(std::FILE* csv, const PlaceDate& pd, DayEventKind kind, const char* status,
                 double programJd, double referenceJd, double rate_deg_per_min, bool isGrazing) {
    std::fprintf(csv, "%.6f,%.4f,%.4f,%s,%s,", pd.dayStartJd, pd.latitude, pd.longitude,
                 eventKindName(kind), status);
    if (std::isnan(programJd)) {
        std::fprintf(csv, ",");
    } else {
        std::fprintf(csv, "%.7f,", programJd);
    }
    if (std::isnan(referenceJd)) {
        std::fprintf(csv, ",,");
    } else {
        std::fprintf(csv, "%.7f,", referenceJd);
        if (std::isnan(programJd)) {
            std::fprintf(csv, ",");
        } else {
            std::fprintf(csv, "%.3f,", (programJd - referenceJd) * SECONDS_PER_DAY);
        }
    }
    if (std::isnan(rate_deg_per_min)) {
        std::fprintf(csv, ",%d\n", isGrazing ? 1 : 0);
    } else {
        std::fprintf(csv, "%.5f,%d\n", rate_deg_per_min, isGrazing ? 1 : 0);
    }
}

void writeCsv(std::FILE* csv, const PlaceDate& pd, const EventMatching& m,
              const ReferenceSky& sky) {
    for (const EventPair& p : m.pairs) {
        const double rate =
            isTransit(p.kind) ? NAN : sky.altitudeRate(bodyOf(p.kind), p.referenceJd) * 60.0;
        writeCsvRow(csv, pd, p.kind, "pair", p.programJd, p.referenceJd, rate, false);
    }
    for (const ReferenceEvent& e : m.programOnly) {
        writeCsvRow(csv, pd, e.kind, "program-only", e.julianDay, NAN, NAN, grazing(sky, e));
    }
    for (const ReferenceEvent& e : m.referenceOnly) {
        writeCsvRow(csv, pd, e.kind, "reference-only", NAN, e.julianDay, NAN, grazing(sky, e));
    }
}

// The program's Moon's age against the reference's at one instant: the differences in days
// at the same Julian day and with Delta T, and whether the two put the new Moon on
// different sides of the instant.
struct AgeDifference {
    double sameDay;
    double withDeltaT;
    bool straddles;
};

AgeDifference ageDifference(double instant) {
    const double age = astro::moonAge(instant);
    const double newMoon = referenceNewMoon(instant - age);
    const double referenceAge = instant - newMoon;
    const double deltaT_days = ln_get_dynamical_time_diff(newMoon) / SECONDS_PER_DAY;
    return {age - referenceAge, age - (referenceAge + deltaT_days), referenceAge < 0};
}

void printSpreadRow(const char* label, const std::vector<double>& values, const char* format) {
    const Spread s = spreadOf(values);
    std::printf("| %s | ", label);
    std::printf(format, s.largest);
    std::printf(" | ");
    std::printf(format, s.percentile95);
    std::printf(" | ");
    std::printf(format, s.median);
    std::printf(" |\n");
}

}  // namespace

bool compareDayEvents(const EventSettings& settings) {
    std::FILE* csv = std::fopen(settings.csvPath.c_str(), "w");
    if (csv == nullptr) {
        std::fprintf(stderr, "accuracy_compare: cannot write %s\n", settings.csvPath.c_str());
        return false;
    }
    std::fprintf(csv,
                 "jd_day_start,latitude,longitude,event,status,program_jd,reference_jd,dt_s,"
                 "rate_deg_per_min,grazing\n");

    Random random(settings.seed);
    EventTally sameDay;
    EventTally withDeltaT;
    EventTally againstLibnova;
    EventTally libnovaAgainstReference;
    std::vector<double> ageSameDay;
    std::vector<double> ageWithDeltaT;
    int straddles = 0;
    for (long i = 0; i < settings.days; ++i) {
        const PlaceDate pd = randomPlaceDate(random);
        const double ageInstant = pd.dayStartJd + random.uniform();
        const double deltaT_days = ln_get_dynamical_time_diff(pd.dayStartJd) / SECONDS_PER_DAY;
        const ReferencePlaces places(pd.dayStartJd - PLACES_MARGIN_DAYS,
                                     pd.dayEndJd + PLACES_MARGIN_DAYS);
        const ReferenceSky sky(places, pd.dayStartJd, pd.latitude, pd.longitude, 0.0);
        const ReferenceSky realSky(places, pd.dayStartJd, pd.latitude, pd.longitude, deltaT_days);
        const double from = pd.dayStartJd - SEARCH_MARGIN_DAYS;
        const double to = pd.dayEndJd + SEARCH_MARGIN_DAYS;

        const std::vector<ReferenceEvent> program = programEvents(pd);
        const std::vector<ReferenceEvent> reference = referenceEvents(sky, from, to);
        const std::vector<ReferenceEvent> real = referenceEvents(realSky, from, to);
        const std::vector<ReferenceEvent> libnova = libnovaEvents(
            {pd.dayStartJd - 1, pd.dayStartJd, pd.dayStartJd + 1}, pd.latitude, pd.longitude);

        const EventMatching m = matchEvents(program, reference, pd.dayStartJd, pd.dayEndJd);
        tally(sameDay, m, sky);
        writeCsv(csv, pd, m, sky);
        tally(withDeltaT, matchEvents(program, real, pd.dayStartJd, pd.dayEndJd), realSky);
        tally(againstLibnova, matchEvents(program, libnova, pd.dayStartJd, pd.dayEndJd), sky);
        tally(libnovaAgainstReference, matchEvents(libnova, reference, pd.dayStartJd, pd.dayEndJd),
              sky);

        const AgeDifference age = ageDifference(ageInstant);
        ageSameDay.push_back(age.sameDay);
        ageWithDeltaT.push_back(age.withDeltaT);
        straddles += age.straddles ? 1 : 0;
    }
    std::fclose(csv);

    std::printf(
        "\n## The day's events\n\nProgram minus reference at %ld pseudo-random place-dates "
        "(JST calendar days over 1900-2100, places uniform by area within %.0f° of the "
        "equator, seed %llu). The reference: libnova's apparent places (VSOP87, ELP 2000-82B) "
        "with its sidereal time and horizon, the events found by scanning and bisection, at "
        "the same Julian day as the program (UT taken as TT):\n\n",
        settings.days, LATITUDE_LIMIT, static_cast<unsigned long long>(settings.seed));
    sameDay.print("program", "reference");
    std::printf("\nThe same with the reference places at TT = UT + ΔT (the real sky):\n\n");
    withDeltaT.print("program", "reference");
    std::printf(
        "\nProgram minus libnova's own rise, set and transit times (ln_get_body_rst_horizon on "
        "the same places, same Julian day):\n\n");
    againstLibnova.print("program", "libnova");
    std::printf(
        "\nlibnova's ln_get_body_rst_horizon minus the reference (its own method's "
        "error):\n\n");
    libnovaAgainstReference.print("libnova", "reference");

    std::printf(
        "\n## The Moon's age\n\nProgram minus reference, days, at one instant of each "
        "place-date (%d of the %ld with the two new Moons either side of the "
        "instant):\n\n",
        straddles, settings.days);
    std::printf("| | largest | 95 %% | median |\n| --- | ---: | ---: | ---: |\n");
    printSpreadRow("same Julian day", ageSameDay, "%.4f");
    printSpreadRow("with ΔT", ageWithDeltaT, "%.4f");
    return true;
}

}  // namespace accuracy
