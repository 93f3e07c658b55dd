// The day and night colour schemes and the colours that do not change with them.
#pragma once

#include <cstdint>
#include <optional>

#include "app/core/rgb.h"

namespace app {

inline constexpr std::int16_t NIGHT_FLAG = 1;
inline constexpr std::int16_t DAY_FLAG = 2;

struct ColourScheme {
    Rgb background;  // the window and every label
    Rgb title;       // the title's text
};

inline constexpr ColourScheme NIGHT_SCHEME{{32, 96, 192}, {220, 202, 48}};
inline constexpr ColourScheme DAY_SCHEME{{0, 144, 255}, {220, 14, 27}};

// The buttons' background, and that of the text boxes and the place list.
inline constexpr Rgb BUTTON_BACKGROUND{68, 246, 255};
inline constexpr Rgb INPUT_BACKGROUND{190, 190, 190};
// The mark around the control that has the keyboard focus. Black is the one colour that
// stands out at a contrast ratio of 3:1 or more (relative luminance, as for accessible web
// content) against all of them: 6.4 against the day background, 3.5 against the night
// background, 15.9 against the buttons and 11.3 against the boxes.
inline constexpr Rgb FOCUS_MARK{0, 0, 0};

// The scheme for a day-or-night flag: night for 1, day for 2, none for any other value
// (the colours then stay as they are).
std::optional<ColourScheme> colourSchemeFor(std::int16_t dayNightFlag);

}  // namespace app
