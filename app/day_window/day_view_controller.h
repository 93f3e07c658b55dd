// The day window "一日の動き" at the main window's side: opened with F2 or from the
// right-click menu, following every calculation, and carrying the time pointed at on its
// chart back to the main window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "app/day_window/day_window.h"

class QWidget;

namespace app {

class MainWindowDoor;

// The text of the right-click menu's entry that opens the day window.
inline constexpr char DAY_WINDOW_ACTION_TEXT[] = "一日の動き (F2)";

// Opens the day window and keeps it following the calculations of the main window behind
// `door`; calculates at the time pointed at on its chart.
class DayViewController : public QObject {
    Q_OBJECT
  public:
    // Given the main window's door and the main window itself, which the day window stands
    // beside and closes with.
    DayViewController(MainWindowDoor& door, QWidget& mainWindow);

    // Shows the day window beside the main window (making it the first time), raised, with
    // the day of the latest calculation.
    void open();
    // The day window, once made; nothing before.
    DayWindow* window() const { return window_; }

  private:
    void followCalculation();
    void followRefusal(const QString& reason);
    void showLatest();
    // Calculates at a time of the chart's day.
    void pointAt(int minuteOfDay);

    MainWindowDoor& door_;
    QWidget& mainWindow_;
    QPointer<DayWindow> window_;
    // Why the latest calculation was refused; empty when it ran.
    QString refusal_;
    bool calculated_ = false;
};

// Installs on the main window behind `door`: F2 and an entry of `menuArea`'s right-click menu
// open the day window, which then follows every calculation. Makes nothing visible; the day
// window is made when first opened.
void installDayView(MainWindowDoor& door, QWidget& mainWindow, QWidget& menuArea);

// The controller installed on `mainWindow`, or nothing.
DayViewController* dayViewOf(const QWidget& mainWindow);

}  // namespace app
