// The toolkit's colour of the window's own colour type.
#pragma once

#include <QColor>

#include "app/core/rgb.h"

namespace app {

// Given a colour of components 0 to 255; the same colour as the toolkit takes it.
inline QColor toQColor(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace app
