// Where the window opens: no larger than the screen's available area, its frame inside it.
// CTest runs the window's case again on small screens, at the scale factors 1 and 2
// (tests/CMakeLists.txt, tests/app/controls/small_screen.json).
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include "app/controls/window_placement.h"
#include "app/main_window/main_window_door.h"
#include "app/main_window/window_layout.h"
#include "tests/app/window_fixture.h"

namespace {

using app::fitWindowInto;

TEST(FitWindowInto, AWindowThatFitsStaysAsItIs) {
    const QRect client(100, 80, 780, 720);
    EXPECT_EQ(fitWindowInto(client, QMargins(4, 30, 4, 4), QRect(0, 0, 1920, 1040)), client);
}

TEST(FitWindowInto, ATooLargeWindowShrinksToTheAreaLessItsFrame) {
    // 1366 x 768 less a 32-pixel panel; the frame 4 on the sides, 30 above.
    const QRect available(0, 0, 1366, 736);
    const QRect fitted = fitWindowInto(QRect(4, 30, 780, 720), QMargins(4, 30, 4, 4), available);
    EXPECT_EQ(fitted, QRect(4, 30, 780, 702));
    // At scale factor 2 the same screen has 683 x 368 logical pixels.
    EXPECT_EQ(fitWindowInto(QRect(4, 30, 780, 720), QMargins(4, 30, 4, 4), QRect(0, 0, 683, 368)),
              QRect(4, 30, 675, 334));
}

TEST(FitWindowInto, AWindowOutsideIsMovedIn) {
    const QRect available(0, 24, 1280, 1000);  // a panel above
    const QMargins frame(2, 20, 2, 2);
    // Beyond the right and the bottom edge.
    EXPECT_EQ(fitWindowInto(QRect(900, 600, 500, 500), frame, available),
              QRect(778, 522, 500, 500));
    // Above and to the left of the area, frame included.
    EXPECT_EQ(fitWindowInto(QRect(0, 0, 400, 300), frame, available), QRect(2, 44, 400, 300));
    // A second screen to the left of the first, with negative coordinates.
    EXPECT_EQ(fitWindowInto(QRect(-100, 100, 780, 720), QMargins(), QRect(-1024, 0, 1024, 768)),
              QRect(-780, 48, 780, 720));
}

TEST(FitWindowInto, NoAreaLeavesAWindowOfOnePixel) {
    const QRect fitted =
        fitWindowInto(QRect(0, 0, 780, 720), QMargins(10, 10, 10, 10), QRect(0, 0, 15, 15));
    EXPECT_EQ(fitted.size(), QSize(1, 1));
    EXPECT_EQ(fitted.topLeft(), QPoint(10, 10));
}

using Placement = WindowTest;

// Whatever the screen, the window opens with its frame inside the available area, and every
// control can be reached by scrolling the client area, which keeps its size.
TEST_F(Placement, TheWindowOpensInsideTheAvailableArea) {
    open();
    const QRect available = form().screen()->availableGeometry();
    EXPECT_TRUE(available.contains(form().frameGeometry()))
        << "frame " << form().frameGeometry().x() << "," << form().frameGeometry().y() << " "
        << form().frameGeometry().width() << "x" << form().frameGeometry().height() << " in "
        << available.width() << "x" << available.height();
    const QSize wanted(app::CLIENT_WIDTH_TWIPS / app::TWIPS_PER_PIXEL,
                       app::CLIENT_HEIGHT_TWIPS / app::TWIPS_PER_PIXEL);
    const QMargins frame = form().windowHandle()->frameMargins();
    EXPECT_EQ(form().width(),
              std::min(wanted.width(), available.width() - frame.left() - frame.right()));
    EXPECT_EQ(form().height(),
              std::min(wanted.height(), available.height() - frame.top() - frame.bottom()));
    EXPECT_GE(form().clientArea()->width() * 15, 11295);
    EXPECT_GE(form().clientArea()->height() * 15, 10335);
    auto* scroll = form().findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    for (QWidget* control :
         {static_cast<QWidget*>(form().Command1), static_cast<QWidget*>(form().Label24),
          static_cast<QWidget*>(form().lstCITY)}) {
        const QRect place = control->geometry();
        scroll->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 1,
                              place.height() / 2 + 1);
        const QRect shown(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(shown))
            << control->objectName().toStdString();
    }
}

// A window given a place that would put it partly off the screen opens inside it.
TEST_F(Placement, AWindowPlacedOutsideOpensInside) {
    for (const QPoint outside : {QPoint(-300, -200), QPoint(5000, 4000)}) {
        app::Form1 window(&WindowTest::fixedNow);
        window.move(outside);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        EXPECT_TRUE(available.contains(window.frameGeometry()))
            << outside.x() << "," << outside.y() << ": frame " << window.frameGeometry().x() << ","
            << window.frameGeometry().y();
    }
}

TEST(PlaceBeside, BesideTheMainWindowWhereTheScreenAllows) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(760, 680);
    // Room to the right.
    EXPECT_EQ(app::placeBeside(QRect(100, 50, 800, 760), size, screen), QPoint(908, 50));
    // None to the right, room to the left.
    EXPECT_EQ(app::placeBeside(QRect(1000, 50, 800, 760), size, screen), QPoint(232, 50));
    // Room on neither side: as far right as the screen allows, kept on it.
    EXPECT_EQ(app::placeBeside(QRect(400, 600, 800, 760), size, QRect(0, 0, 1280, 1024)),
              QPoint(520, 344));
    EXPECT_EQ(app::placeBeside(QRect(0, 0, 800, 760), QSize(900, 700), QRect(0, 0, 800, 600)),
              QPoint(0, 0));
}

// Where there is no room beside the main window, a side window stands where it hides none of
// the main window's controls: right of them, left, below or above, whichever part of the
// screen is largest, shrunk to it but not below its minimum.
TEST(PlaceClearOf, ClearOfTheControlsWhereThereIsNoRoomBeside) {
    // The main window's boxes, list and buttons, in a frame at the screen's top left.
    const QRect main(0, 0, 755, 720);
    const std::vector<QRect> controls = {QRect(72, 102, 420, 28), QRect(568, 62, 97, 66),
                                         QRect(592, 214, 81, 70), QRect(328, 534, 65, 41),
                                         QRect(80, 678, 65, 41)};
    const QSize size(940, 700);  // the side window's, its minimum 600 (or 560) x 500
    const struct {
        const char* what;
        QRect available;
        int minimumWidth;
        QRect placed;
    } cases[] = {
        {"room to the right", QRect(0, 0, 1920, 1040), 600, QRect(763, 0, 940, 700)},
        {"right of the controls, narrowed", QRect(0, 0, 1366, 728), 600, QRect(681, 0, 685, 700)},
        {"right of the controls, shortened to the screen", QRect(0, 0, 1280, 690), 560,
         QRect(681, 0, 599, 690)},
        {"below the controls on a tall screen", QRect(0, 0, 900, 1600), 600,
         QRect(0, 727, 900, 700)},
        {"nowhere clear: beside as far as the screen allows", QRect(0, 0, 1024, 768), 600,
         QRect(84, 0, 940, 700)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(app::placeClearOf(main, controls, size, QSize(c.minimumWidth, 500), c.available),
                  c.placed)
            << c.what;
    }
}

// The day and month windows opened on screens without room beside the main window (run by
// CTest on 1366x768 at scale 1 and 1920x1080 at 1.5: tests/CMakeLists.txt) stand inside the
// screen and hide none of the main window's boxes, list and buttons.
TEST_F(Placement, SideWindowsHideNoneOfTheMainWindowsControls) {
    open();
    const QRect available = form().screen()->availableGeometry();
    if (available.width() < 1200) GTEST_SKIP() << "a screen too small for both windows";
    const std::vector<QRect> controls = form().door().controlsOnScreen();
    ASSERT_GE(controls.size(), 10u);
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F3}) {
        makeActive(&form());
        QTest::keyClick(form().txtYMD[0], key);
        QWidget* side = QApplication::activeWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            side = QApplication::activeWindow();
            return side != nullptr && side != &form();
        }));
        const QRect frame = side->frameGeometry();
        const std::string where = std::to_string(key) + ": frame " + testing::PrintToString(frame);
        EXPECT_TRUE(available.contains(frame))
            << where << " in " << testing::PrintToString(available);
        for (const QRect& control : controls) {
            EXPECT_FALSE(frame.intersects(control))
                << where << " control " << testing::PrintToString(control);
        }
        side->close();
    }
}

}  // namespace
