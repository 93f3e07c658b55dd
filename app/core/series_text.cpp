#include "app/core/series_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "astro/calculation.h"
#include "astro/moon_phase.h"

namespace app {

namespace {

constexpr const char* COLUMN_NAMES[SERIES_COLUMN_COUNT] = {
    "time",      "sun_ra_h",     "sun_dec_deg",  "sun_alt_deg", "sun_az_deg",
    "moon_ra_h", "moon_dec_deg", "moon_alt_deg", "moon_az_deg", "moon_illuminated_fraction"};

// Decimals of every figure; and below half their last unit a figure is written as zero, so
// that no "-0.000000" is printed.
constexpr int FIGURE_DECIMALS = 6;
constexpr double HALF_LAST_UNIT = 5e-7;
// Bytes a row takes in TSV or CSV and in JSON, about, for reserving the text.
constexpr std::size_t DELIMITED_ROW_BYTES = 128;
constexpr std::size_t JSON_ROW_BYTES = 300;
constexpr std::size_t HEADER_BYTES = 256;
constexpr long long SECONDS_PER_MINUTE = 60;
constexpr long long SECONDS_PER_HOUR = 3600;
constexpr long long SECONDS_PER_DAY = 86400;
// The days the change of calendar skipped: 5 to 14 October 1582.
constexpr int REFORM_YEAR = 1582;
constexpr int REFORM_MONTH = 10;
constexpr int REFORM_FIRST_SKIPPED_DAY = 5;
constexpr int REFORM_SKIPPED_DAYS = 10;

// The writer of one table: every piece appended to the same reserved text.
class RowWriter {
  public:
    explicit RowWriter(std::string& text) : text_(text) {}

    void put(char c) { text_.push_back(c); }
    void put(const char* s) { text_.append(s); }

    // A whole number with at least `width` digits, zeros in front, and its minus sign.
    void putPadded(long long value, int width) {
        char digits[24];
        const bool negative = value < 0;
        unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                : static_cast<unsigned long long>(value);
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative) put('-');
        for (int i = n; i < width; ++i) put('0');
        while (n > 0) put(digits[--n]);
    }

    // "2026-01-01T00:00:00".
    void putInstant(const astro::CivilTime& t) {
        putPadded(t.year, 4);
        put('-');
        putPadded(t.month, 2);
        put('-');
        putPadded(t.day, 2);
        put('T');
        putPadded(t.hour, 2);
        put(':');
        putPadded(t.minute, 2);
        put(':');
        putPadded(t.second, 2);
    }

    // A figure to six decimals, a full stop for the decimal point.
    void putFigure(double value) {
        if (std::fabs(value) < HALF_LAST_UNIT) value = 0.0;
        char buffer[64];
        const std::to_chars_result written = std::to_chars(
            buffer, buffer + sizeof buffer, value, std::chars_format::fixed, FIGURE_DECIMALS);
        text_.append(buffer, written.ptr);
    }

  private:
    std::string& text_;
};

// The nine figures of one instant, in column order after the instant.
struct SeriesFigures {
    double values[SERIES_COLUMN_COUNT - 1];
};

// Given the record after a pass; its figures, the illuminated fraction from the same
// reckoning as the phase calculation's.
SeriesFigures figuresOf(const astro::WorkingVariables& v) {
    const double fraction = astro::illuminatedFractionOfPhaseAngle(
        astro::phaseAngle(astro::meanElements(v.julianCenturies)));
    return {{v.sunRightAscension, v.sunDeclination, v.sunAltitude, v.sunAzimuth,
             v.moonRightAscension, v.moonDeclination, v.moonAltitude, v.moonAzimuth, fraction}};
}

// The header row of TSV or CSV.
void putHeader(RowWriter& out, char separator, const char* lineEnd) {
    for (int c = 0; c < SERIES_COLUMN_COUNT; ++c) {
        if (c > 0) out.put(separator);
        out.put(COLUMN_NAMES[c]);
    }
    out.put(lineEnd);
}

// One row of TSV or CSV.
void putDelimitedRow(RowWriter& out, const astro::CivilTime& t, const SeriesFigures& f,
                     SeriesFormat format) {
    const char separator = format == SeriesFormat::Tsv ? '\t' : ',';
    out.putInstant(t);
    if (format == SeriesFormat::Csv) out.put("+09:00");
    for (double value : f.values) {
        out.put(separator);
        out.putFigure(value);
    }
    out.put(format == SeriesFormat::Csv ? "\r\n" : "\n");
}

// One object of the JSON array, with the comma before it unless it is the first.
void putJsonRow(RowWriter& out, const astro::CivilTime& t, const SeriesFigures& f, bool first) {
    out.put(first ? "\n{\"" : ",\n{\"");
    out.put(COLUMN_NAMES[0]);
    out.put("\":\"");
    out.putInstant(t);
    out.put("+09:00\"");
    for (int c = 1; c < SERIES_COLUMN_COUNT; ++c) {
        out.put(",\"");
        out.put(COLUMN_NAMES[c]);
        out.put("\":");
        out.putFigure(f.values[c - 1]);
    }
    out.put('}');
}

}  // namespace

const char* const* seriesColumnNames() {
    return COLUMN_NAMES;
}

astro::CivilTime advancedBy(const astro::CivilTime& time, long long seconds) {
    astro::CivilTime t = time;
    long long s = t.second + seconds;
    long long m = t.minute + s / SECONDS_PER_MINUTE;
    t.second = static_cast<int>(s % SECONDS_PER_MINUTE);
    long long h = t.hour + m / 60;
    t.minute = static_cast<int>(m % 60);
    long long days = h / 24;
    t.hour = static_cast<int>(h % 24);
    const bool beforeSkip =
        t.year < REFORM_YEAR ||
        (t.year == REFORM_YEAR &&
         (t.month < REFORM_MONTH || (t.month == REFORM_MONTH && t.day < REFORM_FIRST_SKIPPED_DAY)));
    while (days > 0) {
        const int left = astro::daysInMonth(t.year, t.month) - t.day;
        if (days <= left) {
            t.day += static_cast<int>(days);
            break;
        }
        days -= left + 1;
        t.day = 1;
        if (++t.month > 12) {
            t.month = 1;
            ++t.year;
        }
    }
    const bool afterSkip =
        t.year > REFORM_YEAR ||
        (t.year == REFORM_YEAR && (t.month > REFORM_MONTH ||
                                   (t.month == REFORM_MONTH && t.day >= REFORM_FIRST_SKIPPED_DAY)));
    if (beforeSkip && afterSkip) t = advancedBy(t, REFORM_SKIPPED_DAYS * SECONDS_PER_DAY);
    return t;
}

SeriesTable seriesTable(const SeriesRequest& request, SeriesFormat format) {
    SeriesTable table;
    std::string& text = table.text;
    const std::size_t rowBytes =
        format == SeriesFormat::Json ? JSON_ROW_BYTES : DELIMITED_ROW_BYTES;
    text.reserve(static_cast<std::size_t>(std::max(request.rowCount, 0LL)) * rowBytes +
                 HEADER_BYTES);
    RowWriter out(text);
    if (format == SeriesFormat::Json) {
        out.put('[');
    } else {
        putHeader(out, format == SeriesFormat::Tsv ? '\t' : ',',
                  format == SeriesFormat::Csv ? "\r\n" : "\n");
    }
    astro::WorkingVariables v;
    astro::CivilTime t = request.from;
    for (long long row = 0; row < request.rowCount; ++row) {
        if (row > 0) t = advancedBy(t, request.step_s);
        const astro::EnteredValues entered = {
            double(t.year),   double(t.month),  double(t.day),        double(t.hour),
            double(t.minute), double(t.second), request.latitude_deg, request.longitude_deg};
        if (const std::optional<astro::PassFault> fault = astro::calculatePass(v, entered)) {
            table.text.clear();
            table.text.shrink_to_fit();
            table.refusal = CalculationRefusal{RefusalKind::PassFault, *fault};
            return table;
        }
        const SeriesFigures figures = figuresOf(v);
        if (format == SeriesFormat::Json) {
            putJsonRow(out, t, figures, row == 0);
        } else {
            putDelimitedRow(out, t, figures, format);
        }
    }
    if (format == SeriesFormat::Json) out.put("\n]\n");
    return table;
}

}  // namespace app
