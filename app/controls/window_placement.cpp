#include "app/controls/window_placement.h"

#include <algorithm>

namespace app {

namespace {

// A start coordinate that keeps a span of `length` from `start` inside [low, high), or `low`
// where the span is longer than that range.
int keptInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

QRect fitWindowInto(const QRect& client, const QMargins& frame, const QRect& available) {
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int width = std::max(1, std::min(client.width(), available.width() - frameWidth));
    const int height = std::max(1, std::min(client.height(), available.height() - frameHeight));
    const int frameLeft = keptInside(client.left() - frame.left(), width + frameWidth,
                                     available.left(), available.left() + available.width());
    const int frameTop = keptInside(client.top() - frame.top(), height + frameHeight,
                                    available.top(), available.top() + available.height());
    return QRect(frameLeft + frame.left(), frameTop + frame.top(), width, height);
}

}  // namespace app
