// The controls of the window: names, kinds, captions, places and sizes in twips (15 to a
// logical pixel), font sizes in points, alignment and tab order.
#pragma once

#include <array>
#include <string_view>

namespace app {

inline constexpr int TWIPS_PER_PIXEL = 15;

// The face every control asks for, and the Japanese proportional Gothic of near metrics
// that stands in for it where it is not installed.
inline constexpr std::string_view CONTROL_FONT_FAMILY = "ＭＳ Ｐゴシック";
inline constexpr std::string_view CONTROL_FONT_STAND_IN = "IPAPGothic";

enum class ControlKind { Label, TextBox, ListBox, Button };
enum class TextAlign { Left, Right, Centre };

struct ControlSpec {
    std::string_view name;  // "Label11(0)" for member 0 of the array Label11
    ControlKind kind;
    std::string_view caption;  // UTF-8; empty for boxes and result fields
    int left;                  // twips from the client area's left edge
    int top;                   // twips from its top edge
    int width;                 // twips
    int height;                // twips
    double pointSize;
    TextAlign align;
    int tabIndex;  // order among all controls; only boxes, the list and buttons take focus
};

// clang-format off
inline constexpr std::array<ControlSpec, 43> CONTROL_SPECS = {{
    {"Label18", ControlKind::Label, "太陽・月の赤径・赤緯と高度・方位", 1560, 240, 5175, 495, 18, TextAlign::Left, 29},
    {"txtYMD(0)", ControlKind::TextBox, "", 1080, 1080, 735, 420, 14.25, TextAlign::Right, 5},
    {"Label2", ControlKind::Label, "年", 1920, 1080, 375, 375, 14.25, TextAlign::Left, 0},
    {"txtYMD(1)", ControlKind::TextBox, "", 2400, 1080, 450, 420, 14.25, TextAlign::Right, 6},
    {"Label3", ControlKind::Label, "月", 3000, 1080, 375, 375, 14.25, TextAlign::Left, 1},
    {"txtYMD(2)", ControlKind::TextBox, "", 3480, 1080, 450, 420, 14.25, TextAlign::Right, 7},
    {"Label4", ControlKind::Label, "日", 4080, 1080, 375, 375, 14.25, TextAlign::Left, 2},
    {"txtYMD(3)", ControlKind::TextBox, "", 4560, 1080, 450, 420, 14.25, TextAlign::Right, 8},
    {"Label5", ControlKind::Label, "時", 5040, 1080, 375, 375, 14.25, TextAlign::Left, 3},
    {"txtYMD(4)", ControlKind::TextBox, "", 5520, 1080, 450, 420, 14.25, TextAlign::Right, 9},
    {"Label6", ControlKind::Label, "分", 6000, 1080, 375, 375, 14.25, TextAlign::Left, 4},
    {"txtYMD(5)", ControlKind::TextBox, "", 6480, 1080, 450, 420, 14.25, TextAlign::Right, 27},
    {"Label17", ControlKind::Label, "秒", 6960, 1080, 375, 375, 14.25, TextAlign::Left, 26},
    {"lstCITY", ControlKind::ListBox, "", 8520, 480, 1455, 990, 12, TextAlign::Left, 10},
    {"Command3", ControlKind::Button, "場所の決定", 8520, 1560, 1455, 495, 12, TextAlign::Centre, 21},
    {"Label10", ControlKind::Label, "", 8160, 2400, 1935, 255, 12, TextAlign::Right, 16},
    {"Label1", ControlKind::Label, "緯度", 8160, 2820, 615, 255, 12, TextAlign::Left, 12},
    {"txtIDO", ControlKind::TextBox, "", 8880, 2760, 1215, 375, 15.75, TextAlign::Right, 14},
    {"Label7", ControlKind::Label, "経度", 8160, 3480, 615, 255, 12, TextAlign::Left, 13},
    {"txtKEIDO", ControlKind::TextBox, "", 8880, 3360, 1215, 450, 15.75, TextAlign::Right, 15},
    {"Label19", ControlKind::Label, "太陽", 3720, 2040, 975, 375, 20.25, TextAlign::Right, 34},
    {"Label20", ControlKind::Label, "月", 6240, 2040, 735, 375, 20.25, TextAlign::Right, 35},
    {"Label8", ControlKind::Label, "赤径", 1800, 2520, 975, 495, 18, TextAlign::Right, 17},
    {"Label11(0)", ControlKind::Label, "", 2880, 2640, 1695, 495, 18, TextAlign::Right, 19},
    {"Label11(1)", ControlKind::Label, "", 5280, 2640, 1695, 495, 18, TextAlign::Right, 32},
    {"Label9", ControlKind::Label, "赤緯", 1800, 3480, 975, 495, 18, TextAlign::Right, 18},
    {"Label12(0)", ControlKind::Label, "", 2880, 3480, 1695, 495, 18, TextAlign::Right, 20},
    {"Label12(1)", ControlKind::Label, "", 5280, 3480, 1695, 495, 18, TextAlign::Right, 33},
    {"Label31", ControlKind::Label, "均時差", 1440, 4440, 1335, 375, 18, TextAlign::Right, 38},
    {"Label32", ControlKind::Label, "", 2880, 4440, 2175, 495, 18, TextAlign::Right, 39},
    {"Label13", ControlKind::Label, "高度", 1800, 5280, 975, 495, 18, TextAlign::Right, 22},
    {"Label15(0)", ControlKind::Label, "", 2880, 5280, 1695, 495, 18, TextAlign::Right, 24},
    {"Label15(1)", ControlKind::Label, "", 5280, 5400, 1695, 495, 18, TextAlign::Right, 30},
    {"Label14", ControlKind::Label, "方位", 1800, 6240, 975, 495, 18, TextAlign::Right, 23},
    {"Label16(0)", ControlKind::Label, "", 2880, 6240, 1695, 495, 18, TextAlign::Right, 25},
    {"Label16(1)", ControlKind::Label, "", 5280, 6240, 1695, 495, 18, TextAlign::Right, 31},
    {"Label22", ControlKind::Label, "", 8880, 4680, 1575, 495, 18, TextAlign::Left, 40},
    {"Label21", ControlKind::Label, "", 8640, 5280, 1455, 495, 15.75, TextAlign::Right, 36},
    {"Label30", ControlKind::Label, "", 10080, 5280, 1215, 495, 15.75, TextAlign::Left, 37},
    {"Label23", ControlKind::Label, "", 8160, 5880, 1935, 495, 15.75, TextAlign::Right, 41},
    {"Label24", ControlKind::Label, "", 10080, 5880, 1215, 495, 15.75, TextAlign::Left, 42},
    {"Command4", ControlKind::Button, "計算", 4920, 7560, 975, 615, 15.75, TextAlign::Centre, 28},
    {"Command1", ControlKind::Button, "終了", 1200, 9720, 975, 615, 15.75, TextAlign::Centre, 11},
}};
// clang-format on

// The widest text each text box must show whole, digits written as '0' (each stands for the
// widest digit of the face): a year from -32768 to 32767; a month, day, hour, minute or second
// of two digits, with a sign; a latitude and a longitude to a thousandth of a degree, the
// precision of the place list, with a sign.
struct BoxTextSpec {
    std::string_view name;
    std::string_view widestPattern;
};

inline constexpr std::array<BoxTextSpec, 8> BOX_TEXT_SPECS = {{
    {"txtYMD(0)", "-00000"},
    {"txtYMD(1)", "-00"},
    {"txtYMD(2)", "-00"},
    {"txtYMD(3)", "-00"},
    {"txtYMD(4)", "-00"},
    {"txtYMD(5)", "-00"},
    {"txtIDO", "-00.000"},
    {"txtKEIDO", "-000.000"},
}};

// The client area's initial size, twips: room for every control (they reach 11295 across
// and 10335 down) and for the Moon's disc (8500 to 10500 across, 7000 to 9000 down), with a
// margin.
inline constexpr int CLIENT_WIDTH_TWIPS = 11700;
inline constexpr int CLIENT_HEIGHT_TWIPS = 10800;

}  // namespace app
