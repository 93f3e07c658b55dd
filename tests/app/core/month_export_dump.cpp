// Writes what the read-back checks (month_export_check.py) compare, to standard output:
//
//   month_export_dump calendar YEAR        the iCalendar file of the year
//   month_export_dump almanac YEAR         the year's phases, terms and 雑節 straight from the
//                                          almanac, a line each: name TAB UT Julian day, or
//                                          name TAB date YYYY-MM-DD for a 雑節 without instant
//   month_export_dump csv YEAR MONTH LAT LON SEP     the month's CSV file
//   month_export_dump cells YEAR MONTH LAT LON SEP   the number of columns, then every cell of
//                                          the header and the rows, a line each
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/core/almanac_calendar.h"
#include "app/core/almanac_names.h"
#include "app/core/month_table.h"
#include "app/core/month_text.h"
#include "astro/almanac.h"
#include "astro/constants.h"
#include "astro/julian_day.h"

namespace {

int usage() {
    std::cerr << "usage: month_export_dump calendar|almanac YEAR\n"
                 "       month_export_dump csv|cells YEAR MONTH LAT LON SEP\n";
    return 2;
}

// The almanac's own list of the JST year, without the month table in between.
void printAlmanac(int year) {
    const double from =
        *astro::ymdYD(static_cast<std::int16_t>(year), 1, 1) - astro::JST_OFFSET_DAYS;
    const double to =
        *astro::ymdYD(static_cast<std::int16_t>(year + 1), 1, 1) - astro::JST_OFFSET_DAYS;
    for (const astro::LunarPhaseEvent& e : astro::lunarPhases(from, to))
        std::printf("%s\t%.8f\n", app::lunarPhaseName(e.phase), e.julianDay);
    for (const astro::SolarTermEvent& e : astro::solarTerms(from, to))
        std::printf("%s\t%.8f\n", app::solarTermName(e.longitude), e.julianDay);
    for (const astro::ZassetsuDay& z : astro::zassetsu(year)) {
        if (z.julianDay)
            std::printf("%s\t%.8f\n", astro::zassetsuName(z.kind), *z.julianDay);
        else
            std::printf("%s\tdate %04d-%02d-%02d\n", astro::zassetsuName(z.kind), z.year, z.month,
                        z.day);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const std::string what = argv[1];
    const int year = std::atoi(argv[2]);
    if (what == "calendar") {
        std::cout << app::almanacCalendar(year);
        return 0;
    }
    if (what == "almanac") {
        printAlmanac(year);
        return 0;
    }
    if (argc < 7) return usage();
    const std::optional<app::MonthTable> table =
        app::monthTable(year, std::atoi(argv[3]), std::atof(argv[4]), std::atof(argv[5]));
    if (!table) return 1;
    const std::string separator = argv[6];
    if (what == "csv") {
        std::cout << app::monthCsv(*table, separator);
        return 0;
    }
    if (what == "cells") {
        std::cout << app::monthColumnNames().size() << '\n';
        for (const std::string& cell : app::monthColumnNames()) std::cout << cell << '\n';
        for (const app::MonthRow& row : table->rows)
            for (const std::string& cell : app::monthRowCells(*table, row, separator))
                std::cout << cell << '\n';
        return 0;
    }
    return usage();
}
