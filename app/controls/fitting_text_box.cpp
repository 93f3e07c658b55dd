#include "app/controls/fitting_text_box.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace app {

namespace {

// QLineEdit lays its text out in the style's contents rectangle less the text margins; it
// keeps a margin of its own of two pixels inside that on each side, and ends a right-aligned
// text that fits two pixels before the right end of its line (the cursor's column and one
// more).
constexpr int LINE_EDIT_OWN_MARGIN_PX = 2;
constexpr int CURSOR_ROOM_PX = 2;
// The right text margin gives QLineEdit's own margin back, so that the text ends with the
// cursor's column and one clear pixel before the frame. A text too long for the box, scrolled
// so that the cursor stands inside it, can then reach the frame's column; the frame is drawn
// over it again (paintEvent).
constexpr int RIGHT_TEXT_MARGIN_PX = -LINE_EDIT_OWN_MARGIN_PX;
// One pixel more is kept clear for the soft edges of glyphs drawn at fractional positions
// (scale factor 1.5).
constexpr int SPARE_PX = 1;

// The widest of the ten digits of a face, in pixels.
qreal widestDigitAdvance(const QFontMetricsF& metrics) {
    qreal widest = 0;
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    }
    return widest;
}

}  // namespace

FittingTextBox::FittingTextBox(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextMargins(0, 0, RIGHT_TEXT_MARGIN_PX, 0);
    connect(this, &QLineEdit::textChanged, this, &FittingTextBox::fitText);
}

void FittingTextBox::setLayoutFont(const QFont& font) {
    layoutFont_ = font;
    hasLayoutFont_ = true;
    fitText();
}

void FittingTextBox::setWidestPattern(const QString& pattern) {
    widestPattern_ = pattern;
    fitText();
}

qreal FittingTextBox::textRoom() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QRect line = contents.marginsRemoved(textMargins());
    // A right-aligned text ends here; its ink may begin at the second column inside the frame,
    // the first being kept clear.
    const int end = line.right() + 1 - LINE_EDIT_OWN_MARGIN_PX - CURSOR_ROOM_PX;
    const int firstInkColumn = contents.left() + 1;
    return end - firstInkColumn - SPARE_PX;
}

qreal FittingTextBox::smallestScale() const {
    if (widestPattern_.isEmpty()) return 1.0;
    const QFontMetricsF metrics(layoutFont_);
    const qreal digit = widestDigitAdvance(metrics);
    qreal widest = 0;
    for (const QChar ch : widestPattern_) {
        widest += ch == u'0' ? digit : metrics.horizontalAdvance(ch);
    }
    return std::min(1.0, textRoom() / widest);
}

void FittingTextBox::fitText() {
    if (!hasLayoutFont_) return;
    qreal scale = 1.0;
    overflows_ = false;
    const QString shown = text();
    if (!shown.isEmpty()) {
        const qreal advance = QFontMetricsF(layoutFont_).horizontalAdvance(shown);
        const qreal room = textRoom();
        if (advance > room) {
            scale = std::max(room / advance, smallestScale());
            overflows_ = advance * scale > room;
        }
    }
    textScale_ = scale;
    QFont scaled = layoutFont_;
    if (scale < 1.0) scaled.setPointSizeF(layoutFont_.pointSizeF() * scale);
    if (scaled != font()) setFont(scaled);
}

void FittingTextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

void FittingTextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!overflows_) return;
    // The frame's column on the right, where a scrolled text may have been drawn, is drawn
    // again; its rounded corners are left as they are.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int frameWidth = contents.left();
    if (frameWidth <= 0) return;
    QPainter painter(this);
    painter.setClipRect(
        QRect(contents.right() + 1, 2 * frameWidth + 1, frameWidth, height() - 4 * frameWidth - 2));
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
}

}  // namespace app
