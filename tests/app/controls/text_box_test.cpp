// The text boxes of the real window show the whole of every text a user meets in them: the
// ink of each text keeps clear of the box's frame on both sides and is as wide as the text
// itself. CTest runs these again at the scale factors 1.5 and 2 (tests/CMakeLists.txt).
#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <vector>

#include "app/controls/fitting_text_box.h"
#include "app/core/city_table.h"
#include "app/core/coordinate_text.h"
#include "tests/app/window_fixture.h"

namespace {

const QColor BOX_GREY(190, 190, 190);

// Which columns of a box's image hold anything but the box's grey, in the rows between the
// frame's top and bottom edges (three pixels in from each, clear of the rounded corners and the
// shadow under the top edge).
std::vector<bool> inkColumns(const QImage& image, qreal ratio) {
    const int inset = static_cast<int>(std::ceil(3 * ratio));
    std::vector<bool> ink(static_cast<std::size_t>(image.width()), false);
    for (int y = inset; y < image.height() - inset; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != BOX_GREY) ink[static_cast<std::size_t>(x)] = true;
        }
    }
    return ink;
}

// The frame's width on the left and on the right of an empty box, in device pixels.
struct Frame {
    int left = 0;
    int right = 0;
};

Frame frameOf(QLineEdit* box) {
    const QString text = box->text();
    box->clear();
    const QImage image = box->grab().toImage();
    const std::vector<bool> ink = inkColumns(image, image.devicePixelRatio());
    Frame frame;
    while (frame.left < image.width() && ink[static_cast<std::size_t>(frame.left)]) ++frame.left;
    while (frame.right < image.width() &&
           ink[static_cast<std::size_t>(image.width() - 1 - frame.right)]) {
        ++frame.right;
    }
    box->setText(text);
    return frame;
}

// Shows `text` in `box` and checks that it is drawn whole: one clear column inside the frame
// on either side, ink in between, as wide as the text's own ink in the font the box uses.
void expectWhole(QLineEdit* box, const Frame& frame, const QString& text) {
    box->setText(text);
    const QImage image = box->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const std::vector<bool> ink = inkColumns(image, ratio);
    const int firstInside = frame.left;
    const int lastInside = image.width() - 1 - frame.right;
    const std::string context = box->objectName().toStdString() + " \"" + text.toStdString() +
                                "\" at scale " + std::to_string(ratio);
    EXPECT_FALSE(ink[static_cast<std::size_t>(firstInside)]) << context << ": touches the left";
    EXPECT_FALSE(ink[static_cast<std::size_t>(lastInside)]) << context << ": touches the right";
    int left = lastInside, right = firstInside;
    for (int x = firstInside; x <= lastInside; ++x) {
        if (!ink[static_cast<std::size_t>(x)]) continue;
        left = std::min(left, x);
        right = std::max(right, x);
    }
    ASSERT_LE(left, right) << context << ": no ink";
    const qreal textInk = QFontMetricsF(box->font()).tightBoundingRect(text).width() * ratio;
    // The tight rectangle is rounded out to whole pixels of the layout on either side.
    EXPECT_GE(right - left + 1, textInk - 2 * ratio - 1) << context << ": part is missing";
}

using TextBoxes = WindowTest;

// The year box: years of four digits, each digit in turn as the widest, years BC, and the
// first and last years the calculation carries.
TEST_F(TextBoxes, TheYearBoxShowsEveryYearWhole) {
    open();
    form().Command4->setFocus();  // the boxes without the focus, as they are read
    QLineEdit* box = form().txtYMD[0];
    const Frame frame = frameOf(box);
    QStringList years = {"2024", "1582", "-4000", "-999", "-32768", "32767", "-10000"};
    for (char digit = '0'; digit <= '9'; ++digit) years << QString(4, QChar(digit));
    for (const QString& year : years) expectWhole(box, frame, year);
}

// Month, day, hour, minute and second: two digits, with or without a minus sign.
TEST_F(TextBoxes, TheDateAndTimeBoxesShowTwoDigitsAndASign) {
    open();
    form().Command4->setFocus();
    for (int i = 1; i < 6; ++i) {
        QLineEdit* box = form().txtYMD[i];
        const Frame frame = frameOf(box);
        QStringList texts = {"12", "-12", "59", "-59", "8", "-1"};
        for (char digit = '0'; digit <= '9'; ++digit) {
            texts << QString(2, QChar(digit)) << "-" + QString(2, QChar(digit));
        }
        for (const QString& text : texts) expectWhole(box, frame, text);
    }
}

// Every place's latitude and longitude as the place list puts them into the boxes, and the
// same coordinates on the other side of the equator or of Greenwich, as typed.
TEST_F(TextBoxes, TheCoordinateBoxesShowEveryPlacesCoordinates) {
    open();
    form().Command4->setFocus();
    const Frame latitudeFrame = frameOf(form().txtIDO);
    const Frame longitudeFrame = frameOf(form().txtKEIDO);
    for (const app::City& city : app::cityTable()) {
        if (std::isnan(city.latitude)) continue;  // "入力" has no coordinates of its own
        for (const double sign : {1.0, -1.0}) {
            expectWhole(form().txtIDO, latitudeFrame,
                        QString::fromStdString(app::coordinateText(sign * city.latitude)));
            expectWhole(form().txtKEIDO, longitudeFrame,
                        QString::fromStdString(app::coordinateText(sign * city.longitude)));
        }
    }
}

// A text is drawn at the layout's size wherever it fits, and shrinks no further than the
// widest expected text needs; none shrinks below three quarters of the layout's size, save
// the year's six characters of -32768, which need about two thirds.
TEST_F(TextBoxes, TextsShrinkOnlyAsFarAsTheyMust) {
    open();
    auto* year = static_cast<app::FittingTextBox*>(form().txtYMD[0]);
    auto* month = static_cast<app::FittingTextBox*>(form().txtYMD[1]);
    auto* longitude = static_cast<app::FittingTextBox*>(form().txtKEIDO);
    month->setText("12");
    EXPECT_EQ(month->textScale(), 1.0);
    EXPECT_DOUBLE_EQ(month->font().pointSizeF(), 14.25);
    longitude->setText("139.75");
    EXPECT_EQ(longitude->textScale(), 1.0);
    year->setText("-32768");
    EXPECT_LT(year->textScale(), 1.0);
    EXPECT_DOUBLE_EQ(year->font().pointSizeF(), 14.25 * year->textScale());
    EXPECT_NEAR(year->textScale(), year->smallestScale(), 0.02);
    EXPECT_GE(year->smallestScale(), 0.6);
    for (QLineEdit* box : {form().txtYMD[1], form().txtYMD[5], form().txtIDO, form().txtKEIDO}) {
        const auto* fitting = static_cast<app::FittingTextBox*>(box);
        EXPECT_GE(fitting->smallestScale(), 0.75) << box->objectName().toStdString();
        EXPECT_LE(fitting->smallestScale(), 1.0) << box->objectName().toStdString();
    }
}

// Typing works as in any text box: a text longer than the box keeps the smallest scale and
// scrolls, the cursor always in view, and the text is kept whole.
TEST_F(TextBoxes, ALongerTextScrollsWithTheCursorInView) {
    open();
    auto* box = static_cast<app::FittingTextBox*>(form().txtYMD[1]);
    box->setFocus();
    type(box, "1234567890123");
    EXPECT_EQ(box->text(), "1234567890123");
    EXPECT_EQ(box->textScale(), box->smallestScale());
    EXPECT_EQ(box->cursorPosition(), 13);
    auto cursorInView = [&] {
        box->grab();  // lays the text out where it is drawn
        // The input method's rectangle around the cursor, centred on it.
        const int cursor = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        return cursor >= 1 && cursor <= box->width() - 2;
    };
    EXPECT_TRUE(cursorInView());
    QTest::keyClick(box, Qt::Key_Home);
    EXPECT_EQ(box->cursorPosition(), 0);
    EXPECT_TRUE(cursorInView());
    // The text now runs on beyond the right edge, under the frame, which stays whole.
    const QImage scrolled = box->grab().toImage();
    const QString text = box->text();
    box->clear();
    const QImage empty = box->grab().toImage();
    box->setText(text);
    const int edge = empty.width() - 1;
    for (int y = empty.height() / 4; y < empty.height() * 3 / 4; ++y) {
        EXPECT_EQ(scrolled.pixelColor(edge, y), empty.pixelColor(edge, y)) << "row " << y;
    }
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "123456789012");
    // Back to a short text, drawn at the layout's size again.
    type(box, "7");
    EXPECT_EQ(box->textScale(), 1.0);
    EXPECT_EQ(box->text(), "7");
}

}  // namespace
