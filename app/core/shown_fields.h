// The texts of the main window's result fields and the lines Ctrl+Shift+C copies, without a
// toolkit: the window puts these texts in its labels, and the command line prints the same
// lines.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/core/calculation_sequence.h"
#include "astro/calculation.h"

namespace app {

// The result fields, in the order they are copied after the eight boxes and the place.
enum ResultField : std::size_t {
    SUN_RIGHT_ASCENSION,
    SUN_DECLINATION,
    SUN_ALTITUDE,
    SUN_AZIMUTH,
    MOON_RIGHT_ASCENSION,
    MOON_DECLINATION,
    MOON_ALTITUDE,
    MOON_AZIMUTH,
    EQUATION_OF_TIME,
    ILLUMINATED_FRACTION,
    LIMB_ZENITH_ANGLE,
    RESULT_FIELD_COUNT
};
using ResultTexts = std::array<std::string, RESULT_FIELD_COUNT>;

// The name the copy gives the place's caption.
inline constexpr std::string_view PLACE_FIELD_NAME = "場所";

// The name the copy and assistive tools give a result field (UTF-8): "太陽 赤径", ...,
// "天頂方向角".
std::string_view resultFieldName(ResultField field);

// The texts of the result fields for a calculation: each figure to two decimals, the
// equation of time's caption as the calculation wrote it, and while the Moon is up the
// illuminated fraction to three decimals with "(+)" or "(-)" and the limb's angle to one;
// those two are empty while the Moon is down. `decimalSeparator` is the user's (UTF-8).
ResultTexts resultTexts(const CalculationShown& shown, std::string_view decimalSeparator);

// The copy of the window: a line "name<TAB>text\n" for each of the eight boxes (their texts
// `boxTexts`, indexed by the entered field), the place caption `place`, and each result
// field.
std::string copiedLines(const std::array<std::string, astro::ENTERED_FIELD_COUNT>& boxTexts,
                        std::string_view place, const ResultTexts& results);

}  // namespace app
