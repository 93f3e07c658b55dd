#include "app/day_window/day_view_controller.h"

#include <QApplication>
#include <optional>

#include "app/core/stepped_instant.h"
#include "app/main_window/main_window_door.h"

namespace app {

DayViewController::DayViewController(MainWindowDoor& door, QWidget& mainWindow)
    : SideWindowController(door, mainWindow, QStringLiteral("DayViewController")) {}

QWidget* DayViewController::makeWindow(QWidget& mainWindow) {
    auto* window = new DayWindow(&mainWindow);
    connect(window, &DayWindow::timePointed, this, &DayViewController::pointAt);
    connect(window, &DayWindow::daysStepped, this, [this](int days) { step(astro::DAY, days); });
    connect(window, &DayWindow::minutesStepped, this,
            [this](int minutes) { step(astro::MINUTE, minutes); });
    return window;
}

void DayViewController::showRefusal(const QString& reason) {
    window()->showRefusal(reason);
}

void DayViewController::showCalculation(const astro::WorkingVariables& latest) {
    window()->showCalculation(latest.julianDay, latest.latitude, latest.longitude);
}

void DayViewController::pointAt(int minuteOfDay) {
    if (window() == nullptr) return;
    const std::optional<astro::CivilTime> date = window()->shownDate();
    if (!date) return;
    // Boxes holding the chart's date as it is keep their texts; boxes whose date only comes
    // to the chart's day through out-of-range fields (hour 25, day 0) get the date written
    // out, since the time pointed at belongs to the chart's day.
    const DateBoxValues entered = door().enteredDateAndTime();
    const bool sameDate = entered[astro::YEAR] == date->year &&
                          entered[astro::MONTH] == date->month && entered[astro::DAY] == date->day;
    const astro::CivilTime pointed{date->year,       date->month,      date->day,
                                   minuteOfDay / 60, minuteOfDay % 60, 0};
    door().calculateAt(pointed, sameDate ? astro::HOUR : astro::YEAR);
}

void DayViewController::step(astro::EnteredField box, int steps) {
    const std::optional<astro::CivilTime> stepped =
        steppedInstant(door().enteredDateAndTime(), box, steps);
    if (!stepped) {
        QApplication::beep();
        return;
    }
    door().calculateAt(*stepped, astro::YEAR);
}

void installDayView(MainWindowDoor& door, QWidget& mainWindow, QWidget& menuArea) {
    installSideWindow(*new DayViewController(door, mainWindow), QKeySequence(Qt::Key_F2),
                      DAY_WINDOW_ACTION_TEXT, mainWindow, menuArea, KeyAction::Toggles);
}

DayViewController* dayViewOf(const QWidget& mainWindow) {
    return mainWindow.findChild<DayViewController*>(QStringLiteral("DayViewController"),
                                                    Qt::FindDirectChildrenOnly);
}

}  // namespace app
