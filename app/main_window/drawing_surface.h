// The main window's client area, on which the controls stand and the Moon's disc is drawn.
#pragma once

#include <QWidget>
#include <vector>

#include "app/core/moon_drawing.h"

namespace app {

// The client area the controls stand on, in logical pixels of 15 twips, and the drawing
// surface of the Moon's disc. What is drawn is kept as a list of lines and painted again
// on every repaint, so it survives covering and resizing the window until it is cleared.
class DrawingSurface : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingSurface(QWidget* parent);
    // Removes everything drawn; the controls stay.
    void clear();
    // Adds lines to what is drawn, painted over what was drawn before.
    void addLines(const std::vector<PhaseLine>& lines);
    const std::vector<PhaseLine>& lines() const { return lines_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<PhaseLine> lines_;
};

}  // namespace app
