#include "app/controls/side_window_look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

#include "app/controls/application_setup.h"
#include "app/controls/box_text.h"
#include "app/core/city_table.h"
#include "app/core/coordinate_text.h"

namespace app {

namespace {

// Given `label`; sets its text colour to `ink`.
void inkLabel(QLabel& label, const QColor& ink) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ink);
    label.setPalette(palette);
}

}  // namespace

QString coordinatesCaption(double latitude_deg, double longitude_deg) {
    const QString north = latitude_deg < 0 ? QStringLiteral("南緯") : QStringLiteral("北緯");
    const QString east = longitude_deg < 0 ? QStringLiteral("西経") : QStringLiteral("東経");
    return QStringLiteral("%1 %2°・%3 %4°")
        .arg(north, QString::fromStdString(coordinateText(std::abs(latitude_deg))), east,
             QString::fromStdString(coordinateText(std::abs(longitude_deg))));
}

QString builtInPlaceAt(double latitude_deg, double longitude_deg) {
    for (const City& city : cityTable()) {
        if (city.latitude == latitude_deg && city.longitude == longitude_deg) {
            return fromUtf8(city.name).trimmed();
        }
    }
    return {};
}

QPushButton* sideButton(const char* text, const char* tip, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setToolTip(QString::fromUtf8(tip));
    b->setAutoDefault(false);
    return b;
}

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

QVBoxLayout* sideWindowLayout(QWidget& window, const char* headingName, const char* previousText,
                              const char* previousTip, const char* nextText, const char* nextTip,
                              SideWindowTop& top) {
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(6);
    auto* row = new QHBoxLayout;
    top.heading = new QLabel(&window);
    top.heading->setFont(controlFont(SIDE_HEADING_POINT_SIZE));
    top.heading->setAccessibleName(QString::fromUtf8(headingName));
    row->addWidget(top.heading, 1);
    top.previous = sideButton(previousText, previousTip, &window);
    top.next = sideButton(nextText, nextTip, &window);
    row->addWidget(top.previous);
    row->addWidget(top.next);
    layout->addLayout(row);
    return layout;
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
