// Up and Down in the date and time boxes: one unit of the box forward or back, then a
// calculation, as 計算 makes it.
#pragma once

#include <QObject>

namespace app {

class Form1;

// Watches the six date and time boxes of `form`. Up steps the instant the boxes give by one
// unit of the box the key was pressed in, Down by one unit back (the keypad's arrows too);
// the six boxes then show the stepped instant as an ordinary date and time (see
// steppedInstant) and the window calculates it. Where the boxes or the stepped instant
// cannot be calculated (a year beyond 16 bits) nothing changes and the computer beeps.
// The boxes are read by the number-reading rule, as a calculation reads them.
class TimeStepping : public QObject {
    Q_OBJECT
  public:
    explicit TimeStepping(Form1& form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void step(int box, int steps);

    Form1& form_;
};

}  // namespace app
