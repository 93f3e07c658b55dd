// The mark around the control that has the keyboard focus.
#pragma once

#include <QFocusFrame>

namespace app {

// A ring two pixels wide just outside whichever control on `area` has the keyboard focus, in
// the focus mark colour (colour_scheme.h), which stands out against both schemes' background,
// the buttons' colour and the boxes' grey. It follows the focus from control to control and
// is hidden while the focus is elsewhere (another window, or none).
class FocusMark : public QFocusFrame {
    Q_OBJECT
  public:
    explicit FocusMark(QWidget* area);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Frames `focused` if it stands on the area, else nothing.
    void follow(QWidget* focused);

    QWidget* area_;
};

}  // namespace app
