#include "app/core/shown_fields.h"

#include "app/core/number_format.h"
#include "app/core/refusal_message.h"

namespace app {

namespace {

constexpr std::array<std::string_view, RESULT_FIELD_COUNT> RESULT_FIELD_NAMES = {
    "太陽 赤径", "太陽 赤緯", "太陽 高度", "太陽 方位", "月 赤径",   "月 赤緯",
    "月 高度",   "月 方位",   "均時差",    "輝面率",    "天頂方向角"};

// Decimals of the positions, of the illuminated fraction and of the limb's angle.
constexpr int POSITION_DECIMALS = 2;
constexpr int FRACTION_DECIMALS = 3;
constexpr int LIMB_ANGLE_DECIMALS = 1;

// One line of the copy: name, tab, text, line feed.
void appendLine(std::string& text, std::string_view name, std::string_view value) {
    text.append(name).append(1, '\t').append(value).append(1, '\n');
}

}  // namespace

std::string_view resultFieldName(ResultField field) {
    return field < RESULT_FIELD_NAMES.size() ? RESULT_FIELD_NAMES[field] : std::string_view();
}

ResultTexts resultTexts(const CalculationShown& shown, std::string_view decimalSeparator) {
    auto figure = [&](double value) {
        return formatFixed(value, POSITION_DECIMALS, decimalSeparator);
    };
    ResultTexts texts;
    texts[SUN_RIGHT_ASCENSION] = figure(shown.sun.rightAscension);
    texts[SUN_DECLINATION] = figure(shown.sun.declination);
    texts[SUN_ALTITUDE] = figure(shown.sun.altitude);
    texts[SUN_AZIMUTH] = figure(shown.sun.azimuth);
    texts[MOON_RIGHT_ASCENSION] = figure(shown.moon.rightAscension);
    texts[MOON_DECLINATION] = figure(shown.moon.declination);
    texts[MOON_ALTITUDE] = figure(shown.moon.altitude);
    texts[MOON_AZIMUTH] = figure(shown.moon.azimuth);
    texts[EQUATION_OF_TIME] = shown.equationOfTimeCaption;
    if (shown.moonUp) {
        texts[ILLUMINATED_FRACTION] =
            formatFixed(shown.illuminatedFraction, FRACTION_DECIMALS, decimalSeparator) +
            (shown.fractionGrowing ? "(+)" : "(-)");
        texts[LIMB_ZENITH_ANGLE] =
            formatFixed(shown.limbZenithAngle_deg, LIMB_ANGLE_DECIMALS, decimalSeparator);
    }
    return texts;
}

std::string copiedLines(const std::array<std::string, astro::ENTERED_FIELD_COUNT>& boxTexts,
                        std::string_view place, const ResultTexts& results) {
    std::string text;
    for (std::size_t f = 0; f < astro::ENTERED_FIELD_COUNT; ++f) {
        appendLine(text, enteredFieldName(static_cast<astro::EnteredField>(f)), boxTexts[f]);
    }
    appendLine(text, PLACE_FIELD_NAME, place);
    for (std::size_t r = 0; r < RESULT_FIELD_COUNT; ++r) {
        appendLine(text, resultFieldName(static_cast<ResultField>(r)), results[r]);
    }
    return text;
}

}  // namespace app
