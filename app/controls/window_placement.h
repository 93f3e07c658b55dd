// Where a window may stand on the screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace app {

// The geometry of a window's client area (`client`, in the screen's logical pixels) changed as
// little as needed for the window's frame (the client area grown by `frame`) to lie inside
// `available`, the part of the screen that windows may take: first the client area is made no
// wider and no taller than the available area leaves room for beside the frame, then the
// window is moved in where its frame stands outside, keeping its place otherwise.
QRect fitWindowInto(const QRect& client, const QMargins& frame, const QRect& available);

// Where a window of `size` (frame included) stands beside `mainFrame` on the screen area
// `available`: to its right where it fits, else to its left, else as far right as the
// screen allows; top edges aligned, kept on the screen. Returns the top-left corner.
QPoint placeBeside(const QRect& mainFrame, const QSize& size, const QRect& available);

}  // namespace app
