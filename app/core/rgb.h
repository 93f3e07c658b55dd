// A colour as the window's drawing and colour schemes give it.
#pragma once

namespace app {

// A colour as red, green and blue components, 0 to 255.
struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

}  // namespace app
