// Where a window may stand on the screen.
#pragma once

#include <QMargins>
#include <QRect>

namespace app {

// The geometry of a window's client area (`client`, in the screen's logical pixels) changed as
// little as needed for the window's frame (the client area grown by `frame`) to lie inside
// `available`, the part of the screen that windows may take: first the client area is made no
// wider and no taller than the available area leaves room for beside the frame, then the
// window is moved in where its frame stands outside, keeping its place otherwise.
QRect fitWindowInto(const QRect& client, const QMargins& frame, const QRect& available);

}  // namespace app
