// The keyboard on the real window: Enter on a focused button presses it, and the focus is
// marked plainly on both colour schemes. CTest runs the mark's tests again at the scale
// factors 1.5 and 2 (tests/CMakeLists.txt).
#include <QApplication>
#include <QFile>
#include <QFocusFrame>
#include <QImage>
#include <cmath>

#include "tests/app/window_fixture.h"

namespace {

// Relative luminance of a colour, as for accessible web content.
double luminance(const QColor& colour) {
    auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

// Contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ContrastRatio, KnownValues) {
    EXPECT_NEAR(contrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrast(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
    EXPECT_NEAR(contrast(QColor(0, 144, 255), QColor(0, 144, 255)), 1.0, 1e-12);
}

using ButtonKeys = WindowTest;

// Gives the window the focus, as a user's click on it does.
void activate(QWidget& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(ButtonKeys, EnterOrReturnOnAFocusedButtonPressesIt) {
    open();
    activate(form());
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        // 計算
        enter("2000", "1", "1", "21", "0", "0", "35.65", "139.75");
        form().Label11[0]->clear();
        form().Command4->setFocus();
        QTest::keyClick(form().Command4, key);
        EXPECT_EQ(form().Label11[0]->text(), "18.75") << key;
        // 場所の決定
        form().lstCITY->setCurrentRow(0);  // 札幌
        form().Command3->setFocus();
        QTest::keyClick(form().Command3, key);
        EXPECT_EQ(form().txtIDO->text(), "43.067") << key;
        EXPECT_EQ(form().Label10->text(), "札幌") << key;
        form().lstCITY->setCurrentRow(12);
        QTest::keyClick(form().Command3, key);
        EXPECT_EQ(form().Label10->text(), "東京") << key;
    }
    // Escape on a button does nothing.
    form().Label11[0]->clear();
    QTest::keyClick(form().Command4, Qt::Key_Escape);
    QTest::keyClick(form().Command1, Qt::Key_Escape);
    EXPECT_TRUE(form().Label11[0]->text().isEmpty());
    EXPECT_TRUE(form().isVisible());
    // 終了: the start file is written and the window closes.
    form().Command1->setFocus();
    QTest::keyClick(form().Command1, Qt::Key_Enter);
    EXPECT_FALSE(form().isVisible());
    QFile file("pstart.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(" 12 "));
}

// Enter in the place list neither calculates nor sets the place.
TEST_F(ButtonKeys, EnterInTheListDoesNothingElse) {
    open();
    activate(form());
    form().lstCITY->setFocus();
    form().lstCITY->setCurrentRow(0);
    form().Label11[0]->clear();
    QTest::keyClick(form().lstCITY, Qt::Key_Return);
    EXPECT_TRUE(form().Label11[0]->text().isEmpty());
    EXPECT_EQ(form().txtIDO->text(), "35.65");
}

using FocusMark = WindowTest;

const QColor DAY(0, 144, 255);
const QColor NIGHT(32, 96, 192);
const QColor BUTTON(68, 246, 255);
const QColor BOX_GREY(190, 190, 190);

// The pixels just outside the middle of each side of a control, one and two pixels out, in
// the client area's image.
std::vector<QColor> aroundControl(const QImage& area, const QRect& control) {
    const qreal ratio = area.devicePixelRatio();
    auto pixel = [&](qreal x, qreal y) {
        return area.pixelColor(static_cast<int>(std::floor(x * ratio)),
                               static_cast<int>(std::floor(y * ratio)));
    };
    const qreal middleX = control.center().x() + 0.5, middleY = control.center().y() + 0.5;
    std::vector<QColor> colours;
    for (const qreal out : {0.5, 1.5}) {
        colours.push_back(pixel(control.left() - out, middleY));
        colours.push_back(pixel(control.right() + 1 + out, middleY));
        colours.push_back(pixel(middleX, control.top() - out));
        colours.push_back(pixel(middleX, control.bottom() + 1 + out));
    }
    return colours;
}

// For each control taking the focus in turn: the mark around it stands out at 3:1 or more
// against the scheme's background, the buttons' colour and the boxes' grey; without the focus
// the same pixels are the background. The buttons keep their colour exactly.
void expectMarkOnEveryControl(app::Form1& f, const QColor& background) {
    const std::vector<QWidget*> controls = {f.txtYMD[0], f.txtYMD[3], f.lstCITY,
                                            f.Command1,  f.txtIDO,    f.txtKEIDO,
                                            f.Command3,  f.txtYMD[5], f.Command4};
    for (QWidget* control : controls) {
        const std::string name = control->objectName().toStdString();
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus()) << name;
        const QImage focused = f.clientArea()->grab().toImage();
        for (const QColor& mark : aroundControl(focused, control->geometry())) {
            EXPECT_GE(contrast(mark, background), 3.0) << name << " " << mark.name().toStdString();
            EXPECT_GE(contrast(mark, BUTTON), 3.0) << name << " " << mark.name().toStdString();
            EXPECT_GE(contrast(mark, BOX_GREY), 3.0) << name << " " << mark.name().toStdString();
        }
        const qreal ratio = focused.devicePixelRatio();
        const QPoint inside = f.Command4->geometry().center() + QPoint(0, 12);
        EXPECT_EQ(focused.pixelColor(inside * ratio), BUTTON) << name;
    }
    // Without the focus, no mark.
    f.Command4->setFocus();
    const QImage image = f.clientArea()->grab().toImage();
    for (QWidget* control :
         std::initializer_list<QWidget*>{f.txtYMD[0], f.txtIDO, f.Command3, f.Command1}) {
        for (const QColor& pixel : aroundControl(image, control->geometry())) {
            EXPECT_EQ(pixel, background) << control->objectName().toStdString();
        }
    }
}

TEST_F(FocusMark, StandsOutOnTheDayAndTheNightScheme) {
    open();
    activate(form());
    enter("2024", "12", "8", "12", "0", "0", "35.65", "139.75");
    calculate();
    ASSERT_EQ(form().workingVariables().dayNightFlag, 2);
    expectMarkOnEveryControl(form(), DAY);
    enter("2024", "12", "8", "23", "0", "0", "35.65", "139.75");
    calculate();
    ASSERT_EQ(form().workingVariables().dayNightFlag, 1);
    expectMarkOnEveryControl(form(), NIGHT);
}

// The mark follows the focus as Tab moves it, and goes where no control has it.
TEST_F(FocusMark, FollowsTheFocus) {
    open();
    activate(form());
    form().txtYMD[4]->setFocus();
    QTest::keyClick(form().txtYMD[4], Qt::Key_Tab);
    ASSERT_TRUE(form().lstCITY->hasFocus());
    const QImage image = form().clientArea()->grab().toImage();
    for (const QColor& pixel : aroundControl(image, form().lstCITY->geometry())) {
        EXPECT_GE(contrast(pixel, DAY), 3.0);
    }
    for (const QColor& pixel : aroundControl(image, form().txtYMD[4]->geometry())) {
        EXPECT_EQ(pixel, DAY);
    }
    form().lstCITY->clearFocus();
    const QImage without = form().clientArea()->grab().toImage();
    for (const QColor& pixel : aroundControl(without, form().lstCITY->geometry())) {
        EXPECT_EQ(pixel, DAY);
    }
}

// A window that opens without the keyboard focus (another window has it, or the window
// manager gives it none) shows no ring: the mark stays hidden until a control has the focus.
TEST_F(FocusMark, NoneWhileNoControlHasTheFocus) {
    app::Form1 window(&WindowTest::fixedNow);
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    const auto* mark = window.clientArea()->findChild<QFocusFrame*>();
    ASSERT_NE(mark, nullptr);
    EXPECT_FALSE(mark->isVisibleTo(window.clientArea()));
}

}  // namespace
