// Compares the program's Sun and Moon with libnova's over 1900-2100 at pseudo-random
// instants and places, prints the statistics as Markdown tables and writes every sample's
// differences to a CSV file. (The day's events follow the precise positions, not these
// series: tools/accuracy/rise_accuracy.py compares them.)
//
//   accuracy_compare [--samples N] [--seed S] [--csv PATH]

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "units.h"

#include <libnova/libnova.h>

#include "checks.h"
#include "comparison.h"
#include "program.h"
#include "random.h"
#include "reference.h"

namespace {

using accuracy::DEG_TO_RAD;
using accuracy::ErrorRow;
using accuracy::JD_J2000;
using accuracy::RAD_TO_DEG;
using accuracy::Random;

constexpr double SECONDS_PER_DAY = 86400.0;
constexpr double DAYS_PER_JULIAN_YEAR = 365.25;

// The compared span: 1900-01-01 0h UT up to 2101-01-01 0h UT.
constexpr double FIRST_JD = 2415020.5;
constexpr double END_JD = 2488069.5;
// The places: uniform over the area between these latitudes, every longitude.
constexpr double SOUTHERNMOST_LATITUDE = -55.0;
constexpr double NORTHERNMOST_LATITUDE = 70.0;
constexpr double WESTERNMOST_LONGITUDE = -180.0;
constexpr double LONGITUDE_SPAN = 360.0;

constexpr long DEFAULT_SAMPLES = 10000;
constexpr std::uint64_t DEFAULT_SEED = 19000101;
constexpr const char* DEFAULT_CSV = "accuracy_errors.csv";
// The program's Julian day must be the sampled one to within this (about 10 ms).
constexpr double JULIAN_DAY_TOLERANCE = 1e-7;

// The command-line settings.
struct Settings {
    long samples = DEFAULT_SAMPLES;
    std::uint64_t seed = DEFAULT_SEED;
    std::string csvPath = DEFAULT_CSV;
};

// Reads the settings; exits with a usage line on anything else.
Settings parseArguments(int argc, char** argv) {
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (hasValue && std::strcmp(argv[i], "--samples") == 0) {
            settings.samples = std::strtol(argv[++i], nullptr, 10);
        } else if (hasValue && std::strcmp(argv[i], "--seed") == 0) {
            settings.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (hasValue && std::strcmp(argv[i], "--csv") == 0) {
            settings.csvPath = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--samples N] [--seed S] [--csv PATH]\n", argv[0]);
            std::exit(EXIT_FAILURE);
        }
    }
    if (settings.samples < 1) {
        std::fprintf(stderr, "accuracy_compare: --samples must be at least 1\n");
        std::exit(EXIT_FAILURE);
    }
    return settings;
}

// Writes the CSV header: the instant, the place, the reference altitudes, then every
// quantity's difference for the same Julian day and, prefixed "dt_", with Delta T.
void writeCsvHeader(std::FILE* csv) {
    std::fprintf(csv, "jd_ut,year,latitude,longitude,delta_t_s,sun_altitude,moon_altitude");
    for (const char* key : accuracy::QUANTITY_KEYS) std::fprintf(csv, ",%s", key);
    for (const char* key : accuracy::QUANTITY_KEYS) std::fprintf(csv, ",dt_%s", key);
    std::fprintf(csv, "\n");
}

// Writes one value, empty where it is not a number.
void writeCsvValue(std::FILE* csv, double value) {
    if (std::isnan(value)) {
        std::fprintf(csv, ",");
    } else {
        std::fprintf(csv, ",%.6g", value);
    }
}

// Prints one Markdown table of the statistics of `rows`.
void printTable(const std::vector<ErrorRow>& rows) {
    std::printf("| Quantity | largest | 95 %% | median | RMS |\n");
    std::printf("| --- | ---: | ---: | ---: | ---: |\n");
    for (std::size_t q = 0; q < accuracy::QUANTITY_COUNT; ++q) {
        const accuracy::Summary s = accuracy::summarize(rows, static_cast<accuracy::Quantity>(q));
        const int decimals = q == accuracy::ILLUMINATED_FRACTION ? 4 : 2;
        std::printf("| %s | %.*f | %.*f | %.*f | %.*f |\n", accuracy::QUANTITY_LABELS[q], decimals,
                    s.largest, decimals, s.percentile95, decimals, s.median, decimals, s.rms);
    }
}

}  // namespace

// Runs the checks, then the comparison.
int main(int argc, char** argv) {
    const Settings settings = parseArguments(argc, argv);
    const auto start = std::chrono::steady_clock::now();
    if (!accuracy::runChecks()) {
        std::fprintf(stderr, "accuracy_compare: a check failed; no statistics\n");
        return EXIT_FAILURE;
    }

    std::FILE* csv = std::fopen(settings.csvPath.c_str(), "w");
    if (csv == nullptr) {
        std::fprintf(stderr, "accuracy_compare: cannot write %s\n", settings.csvPath.c_str());
        return EXIT_FAILURE;
    }
    writeCsvHeader(csv);

    Random random(settings.seed);
    const double sinSouth = std::sin(SOUTHERNMOST_LATITUDE * DEG_TO_RAD);
    const double sinNorth = std::sin(NORTHERNMOST_LATITUDE * DEG_TO_RAD);
    std::vector<ErrorRow> sameDay;
    std::vector<ErrorRow> withDeltaT;
    sameDay.reserve(settings.samples);
    withDeltaT.reserve(settings.samples);
    for (long i = 0; i < settings.samples; ++i) {
        const double jd = FIRST_JD + (END_JD - FIRST_JD) * random.uniform();
        const double latitude =
            std::asin(sinSouth + (sinNorth - sinSouth) * random.uniform()) * RAD_TO_DEG;
        const double longitude = WESTERNMOST_LONGITUDE + LONGITUDE_SPAN * random.uniform();

        const accuracy::ProgramFigures program = accuracy::programFigures(jd, latitude, longitude);
        if (!(std::abs(program.julianDay - jd) <= JULIAN_DAY_TOLERANCE)) {
            std::fprintf(stderr, "accuracy_compare: JD %.8f typed in JST came back as %.8f\n", jd,
                         program.julianDay);
            return EXIT_FAILURE;
        }
        const double ut = program.julianDay;
        const double deltaT_s = ln_get_dynamical_time_diff(ut);
        const accuracy::ReferenceFigures same =
            accuracy::referenceFigures(ut, ut, latitude, longitude);
        const accuracy::ReferenceFigures later =
            accuracy::referenceFigures(ut, ut + deltaT_s / SECONDS_PER_DAY, latitude, longitude);
        sameDay.push_back(accuracy::errorsOf(program, same));
        withDeltaT.push_back(accuracy::errorsOf(program, later));

        std::fprintf(csv, "%.6f,%.5f,%.4f,%.4f,%.2f,%.4f,%.4f", ut,
                     2000.0 + (ut - JD_J2000) / DAYS_PER_JULIAN_YEAR, latitude, longitude, deltaT_s,
                     same.sunHorizon.altitude_deg, same.moonHorizon.altitude_deg);
        for (double e : sameDay.back()) writeCsvValue(csv, e);
        for (double e : withDeltaT.back()) writeCsvValue(csv, e);
        std::fprintf(csv, "\n");
    }
    std::fclose(csv);

    const std::size_t sunAzimuths = accuracy::summarize(sameDay, accuracy::SUN_AZIMUTH).count;
    const std::size_t moonAzimuths = accuracy::summarize(sameDay, accuracy::MOON_AZIMUTH).count;
    std::printf(
        "Program minus libnova at %ld instants spread uniformly over 1900-01-01 to "
        "2100-12-31 (UT), places uniform by area between %.0f° and %.0f° of latitude, "
        "seed %llu. Both at the same Julian day (UT taken as TT).\n\n",
        settings.samples, SOUTHERNMOST_LATITUDE, NORTHERNMOST_LATITUDE,
        static_cast<unsigned long long>(settings.seed));
    printTable(sameDay);
    std::printf(
        "\nAzimuth rows leave out the bodies within %.0f° of the zenith or the nadir: "
        "%zu of the Sun's and %zu of the Moon's samples remain.\n",
        90.0 - accuracy::AZIMUTH_ALTITUDE_LIMIT_DEG, sunAzimuths, moonAzimuths);
    std::printf(
        "\nThe same, with libnova's positions at TT = UT + ΔT (its ΔT, the sidereal time "
        "still at UT):\n\n");
    printTable(withDeltaT);

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "accuracy_compare: %ld samples in %.1f s; differences in %s\n",
                 settings.samples, seconds, settings.csvPath.c_str());
    return EXIT_SUCCESS;
}
