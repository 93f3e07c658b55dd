// Where a window may stand on the screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

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

// Where a window of `size` (frame included) stands on the screen area `available` beside
// the main window's frame `mainFrame`, hiding none of `keepClear` (the main window's boxes,
// list and buttons, in screen coordinates): beside the main window, to its right or left,
// where it fits whole; else in the largest part of the screen clear of all of `keepClear`
// (right of them, left, below or above: over the main window's results or beyond it),
// shrunk to that part but to no less than `minimum`; else where placeBeside puts it, shrunk
// to the screen. Returns the frame's rectangle, never larger than `available`.
QRect placeClearOf(const QRect& mainFrame, const std::vector<QRect>& keepClear, const QSize& size,
                   const QSize& minimum, const QRect& available);

}  // namespace app
