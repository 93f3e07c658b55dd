#include "app/controls/window_placement.h"

#include <algorithm>
#include <optional>

namespace app {

namespace {

// Room left between a window and the one it stands beside, logical pixels.
constexpr int WINDOW_GAP = 8;

// A start coordinate that keeps a span of `length` from `start` inside [low, high), or `low`
// where the span is longer than that range.
int keptInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

// The bounding rectangle of `rects`; empty for none.
QRect boundsOf(const std::vector<QRect>& rects) {
    QRect bounds;
    for (const QRect& r : rects) bounds = bounds.united(r);
    return bounds;
}

// The parts of `available` beyond `bounds` on each side, a gap away from it.
std::vector<QRect> partsBeside(const QRect& bounds, const QRect& available) {
    return {
        QRect(QPoint(bounds.right() + 1 + WINDOW_GAP, available.top()), available.bottomRight()),
        QRect(available.topLeft(), QPoint(bounds.left() - 1 - WINDOW_GAP, available.bottom())),
        QRect(QPoint(available.left(), bounds.bottom() + 1 + WINDOW_GAP), available.bottomRight()),
        QRect(available.topLeft(), QPoint(available.right(), bounds.top() - 1 - WINDOW_GAP)),
    };
}

// A window of `size`, shrunk to `part`, placed in it as near the main window's top-left as
// it allows.
QRect placedIn(const QRect& part, const QSize& size, const QRect& mainFrame) {
    const QSize fitted = size.boundedTo(part.size());
    const int x = std::clamp(mainFrame.left(), part.left(), part.right() + 1 - fitted.width());
    const int y = std::clamp(mainFrame.top(), part.top(), part.bottom() + 1 - fitted.height());
    return QRect(QPoint(x, y), fitted);
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

QRect placeClearOf(const QRect& mainFrame, const std::vector<QRect>& keepClear, const QSize& size,
                   const QSize& minimum, const QRect& available) {
    const QSize fitted = size.boundedTo(available.size());
    const QPoint beside = placeBeside(mainFrame, fitted, available);
    const QRect besideFrame(beside, fitted);
    if (!besideFrame.intersects(mainFrame) || keepClear.empty()) return besideFrame;
    std::optional<QRect> best;
    for (const QRect& part : partsBeside(boundsOf(keepClear), available)) {
        if (part.width() < minimum.width() || part.height() < minimum.height()) continue;
        const QRect placed = placedIn(part, fitted, mainFrame);
        const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
        if (!best || area(placed) > area(*best)) best = placed;
    }
    return best.value_or(besideFrame);
}

}  // namespace app
