// What the application needs before its first widget is made.
#pragma once

#include <QFont>
#include <QString>

namespace app {

// Sets the style that paints the buttons' background colour, makes the face the controls ask
// for resolve to an installed Japanese face where it is missing itself, and makes that face
// the application's font. Call once, after the application object exists and before any
// widget is made.
void prepareApplication();

// The installed face the controls are drawn in: the layout's face (window_layout.h) where it
// is installed, else its stand-in of near metrics, else the first installed face that covers
// Japanese. Looked up once, so that controls ask for a face that is there and the toolkit
// does not search anew, for every font size, for a replacement of one that is missing.
const QString& controlFontFamily();

// The controls' face (controlFontFamily()) at a size in points, regular weight.
QFont controlFont(double pointSize);

}  // namespace app
