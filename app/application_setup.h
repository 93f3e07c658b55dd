// What the application needs before its first widget is made.
#pragma once

namespace app {

// Sets the style that paints the buttons' background colour, and makes the face the
// controls ask for resolve to an installed Japanese face where it is missing itself. Call
// once, after the application object exists and before any widget is made.
void prepareApplication();

}  // namespace app
