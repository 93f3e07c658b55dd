#include "app/controls/side_window_look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "app/controls/application_setup.h"

namespace app {

namespace {

// Given `label`; sets its text colour to `ink`.
void inkLabel(QLabel& label, const QColor& ink) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ink);
    label.setPalette(palette);
}

}  // namespace

void dressSideWindow(QWidget& window, const char* objectName, const char* title,
                     double textPointSize) {
    window.setObjectName(QString::fromUtf8(objectName));
    window.setWindowTitle(QString::fromUtf8(title));
    window.setAttribute(Qt::WA_QuitOnClose, false);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, SIDE_GROUND);
    palette.setColor(QPalette::WindowText, SIDE_INK);
    palette.setColor(QPalette::Text, SIDE_INK);
    palette.setColor(QPalette::Base, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(controlFont(textPointSize));
}

QLabel* reasonLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    inkLabel(*label, SIDE_WARNING_INK);
    label->setAccessibleName(QStringLiteral("表示できない理由"));
    label->hide();
    return label;
}

QLabel* footnoteLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    label->setFont(controlFont(SIDE_FOOTNOTE_POINT_SIZE));
    inkLabel(*label, SIDE_FAINT_INK);
    return label;
}

}  // namespace app
