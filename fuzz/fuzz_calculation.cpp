// Fuzz target: one whole calculation, as the calculate command makes it, from eight box texts.
//
// The input is split at '|' into the texts of the eight boxes in the order the calculation
// reads them (year, month, day, hour, minute, second, latitude, longitude); missing texts are
// empty and the eighth takes the rest. Each is read with readNumber, then:
//
//   calculatePass; if it refuses, the record must be untouched and nothing else is computed;
//   otherwise computeMoonPhase, keep the fraction and the limb angle, calculateHourLater,
//   computeMoonPhase,
//
// and every caption the window would show must be well formed: the eight coordinates with 2
// decimals, the illuminated fraction with 3, the limb angle with 1 (no "nan", "inf",
// "-0.00", finite numbers, the coordinates within their documented ranges, the fraction in
// [0, 1], the limb angle in [0, 360)), and the equation-of-time caption of the record in its
// documented shape. The lines of the Moon drawing for the kept fraction and limb angle all
// have finite end points inside the disc's square (and so inside the window).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/moon_drawing.h"
#include "app/core/number_format.h"
#include "app/core/number_reading.h"
#include "astro/calculation.h"
#include "astro/moon_phase.h"
#include "astro/working_variables.h"
#include "fuzz_checks.h"

namespace {

constexpr char BOX_SEPARATOR = '|';
constexpr std::string_view DECIMAL_SEPARATOR = ".";

// Two backgrounds the drawing may be given, as the day and the night scheme would.
constexpr app::Rgb DAY_BACKGROUND{128, 255, 255};
constexpr app::Rgb NIGHT_BACKGROUND{0, 0, 64};

// The window's client area, twips, and how far a line may stray beyond the disc's square
// (rounding to single precision, and the one-pixel pen's half width, stay far inside it).
constexpr double WINDOW_TWIPS = 20000;
constexpr double DISC_SLACK_TWIPS = 1;

// Every number of the record, by name, for the checks that go over all of them.
#define FUZZ_RECORD_NUMBERS(X)                                                                  \
    X(latitude)                                                                                 \
    X(longitude) X(julianDay) X(julianCenturies) X(sunLongitude) X(sunDistance)                 \
        X(nutationLongitude) X(obliquity) X(sinObliquity) X(cosObliquity) X(convLongitude)      \
            X(convLatitude) X(convRightAscension) X(convDeclination) X(sunRightAscension)       \
                X(sunDeclination) X(moonRightAscension) X(moonDeclination) X(siderealTime)      \
                    X(horizonInputRightAscension) X(horizonInputDeclination) X(horizonAltitude) \
                        X(horizonAzimuth) X(sunAltitude) X(sunAzimuth) X(moonAltitude)          \
                            X(moonAzimuth) X(illuminatedFraction) X(limbZenithAngle)            \
                                X(savedIlluminatedFraction) X(savedLimbZenithAngle)             \
                                    X(dayNightFlag) X(backRed) X(backGreen) X(backBlue)

// Given two records; returns whether they hold the same bits in every slot.
bool identical(const astro::WorkingVariables& a, const astro::WorkingVariables& b) {
    bool same = a.equationOfTimeCaption == b.equationOfTimeCaption;
#define FUZZ_SAME_SLOT(name) same = same && std::memcmp(&a.name, &b.name, sizeof a.name) == 0;
    FUZZ_RECORD_NUMBERS(FUZZ_SAME_SLOT)
#undef FUZZ_SAME_SLOT
    return same;
}

// Given a record; returns the name of its first slot that is not finite, or nothing.
std::optional<std::string> firstNonFiniteSlot(const astro::WorkingVariables& v) {
#define FUZZ_FINITE_SLOT(name) \
    if (!std::isfinite(static_cast<double>(v.name))) return std::string(#name);
    FUZZ_RECORD_NUMBERS(FUZZ_FINITE_SLOT)
#undef FUZZ_FINITE_SLOT
    return std::nullopt;
}

// Given the bytes; returns the numbers of the eight box texts read by the number-reading
// rule, and appends the texts and their numbers to `description`.
astro::EnteredValues enteredValues(std::string_view input, std::string& description) {
    astro::EnteredValues entered{};
    std::string_view rest = input;
    for (std::size_t field = 0; field < astro::ENTERED_FIELD_COUNT; ++field) {
        std::string_view box = rest;
        if (field + 1 < astro::ENTERED_FIELD_COUNT) {
            const std::size_t end = rest.find(BOX_SEPARATOR);
            box = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
        entered[field] = app::readNumber(box);
        description +=
            (field == 0 ? "" : " | ") + fuzz::quoted(box) + "=" + fuzz::exact(entered[field]);
    }
    return entered;
}

// Where a calculation stands, for the messages of failed checks.
struct Context {
    std::string entered;
    std::string step;

    std::string operator()(const std::string& what) const {
        return "boxes " + entered + ", after " + step + ": " + what;
    }
};

// Checks a caption of `value` shown with `decimals` places, `name` telling which.
void checkCaption(const Context& context, const char* name, double value, int decimals) {
    const std::string caption = app::formatFixed(value, decimals, DECIMAL_SEPARATOR);
    const auto detail = [&] {
        return context(std::string(name) + " " + fuzz::exact(value) + " shown as " +
                       fuzz::quoted(caption));
    };
    FUZZ_CHECK_MSG(std::isfinite(value), detail());
    FUZZ_CHECK_MSG(!fuzz::mentionsNonFinite(caption), detail());
    FUZZ_CHECK_MSG(fuzz::isFixedCaption(caption, decimals, DECIMAL_SEPARATOR), detail());
}

// Checks that `value` lies in [low, high] (or [low, high) when `highOpen`).
void checkRange(const Context& context, const char* name, double value, double low, double high,
                bool highOpen) {
    const auto detail = [&] { return context(std::string(name) + " " + fuzz::exact(value)); };
    FUZZ_CHECK_MSG(value >= low && (highOpen ? value < high : value <= high), detail());
}

// Given a text and a position in it; reads a run of ASCII digits there (one at least, no
// needless leading zero) and returns its value, or nothing.
std::optional<long> readWhole(std::string_view text, std::size_t& position) {
    const std::size_t start = position;
    while (position < text.size() && fuzz::isAsciiDigit(text[position])) ++position;
    const std::size_t digits = position - start;
    if (digits == 0 || digits > 6 || (digits > 1 && text[start] == '0')) return std::nullopt;
    return std::stol(std::string(text.substr(start, digits)));
}

// Checks the equation-of-time caption: an optional "-", then " M分 S秒" with the whole
// minutes M (the equation lies within half a day: 720 at most) and the truncated seconds S
// (0 to 59), each a run of ASCII digits.
void checkEquationOfTimeCaption(const Context& context, const std::string& caption) {
    const auto detail = [&] { return context("equation of time " + fuzz::quoted(caption)); };
    FUZZ_CHECK_MSG(!fuzz::mentionsNonFinite(caption), detail());
    const std::string_view text = caption;
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    FUZZ_CHECK_MSG(text.substr(i, 1) == " ", detail());
    ++i;
    const std::optional<long> minutes = readWhole(text, i);
    FUZZ_CHECK_MSG(minutes && *minutes <= 720, detail());
    FUZZ_CHECK_MSG(text.substr(i, 4) == "\xE5\x88\x86 ", detail());  // "分 "
    i += 4;
    const std::optional<long> seconds = readWhole(text, i);
    FUZZ_CHECK_MSG(seconds && *seconds <= 59, detail());
    FUZZ_CHECK_MSG(text.substr(i) == "\xE7\xA7\x92", detail());  // "秒"
    // The equation lies in [-720, 720): only a negative one can show 720 minutes.
    FUZZ_CHECK_MSG(negative || *minutes < 720, detail());
}

// Checks the results of a pass and its phase: the record is finite, and every caption and
// range as above.
void checkPhaseResults(const Context& context, const astro::WorkingVariables& v) {
    const std::optional<std::string> slot = firstNonFiniteSlot(v);
    FUZZ_CHECK_MSG(!slot, context("slot " + slot.value_or("") + " is not finite"));

    checkCaption(context, "sun right ascension", v.sunRightAscension, 2);
    checkCaption(context, "sun declination", v.sunDeclination, 2);
    checkCaption(context, "sun altitude", v.sunAltitude, 2);
    checkCaption(context, "sun azimuth", v.sunAzimuth, 2);
    checkCaption(context, "moon right ascension", v.moonRightAscension, 2);
    checkCaption(context, "moon declination", v.moonDeclination, 2);
    checkCaption(context, "moon altitude", v.moonAltitude, 2);
    checkCaption(context, "moon azimuth", v.moonAzimuth, 2);
    checkCaption(context, "illuminated fraction", v.illuminatedFraction, 3);
    checkCaption(context, "limb angle", v.limbZenithAngle, 1);
    checkEquationOfTimeCaption(context, v.equationOfTimeCaption);

    checkRange(context, "sun right ascension", v.sunRightAscension, 0, 24, true);
    checkRange(context, "moon right ascension", v.moonRightAscension, 0, 24, true);
    checkRange(context, "sun declination", v.sunDeclination, -90, 90, false);
    checkRange(context, "moon declination", v.moonDeclination, -90, 90, false);
    checkRange(context, "sun altitude", v.sunAltitude, -90, 90, false);
    checkRange(context, "moon altitude", v.moonAltitude, -90, 90, false);
    checkRange(context, "sun azimuth", v.sunAzimuth, 0, 360, true);
    checkRange(context, "moon azimuth", v.moonAzimuth, 0, 360, true);
    checkRange(context, "illuminated fraction", v.illuminatedFraction, 0, 1, false);
    checkRange(context, "limb angle", v.limbZenithAngle, 0, 360, true);
}

// Checks the Moon drawing for a fraction and a limb angle: some lines, each with finite end
// points inside the disc's square (give or take DISC_SLACK_TWIPS) and so inside the window,
// in MOON_COLOUR or the background.
void checkDrawing(const Context& context, double fraction, double limbAngle, app::Rgb background) {
    const std::vector<app::PhaseLine> lines = app::moonPhaseLines(fraction, limbAngle, background);
    const std::string drawing =
        "drawing for k " + fuzz::exact(fraction) + ", angle " + fuzz::exact(limbAngle);
    FUZZ_CHECK_MSG(!lines.empty(), context(drawing + " has no line"));
    const double left = app::DISC_CENTRE_X_TWIPS - app::DISC_RADIUS_TWIPS - DISC_SLACK_TWIPS;
    const double right = app::DISC_CENTRE_X_TWIPS + app::DISC_RADIUS_TWIPS + DISC_SLACK_TWIPS;
    const double top = app::DISC_CENTRE_Y_TWIPS - app::DISC_RADIUS_TWIPS - DISC_SLACK_TWIPS;
    const double bottom = app::DISC_CENTRE_Y_TWIPS + app::DISC_RADIUS_TWIPS + DISC_SLACK_TWIPS;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const app::PhaseLine& l = lines[i];
        const auto detail = [&] {
            return context(drawing + ", line " + std::to_string(i) + " of " +
                           std::to_string(lines.size()) + ": (" + fuzz::exact(l.x1) + ", " +
                           fuzz::exact(l.y1) + ") to (" + fuzz::exact(l.x2) + ", " +
                           fuzz::exact(l.y2) + ")");
        };
        for (const float x : {l.x1, l.x2}) {
            FUZZ_CHECK_MSG(std::isfinite(x) && x >= 0 && x <= WINDOW_TWIPS, detail());
            FUZZ_CHECK_MSG(x >= left && x <= right, detail());
        }
        for (const float y : {l.y1, l.y2}) {
            FUZZ_CHECK_MSG(std::isfinite(y) && y >= 0 && y <= WINDOW_TWIPS, detail());
            FUZZ_CHECK_MSG(y >= top && y <= bottom, detail());
        }
        FUZZ_CHECK_MSG(l.colour == app::MOON_COLOUR || l.colour == background, detail());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Context context;
    const astro::EnteredValues entered = enteredValues(input, context.entered);

    astro::WorkingVariables v;
    const astro::WorkingVariables before = v;
    context.step = "calculatePass";
    if (const std::optional<astro::PassFault> fault = astro::calculatePass(v, entered)) {
        FUZZ_CHECK_MSG(identical(v, before), context("a refused pass changed the record"));
        FUZZ_CHECK_MSG(fault->field < astro::ENTERED_FIELD_COUNT, context("fault names no field"));
        return 0;
    }

    context.step = "computeMoonPhase";
    astro::computeMoonPhase(v);
    checkPhaseResults(context, v);
    v.savedLimbZenithAngle = v.limbZenithAngle;
    v.savedIlluminatedFraction = v.illuminatedFraction;
    const app::Rgb background = v.sunAltitude > 0 ? DAY_BACKGROUND : NIGHT_BACKGROUND;

    context.step = "calculateHourLater and computeMoonPhase";
    astro::calculateHourLater(v);
    astro::computeMoonPhase(v);
    checkPhaseResults(context, v);
    FUZZ_CHECK_MSG(std::isfinite(v.illuminatedFraction - v.savedIlluminatedFraction),
                   context("change of the fraction"));

    context.step = "the drawing of the first pass";
    checkDrawing(context, v.savedIlluminatedFraction, v.savedLimbZenithAngle, background);
    return 0;
}
