// A label that never clips its caption.
#pragma once

#include <QLabel>

namespace app {

// A label whose caption, where it is wider or taller in the label's font than the label
// itself (the stand-in face runs a little wider than the face the layout was made for), is
// drawn scaled down just enough to fit, in the same alignment, instead of being cut off.
class CaptionLabel : public QLabel {
  public:
    using QLabel::QLabel;

    // The factor the caption is drawn at: 1 when it fits as it is, less when it must
    // shrink to show whole.
    qreal captionScale() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
