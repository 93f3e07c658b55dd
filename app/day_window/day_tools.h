// What the main window gains for the day at its place: the window "一日の動き", opened with
// F2 or from the right-click menu, following every calculation, and Up and Down in the date
// and time boxes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "app/day_window/day_window.h"

namespace app {

class Form1;

// The text of the right-click menu's entry that opens the day window.
inline constexpr char DAY_WINDOW_ACTION_TEXT[] = "一日の動き (F2)";

// Opens the day window and keeps it following the main window's calculations; carries the
// time pointed at on its chart back into the main window's boxes.
class DayViewController : public QObject {
    Q_OBJECT
  public:
    explicit DayViewController(Form1& form);

    // Shows the day window beside the main window (making it the first time), raised, with
    // the day of the latest calculation.
    void open();
    // The day window, once made; nothing before.
    DayWindow* window() const { return window_; }

  private:
    void followCalculation();
    void followRefusal(const QString& reason);
    void showLatest();
    // Sets the main window's time boxes to a time of the chart's day and calculates.
    void pointAt(int minuteOfDay);

    Form1& form_;
    QPointer<DayWindow> window_;
    // Why the latest calculation was refused; empty when it ran.
    QString refusal_;
    bool calculated_ = false;
};

// Installs on `form`: F2 and the right-click entry for the day window, its following of
// every calculation, the tooltip of 計算 naming both, and the Up and Down keys of the date
// and time boxes. Makes nothing visible; the day window is made when first opened.
void installDayTools(Form1& form);

// The controller installed on `form`, or nothing.
DayViewController* dayViewOf(const Form1& form);

// Where a window of `size` (frame included) stands beside `mainFrame` on the screen area
// `available`: to its right where it fits, else to its left, else as far right as the
// screen allows; top edges aligned, kept on the screen. Returns the top-left corner.
QPoint placeBeside(const QRect& mainFrame, const QSize& size, const QRect& available);

}  // namespace app
