#include "app/controls/focus_mark.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QStyle>

#include "app/core/colour_scheme.h"

namespace app {

FocusMark::FocusMark(QWidget* area) : QFocusFrame(area), area_(area) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*previous*/, QWidget* now) { follow(now); });
    follow(QApplication::focusWidget());
}

void FocusMark::follow(QWidget* focused) {
    QWidget* const control =
        focused != nullptr && focused->parentWidget() == area_ ? focused : nullptr;
    setWidget(control);
    // Without a control the frame is hidden here: the toolkit hides it only when it let go of
    // a control, so a window that opens without the focus would show an empty ring at the
    // area's top left corner.
    if (control == nullptr) hide();
}

void FocusMark::paintEvent(QPaintEvent* /*event*/) {
    // The frame stands around the control by the style's focus frame margins; only that ring
    // is painted, whatever mask the style gives the frame.
    const int across = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this);
    const int down = style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, this);
    const QRegion ring = QRegion(rect()) - QRegion(rect().adjusted(across, down, -across, -down));
    QPainter painter(this);
    const QColor colour(FOCUS_MARK.red, FOCUS_MARK.green, FOCUS_MARK.blue);
    for (const QRect& part : ring) painter.fillRect(part, colour);
}

}  // namespace app
