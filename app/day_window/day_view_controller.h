// The day window "一日の動き" at the main window's side: opened with F2 or from the
// right-click menu, following every calculation, and carrying the time pointed at on its
// chart back to the main window.
#pragma once

#include "app/day_window/day_window.h"
#include "app/main_window/side_window_controller.h"
#include "astro/calculation.h"

class QWidget;

namespace app {

class MainWindowDoor;

// The text of the right-click menu's entry that opens the day window.
inline constexpr char DAY_WINDOW_ACTION_TEXT[] = "一日の動き (F2)";

// Opens the day window and keeps it following the calculations of the main window behind
// `door`; calculates at the time pointed at on its chart.
class DayViewController : public SideWindowController {
    Q_OBJECT
  public:
    // Given the main window's door and the main window itself, which the day window stands
    // beside and closes with.
    DayViewController(MainWindowDoor& door, QWidget& mainWindow);

    // The day window, once made; nothing before.
    DayWindow* window() const { return static_cast<DayWindow*>(sideWindow()); }

  private:
    QWidget* makeWindow(QWidget& mainWindow) override;
    void showRefusal(const QString& reason) override;
    void showCalculation(const astro::WorkingVariables& latest) override;
    // Calculates at a time of the chart's day.
    void pointAt(int minuteOfDay);
    // Calculates at the instant of the main window's boxes moved by `steps` units of `box`
    // (astro::DAY, astro::MINUTE); beeps where it cannot.
    void step(astro::EnteredField box, int steps);
};

// Installs on the main window behind `door`: F2 (which closes it again) and an entry of
// `menuArea`'s right-click menu open the day window, which then follows every calculation. Makes
// nothing visible; the day window is made when first opened.
void installDayView(MainWindowDoor& door, QWidget& mainWindow, QWidget& menuArea);

// The controller installed on `mainWindow`, or nothing.
DayViewController* dayViewOf(const QWidget& mainWindow);

}  // namespace app
