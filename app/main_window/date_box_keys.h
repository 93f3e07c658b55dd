// Up and Down in the date and time boxes: one unit of the box forward or back, then a
// calculation, as 計算 makes it.
#pragma once

#include <QObject>
#include <array>

class QWidget;

namespace app {

class MainWindowDoor;

// Watches the six date and time boxes `boxes` (year ... second) of the main window behind
// `door`. Up steps the instant the boxes give by one unit of the box the key was pressed in,
// Down by one unit back (the keypad's arrows too); the six boxes then show the stepped
// instant as an ordinary date and time (see steppedInstant) and the window calculates it.
// Where the boxes or the stepped instant cannot be calculated (a year beyond 16 bits)
// nothing changes and the computer beeps.
class DateBoxKeys : public QObject {
    Q_OBJECT
  public:
    DateBoxKeys(MainWindowDoor& door, const std::array<QWidget*, 6>& boxes, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void step(std::size_t box, int steps);

    MainWindowDoor& door_;
    std::array<QWidget*, 6> boxes_;
};

}  // namespace app
