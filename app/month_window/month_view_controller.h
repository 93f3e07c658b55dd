// The window 「月の暦」 at the main window's side: opened with F3 or from the right-click
// menu, following every calculation, and calculating at the day chosen in it.
#pragma once

#include "app/main_window/side_window_controller.h"
#include "app/month_window/month_window.h"

class QWidget;

namespace app {

class MainWindowDoor;

// The text of the right-click menu's entry that opens the month window.
inline constexpr char MONTH_WINDOW_ACTION_TEXT[] = "月の暦 (F3)";

// Opens the month window and keeps it following the calculations of the main window behind
// `door`; a day chosen in it is calculated at the main window's time of day.
class MonthViewController : public SideWindowController {
    Q_OBJECT
  public:
    // Given the main window's door and the main window itself, which the month window stands
    // beside and closes with.
    MonthViewController(MainWindowDoor& door, QWidget& mainWindow);

    // The month window, once made; nothing before.
    MonthWindow* window() const { return static_cast<MonthWindow*>(sideWindow()); }

  private:
    QWidget* makeWindow(QWidget& mainWindow) override;
    void showRefusal(const QString& reason) override;
    void showCalculation(const astro::WorkingVariables& latest) override;
    // Calculates at `year`-`month`-`day` and the time of the latest calculation.
    void chooseDay(int year, int month, int day);
};

// Installs on the main window behind `door`: F3 and an entry of `menuArea`'s right-click
// menu open the month window, which then follows every calculation. Makes nothing visible;
// the month window is made when first opened.
void installMonthView(MainWindowDoor& door, QWidget& mainWindow, QWidget& menuArea);

// The controller installed on `mainWindow`, or nothing.
MonthViewController* monthViewOf(const QWidget& mainWindow);

}  // namespace app
