#include "app/controls/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace app {

qreal CaptionLabel::captionScale() const {
    const QString caption = text();
    if (caption.isEmpty()) return 1.0;
    const QFontMetricsF metrics(font());
    const QRect area = contentsRect();
    const qreal width = metrics.horizontalAdvance(caption);
    // The caption stands at the top: its ink reaches the ascent plus the part of the
    // glyphs below the baseline, and one pixel row for the last row of ink.
    const qreal inkBottom = metrics.ascent() + metrics.tightBoundingRect(caption).bottom() + 1;
    return std::min({1.0, area.width() / width, area.height() / inkBottom});
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    const qreal scale = captionScale();
    if (scale >= 1.0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.scale(scale, scale);
    const QRectF area = contentsRect();
    const QRectF scaledArea(area.x() / scale, area.y() / scale, area.width() / scale,
                            area.height() / scale);
    painter.drawText(scaledArea, static_cast<int>(alignment()), text());
}

}  // namespace app
