// The look the windows beside the main window share: their own colours, the same by day and
// by night, the face the main window uses, a line for why nothing can be shown, a footnote.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace app {

// The side windows' ground and ink.
inline const QColor SIDE_GROUND(0xf5, 0xf7, 0xfa);
inline const QColor SIDE_INK(0x1f, 0x29, 0x33);
inline const QColor SIDE_FAINT_INK(0x4a, 0x55, 0x63);
inline const QColor SIDE_WARNING_INK(0xa3, 0x1b, 0x29);

// Point sizes of a side window's heading and footnote, in the main window's face.
inline constexpr double SIDE_HEADING_POINT_SIZE = 13.0;
inline constexpr double SIDE_FOOTNOTE_POINT_SIZE = 9.0;

// Given a top-level `window`; gives it its `objectName`, its `title` (UTF-8), the side
// windows' colours and the main window's face at `textPointSize`, and keeps it from ending
// the program when it alone is closed.
void dressSideWindow(QWidget& window, const char* objectName, const char* title,
                     double textPointSize);

// "北緯 35.65°・東経 139.75°" for a place (degrees), each number in the shortest text that
// reads back as it.
QString coordinatesCaption(double latitude_deg, double longitude_deg);

// The name of the built-in place at exactly these coordinates (degrees), or empty.
QString builtInPlaceAt(double latitude_deg, double longitude_deg);

// A button of `parent` with `text` and `tip` (UTF-8) that Enter elsewhere does not press.
QPushButton* sideButton(const char* text, const char* tip, QWidget* parent);

// The top row of a side window: its heading, and buttons to the previous and next day or
// month, which take no Enter of their own.
struct SideWindowTop {
    QLabel* heading;
    QPushButton* previous;
    QPushButton* next;
};

// Given a dressed side `window`; gives it its vertical layout with the side windows' margins,
// whose first row is the heading (named `headingName` for screen readers, UTF-8) beside the
// previous and next buttons (texts and tips UTF-8). Returns the layout and the row's parts.
QVBoxLayout* sideWindowLayout(QWidget& window, const char* headingName, const char* previousText,
                              const char* previousTip, const char* nextText, const char* nextTip,
                              SideWindowTop& top);

// A hidden line of `parent` in the warning ink, for why nothing can be shown.
QLabel* reasonLabel(QWidget* parent);

// A wrapped footnote of `parent` with `text` (UTF-8), small and faint.
QLabel* footnoteLabel(const char* text, QWidget* parent);

}  // namespace app
