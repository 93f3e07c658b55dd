#include "app/month_window/month_view_controller.h"

#include <optional>

#include "app/main_window/main_window_door.h"
#include "astro/civil_time.h"

namespace app {

MonthViewController::MonthViewController(MainWindowDoor& door, QWidget& mainWindow)
    : SideWindowController(door, mainWindow, QStringLiteral("MonthViewController")) {}

QWidget* MonthViewController::makeWindow(QWidget& mainWindow) {
    auto* window = new MonthWindow(&mainWindow);
    connect(window, &MonthWindow::dayChosen, this, &MonthViewController::chooseDay);
    return window;
}

void MonthViewController::showRefusal(const QString& reason) {
    window()->showRefusal(reason);
}

void MonthViewController::showCalculation(const astro::WorkingVariables& latest) {
    window()->showCalculation(latest.julianDay, latest.latitude, latest.longitude);
}

void MonthViewController::chooseDay(int year, int month, int day) {
    if (!hasCalculated()) return;
    const std::optional<astro::CivilTime> latest =
        astro::civilTimeOf(door().latestCalculation().julianDay);
    if (!latest) return;
    door().calculateAt({year, month, day, latest->hour, latest->minute, latest->second},
                       astro::YEAR);
}

void installMonthView(MainWindowDoor& door, QWidget& mainWindow, QWidget& menuArea) {
    installSideWindow(*new MonthViewController(door, mainWindow), QKeySequence(Qt::Key_F3),
                      MONTH_WINDOW_ACTION_TEXT, mainWindow, menuArea);
}

MonthViewController* monthViewOf(const QWidget& mainWindow) {
    return mainWindow.findChild<MonthViewController*>(QStringLiteral("MonthViewController"),
                                                      Qt::FindDirectChildrenOnly);
}

}  // namespace app
