// A text box for a number that shows the whole of every text it is meant for.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>

namespace app {

// A right-aligned text box whose text is drawn whole although the box is narrow for its face:
// the inner margin on the right is taken in, and a text too wide for the box even so is drawn
// in the box's face scaled down just enough to fit, as a caption label does. The scale never
// goes below what the widest expected text needs (its pattern, below); a text wider still
// keeps that scale and scrolls as in any text box, the cursor always in view.
//
// The widest expected text is given as a pattern in which each '0' stands for the widest
// digit of the face: "-0000" for a year from -9999 to 9999, "-00" for a month or a minute.
//
// With the stand-in face (IPAPGothic) at the layout's sizes, the smallest scales come to
// 0.78 for the two-digit boxes ("-00", 30 pixels wide, 14.25 points), 0.79 for the year
// ("-0000", 49 pixels, 14.25 points), 0.81 for the longitude ("-000.000", 81 pixels,
// 15.75 points) and 0.95 for the latitude ("-00.000"). Texts met every day need less:
// "2024" 0.90, "140.117" 0.88, "-157.93" 0.95; those that fit at the layout's size ("12",
// "59", "139.75", "35.65") are not scaled at all.
class FittingTextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit FittingTextBox(QWidget* parent = nullptr);

    // The face and size of the layout, which the box's text is drawn in whenever it fits.
    void setLayoutFont(const QFont& font);
    const QFont& layoutFont() const { return layoutFont_; }
    // The widest text the box must show whole, digits written as '0'.
    void setWidestPattern(const QString& pattern);

    // The factor the layout's face is scaled by for the present text: 1 when the text fits at
    // the layout's size, less when it must shrink to show whole, never below smallestScale().
    qreal textScale() const { return textScale_; }
    // The factor the widest expected text needs, 1 at most.
    qreal smallestScale() const;

    // Room for a text's advance, in pixels, that keeps its ink one clear pixel inside the frame
    // on both sides.
    qreal textRoom() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Scales the face for the present text.
    void fitText();

    QFont layoutFont_;
    bool hasLayoutFont_ = false;
    QString widestPattern_;
    qreal textScale_ = 1.0;
    // Whether the present text is wider than the box even at the smallest scale.
    bool overflows_ = false;
};

}  // namespace app
