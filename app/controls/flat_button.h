// A push button in a flat colour of its own.
#pragma once

#include <QPushButton>

namespace app {

// A push button drawn flat in its palette's button colour, exactly that colour: a frame of one
// pixel in the palette's shadow colour with rounded corners, sunk in (a frame of two pixels,
// dark above and to the left, light below and to the right) while it is pressed, and its
// caption centred. The keyboard focus is shown around it by the window's focus mark.
//
// Enter or Return presses it while it has the keyboard focus, as on any desktop; Space does
// too, as on every button.
class FlatButton : public QPushButton {
    Q_OBJECT
  public:
    explicit FlatButton(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
