#include "app/core/colour_scheme.h"

namespace app {

std::optional<ColourScheme> colourSchemeFor(std::int16_t dayNightFlag) {
    if (dayNightFlag == NIGHT_FLAG) return NIGHT_SCHEME;
    if (dayNightFlag == DAY_FLAG) return DAY_SCHEME;
    return std::nullopt;
}

}  // namespace app
