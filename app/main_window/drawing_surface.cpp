#include "app/main_window/drawing_surface.h"

#include <QPainter>
#include <QVector>

#include "app/controls/qt_colour.h"
#include "app/main_window/window_layout.h"

namespace app {

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void DrawingSurface::clear() {
    lines_.clear();
    update();
}

void DrawingSurface::addLines(const std::vector<PhaseLine>& lines) {
    lines_.insert(lines_.end(), lines.begin(), lines.end());
    update();
}

void DrawingSurface::paintEvent(QPaintEvent* /*event*/) {
    if (lines_.empty()) return;
    QPainter painter(this);
    // Lines of one colour in a row go to the painter together, in their order.
    QVector<QLineF> run;
    auto flush = [&](const Rgb& colour) {
        painter.setPen(QPen(toQColor(colour)));
        painter.drawLines(run);
        run.clear();
    };
    constexpr qreal toPixels = 1.0 / TWIPS_PER_PIXEL;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const PhaseLine& line = lines_[i];
        run.append(
            QLineF(line.x1 * toPixels, line.y1 * toPixels, line.x2 * toPixels, line.y2 * toPixels));
        if (i + 1 == lines_.size() || !(lines_[i + 1].colour == line.colour)) flush(line.colour);
    }
}

}  // namespace app
