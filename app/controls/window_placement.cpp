#include "app/controls/window_placement.h"

#include <algorithm>

namespace app {

namespace {

// Room left between a window and the one it stands beside, logical pixels.
constexpr int WINDOW_GAP = 8;

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

QPoint placeBeside(const QRect& mainFrame, const QSize& size, const QRect& available) {
    int x = available.right() + 1 - size.width();
    if (mainFrame.right() + 1 + WINDOW_GAP + size.width() <= available.right() + 1) {
        x = mainFrame.right() + 1 + WINDOW_GAP;
    } else if (mainFrame.left() - WINDOW_GAP - size.width() >= available.left()) {
        x = mainFrame.left() - WINDOW_GAP - size.width();
    }
    x = std::max(x, available.left());
    const int lowestTop = std::max(available.top(), available.bottom() + 1 - size.height());
    const int y = std::clamp(mainFrame.top(), available.top(), lowestTop);
    return {x, y};
}

}  // namespace app
