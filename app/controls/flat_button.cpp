#include "app/controls/flat_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace app {

namespace {

constexpr qreal CORNER_RADIUS_PX = 3;
constexpr qreal SUNKEN_FRAME_PX = 2;
// The light part of the sunken frame: the shadow colour lightened by half.
constexpr int SUNKEN_LIGHT_FACTOR = 150;

// The frame of a pressed button: two pixels, dark along the top and the left edge, light along
// the bottom and the right, the corners divided on the diagonal.
void drawSunkenFrame(QPainter& painter, const QRectF& area, const QColor& dark) {
    QPainterPath ring;
    ring.addRoundedRect(area, CORNER_RADIUS_PX, CORNER_RADIUS_PX);
    QPainterPath inside;
    inside.addRect(
        area.adjusted(SUNKEN_FRAME_PX, SUNKEN_FRAME_PX, -SUNKEN_FRAME_PX, -SUNKEN_FRAME_PX));
    ring = ring.subtracted(inside);
    painter.fillPath(ring, dark.lighter(SUNKEN_LIGHT_FACTOR));
    QPainterPath upperLeft;
    upperLeft.addPolygon(QPolygonF({area.topLeft(), area.topRight(),
                                    area.topRight() + QPointF(-SUNKEN_FRAME_PX, SUNKEN_FRAME_PX),
                                    area.bottomLeft() + QPointF(SUNKEN_FRAME_PX, -SUNKEN_FRAME_PX),
                                    area.bottomLeft()}));
    upperLeft.closeSubpath();
    painter.fillPath(ring.intersected(upperLeft), dark);
}

}  // namespace

FlatButton::FlatButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // An auto-default button outside a dialog is pressed by Enter and Return while it has the
    // focus, and by nothing else.
    setAutoDefault(true);
}

void FlatButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.setRenderHint(QPainter::Antialiasing);
    // The fill stops at the rounded frame: the corners outside it show the window behind.
    QPainterPath face;
    face.addRoundedRect(QRectF(rect()), CORNER_RADIUS_PX, CORNER_RADIUS_PX);
    painter.fillPath(face, colours.color(QPalette::Button));
    const QColor shadow = colours.color(QPalette::Shadow);
    if (isDown()) {
        drawSunkenFrame(painter, QRectF(rect()), shadow);
    } else {
        painter.setPen(QPen(shadow, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), CORNER_RADIUS_PX,
                                CORNER_RADIUS_PX);
    }
    style()->drawItemText(&painter, rect(), Qt::AlignCenter | Qt::TextShowMnemonic, colours,
                          isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace app
