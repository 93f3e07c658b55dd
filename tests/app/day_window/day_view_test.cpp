// The window "一日の動き" with the real main window on the offscreen platform: opening it,
// what it shows, how it follows 計算 and refused calculations, pointing at its chart, the
// and its copy.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <functional>

#include "app/core/day_summary.h"
#include "app/day_window/day_chart.h"
#include "app/day_window/day_view_controller.h"
#include "app/day_window/day_window.h"
#include "astro/day_events.h"
#include "astro/moon_age.h"
#include "tests/app/window_fixture.h"

namespace {

class DayView : public WindowTest {
  protected:
    // Opens the day window with F2 in the main window, as a user would.
    app::DayWindow& openWithF2() {
        activate(&form());
        QTest::keyClick(form().txtYMD[0], Qt::Key_F2);
        app::DayWindow* window = app::dayViewOf(form())->window();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }

    // What the list should show for an event kind on a date at a place, straight from the
    // day's events: every time, in order, "なし" for none.
    // A row's times without the directions of risings and settings, "06:38".
    static QString timesOf(QString row) {
        return row.remove(QRegularExpression(QStringLiteral("（方位 \\d+°）")));
    }

    static QString expectedTimes(int year, int month, int day, double latitude, double longitude,
                                 astro::DayEventKind kind) {
        QStringList times;
        for (const astro::DayEvent& e : astro::dayEvents(year, month, day, latitude, longitude)) {
            if (e.kind != kind) continue;
            times << QString::fromStdString(app::clockText(app::shownMinute(e)));
        }
        return times.isEmpty() ? QStringLiteral("なし") : times.join(QStringLiteral("、"));
    }

    // The time the hour and minute boxes hold, in minutes of the day.
    int boxMinutes() {
        return form().txtYMD[3]->text().toInt() * 60 + form().txtYMD[4]->text().toInt();
    }

    // Makes `window` the one the keys go to.
    static void activate(QWidget* window) { makeActive(window); }

    // Expects the boxes to hold the date given and a time within a pixel of the chart of
    // `hour`, with seconds 0, and the chart's line at that very time.
    void expectPointedAt(const app::DayChart* chart, const QString& date, double hour) {
        const QStringList texts = boxes().split(' ');
        EXPECT_EQ(QStringList(texts.mid(0, 3)).join(' '), date);
        EXPECT_EQ(texts[5], "0");
        const double minutesPerPixel = 1440.0 / chart->plotArea().width();
        EXPECT_NEAR(boxMinutes(), hour * 60, minutesPerPixel) << boxes().toStdString();
        ASSERT_TRUE(chart->instantHour().has_value());
        EXPECT_NEAR(*chart->instantHour() * 60, boxMinutes(), 1e-6);
    }
};

TEST_F(DayView, F2OpensTheDayOfTheBoxesAtThePlace) {
    open();
    enter("2024", "12", "8", "19", "30", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    EXPECT_TRUE(day.isVisible());
    EXPECT_TRUE(day.isWindow());
    EXPECT_EQ(day.windowTitle(), "一日の動き");
    EXPECT_FALSE(day.isModal());
    EXPECT_TRUE(day.heading().startsWith("2024年12月8日"));
    EXPECT_TRUE(day.heading().contains("東京"));
    EXPECT_TRUE(day.heading().contains("北緯 35.65°・東経 139.75°"));
    // Tokyo, 8 December 2024: the published almanac gives sunrise 6:37, transit 11:32 and
    // sunset 16:28, moonrise 11:46 and moonset 23:23 (refraction and the Moon's parallax
    // taken a little differently); within two minutes of each.
    auto minutes = [&](const QString& name) {
        const QString hhmm = day.rowValue(name).left(5);
        return hhmm.left(2).toInt() * 60 + hhmm.mid(3, 2).toInt();
    };
    EXPECT_NEAR(minutes("日の出"), 6 * 60 + 37, 2);
    EXPECT_NEAR(minutes("南中"), 11 * 60 + 32, 2);
    EXPECT_NEAR(minutes("日の入り"), 16 * 60 + 28, 2);
    EXPECT_NEAR(minutes("月の出"), 11 * 60 + 46, 4);
    EXPECT_NEAR(minutes("月の入り"), 23 * 60 + 23, 4);
    EXPECT_TRUE(day.rowValue("南中").contains("（高度 31."));
    // Every row as the day's events give it, to the minute.
    using K = astro::DayEventKind;
    const std::pair<const char*, K> rows[] = {
        {"日の出", K::SunRise},
        {"日の入り", K::SunSet},
        {"月の出", K::MoonRise},
        {"月の入り", K::MoonSet},
        {"市民薄明の始まり", K::CivilDawn},
        {"市民薄明の終わり", K::CivilDusk},
        {"航海薄明の始まり", K::NauticalDawn},
        {"航海薄明の終わり", K::NauticalDusk},
        {"天文薄明の始まり", K::AstronomicalDawn},
        {"天文薄明の終わり", K::AstronomicalDusk},
    };
    // The chart labels each event with its row's time.
    const QStringList labels = day.chart()->eventTexts();
    ASSERT_EQ(labels.size(), static_cast<int>(day.chart()->events().size()));
    for (const auto& [name, kind] : rows) {
        EXPECT_EQ(timesOf(day.rowValue(QString::fromUtf8(name))),
                  expectedTimes(2024, 12, 8, 35.65, 139.75, kind))
            << name;
        QStringList labelled;
        for (int i = 0; i < labels.size(); ++i) {
            if (day.chart()->events()[static_cast<std::size_t>(i)].kind == kind)
                labelled << labels[i];
        }
        EXPECT_EQ(timesOf(day.rowValue(QString::fromUtf8(name))),
                  labelled.isEmpty() ? QStringLiteral("なし") : labelled.join(QStringLiteral("、")))
            << name;
    }
    // The Moon's age at the instant in the boxes, a day before first quarter.
    EXPECT_EQ(day.rowValue("月齢"), QString::fromStdString(app::moonAgeText(
                                        astro::moonAge(form().workingVariables().julianDay), ".")));
    EXPECT_NEAR(day.rowValue("月齢").toDouble(), 7.2, 0.3);
    EXPECT_TRUE(day.notes().isEmpty());
    EXPECT_TRUE(day.message().isEmpty());
    // The chart: the day's curves and events, the line at 19:30.
    ASSERT_TRUE(day.chart()->hasDay());
    EXPECT_FALSE(day.chart()->events().empty());
    ASSERT_TRUE(day.chart()->instantHour().has_value());
    EXPECT_NEAR(*day.chart()->instantHour(), 19.5, 1e-6);
    // Its tag tells the boxes' time to the nearest minute: 19:29:45 as 19:30.
    type(form().txtYMD[4], "29");
    type(form().txtYMD[5], "45");
    calculate();
    EXPECT_EQ(day.chart()->instantText(), "19:30");
    // F2 again raises the same window.
    QTest::keyClick(form().txtYMD[0], Qt::Key_F2);
    EXPECT_EQ(app::dayViewOf(form())->window(), &day);
}

TEST_F(DayView, TheRightClickMenuAndTheTooltipOffer) {
    open();
    QWidget* area = form().clientArea();
    EXPECT_EQ(area->contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* entry = nullptr;
    for (QAction* action : area->actions()) {
        if (action->text() == "一日の動き (F2)") entry = action;
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(app::dayViewOf(form())->window(), nullptr);  // made only when first opened
    entry->trigger();
    app::DayWindow* day = app::dayViewOf(form())->window();
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->isVisible());
    EXPECT_TRUE(day->chart()->hasDay());
    const QString tip = form().Command4->toolTip();
    EXPECT_TRUE(tip.contains("F2"));
    EXPECT_TRUE(tip.contains("右クリック"));
    EXPECT_TRUE(tip.contains("一日の動き"));
    EXPECT_TRUE(tip.startsWith("入力した日時と場所で計算します"));
}

TEST_F(DayView, FollowsEveryCalculation) {
    open();
    enter("2024", "12", "8", "12", "0", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    const QString winterSunrise = day.rowValue("日の出");
    // Another date.
    enter("2024", "6", "21", "12", "0", "0", "35.65", "139.75");
    calculate();
    EXPECT_TRUE(day.heading().startsWith("2024年6月21日"));
    EXPECT_EQ(timesOf(day.rowValue("日の出")),
              expectedTimes(2024, 6, 21, 35.65, 139.75, astro::DayEventKind::SunRise));
    EXPECT_NE(day.rowValue("日の出"), winterSunrise);
    // Another place, typed: the coordinates as the calculation read them.
    enter("2024", "6", "21", "12", "0", "0", " 43.067x", "141.35");
    calculate();
    EXPECT_EQ(timesOf(day.rowValue("日の出")),
              expectedTimes(2024, 6, 21, 43.067, 141.35, astro::DayEventKind::SunRise));
    EXPECT_TRUE(day.heading().contains("札幌"));
    // Hour 25 of the 8th is 01:00 of the 9th: the 9th's events, the line at 01:00.
    enter("2024", "12", "8", "25", "0", "0", "35.65", "139.75");
    calculate();
    EXPECT_TRUE(day.heading().startsWith("2024年12月9日"));
    EXPECT_EQ(day.rowValue("月の入り"),
              expectedTimes(2024, 12, 9, 35.65, 139.75, astro::DayEventKind::MoonSet));
    EXPECT_NE(day.rowValue("月の入り"),
              expectedTimes(2024, 12, 8, 35.65, 139.75, astro::DayEventKind::MoonSet));
    EXPECT_NEAR(*day.chart()->instantHour(), 1.0, 1e-6);
}

TEST_F(DayView, OnlyANewDateOrPlaceComputesTheDayAgain) {
    open();
    enter("2024", "12", "8", "12", "0", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    QApplication::processEvents();
    const int computations = day.dayComputations();
    const int renders = day.chart()->backgroundRenders();
    for (const char* hour : {"13", "18", "23"}) {
        type(form().txtYMD[3], hour);
        calculate();
        QApplication::processEvents();
    }
    EXPECT_EQ(day.dayComputations(), computations);
    EXPECT_EQ(day.chart()->backgroundRenders(), renders);
    EXPECT_NEAR(*day.chart()->instantHour(), 23.0, 1e-6);
    type(form().txtYMD[2], "9");
    calculate();
    EXPECT_EQ(day.dayComputations(), computations + 1);
    type(form().txtKEIDO, "135");
    calculate();
    EXPECT_EQ(day.dayComputations(), computations + 2);
}

TEST_F(DayView, ARefusedCalculationLeavesTheDayEmptyWithTheReason) {
    open();
    enter("2024", "12", "8", "12", "0", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    ASSERT_FALSE(day.rowValue("日の出").isEmpty());
    type(form().txtYMD[0], "99999");
    calculate();
    EXPECT_FALSE(day.chart()->hasDay());
    EXPECT_FALSE(day.chart()->instantHour().has_value());
    EXPECT_TRUE(day.heading().isEmpty());
    EXPECT_TRUE(day.rowValue("日の出").isEmpty());
    EXPECT_TRUE(day.rowValue("月齢").isEmpty());
    EXPECT_TRUE(day.message().contains("「年」")) << day.message().toStdString();
    EXPECT_FALSE(day.message().contains('\n'));
    EXPECT_EQ(day.eventText(), "備考\t" + day.message() + "\n");
    // Pointing at the empty chart changes nothing.
    const QString before = boxes();
    QTest::mouseClick(day.chart(), Qt::LeftButton, {}, day.chart()->rect().center());
    EXPECT_EQ(boxes(), before);
    // Mended, the day comes back.
    if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    type(form().txtYMD[0], "2024");
    calculate();
    EXPECT_TRUE(day.message().isEmpty());
    EXPECT_TRUE(day.chart()->hasDay());
    EXPECT_FALSE(day.rowValue("日の出").isEmpty());
    // A latitude beyond a pole: no day either, the reason naming the allowed range.
    type(form().txtIDO, "100");
    calculate();
    EXPECT_FALSE(day.chart()->hasDay());
    EXPECT_TRUE(day.rowValue("日の出").isEmpty());
    EXPECT_TRUE(day.message().contains("-90～90")) << day.message().toStdString();
    // Opened after a refusal, the window shows the reason at once.
    if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    closeWindow();
    open();
    enter("2024", "1", "1E300", "0", "0", "0", "35", "135");
    calculate();
    if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    app::DayWindow& again = openWithF2();
    EXPECT_FALSE(again.chart()->hasDay());
    EXPECT_TRUE(again.message().contains("日時")) << again.message().toStdString();
}

TEST_F(DayView, ClickingTheChartSetsTheTimeAndCalculates) {
    open();
    enter("2024", "12", "8", "19", "30", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    app::DayChart* chart = day.chart();
    const int y = static_cast<int>(chart->plotArea().center().y());
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(qRound(chart->xOfHour(15.0)), y));
    expectPointedAt(chart, "2024 12 8", 15.0);
    // The main window calculated that time: the same captions as typing it and pressing 計算.
    const QString sunAltitude = form().Label15[0]->text();
    const QString moonAzimuth = form().Label16[1]->text();
    const QStringList pointed = boxes().split(' ');
    enter("2024", "12", "8", pointed[3], pointed[4], "0", "35.65", "139.75");
    calculate();
    EXPECT_EQ(form().Label15[0]->text(), sunAltitude);
    EXPECT_EQ(form().Label16[1]->text(), moonAzimuth);
    // The edges: the start of the day, and the last minute of it.
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(qRound(chart->plotArea().left()) - 3, y));
    EXPECT_EQ(boxes(), "2024 12 8 0 0 0");
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->width() - 1, y));
    EXPECT_EQ(boxes(), "2024 12 8 23 59 0");
    // Right clicks do nothing.
    QTest::mouseClick(chart, Qt::RightButton, {}, QPoint(qRound(chart->xOfHour(6.0)), y));
    EXPECT_EQ(boxes(), "2024 12 8 23 59 0");
    // The same minute clicked again, after another time was typed, is set again.
    const QPoint at15(qRound(chart->xOfHour(15.0)), y);
    QTest::mouseClick(chart, Qt::LeftButton, {}, at15);
    type(form().txtYMD[3], "19");
    calculate();
    QTest::mouseClick(chart, Qt::LeftButton, {}, at15);
    expectPointedAt(chart, "2024 12 8", 15.0);
}

TEST_F(DayView, DraggingOnTheChartMovesTheTimeAlong) {
    open();
    enter("2024", "12", "8", "19", "30", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    app::DayChart* chart = day.chart();
    const int y = static_cast<int>(chart->plotArea().center().y());
    auto at = [&](double hour) { return QPoint(qRound(chart->xOfHour(hour)), y); };
    QTest::mousePress(chart, Qt::LeftButton, {}, at(6.0));
    expectPointedAt(chart, "2024 12 8", 6.0);
    QString previousSun = form().Label15[0]->text();
    for (const double hour : {9.0, 12.0, 17.5}) {
        QTest::mouseMove(chart, at(hour));
        expectPointedAt(chart, "2024 12 8", hour);
        EXPECT_NE(form().Label15[0]->text(), previousSun);  // the main window follows
        previousSun = form().Label15[0]->text();
    }
    QTest::mouseRelease(chart, Qt::LeftButton, {}, at(17.5));
    // Moving without a button held changes nothing.
    const QString released = boxes();
    QTest::mouseMove(chart, at(3.0));
    EXPECT_EQ(boxes(), released);
}

TEST_F(DayView, PointingWithOutOfRangeBoxesWritesTheWholeDate) {
    open();
    enter("2024", "12", "31", "25", "0", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    EXPECT_TRUE(day.heading().startsWith("2025年1月1日"));
    const int y = static_cast<int>(day.chart()->plotArea().center().y());
    QTest::mouseClick(day.chart(), Qt::LeftButton, {},
                      QPoint(qRound(day.chart()->xOfHour(3.0)), y));
    expectPointedAt(day.chart(), "2025 1 1", 3.0);
    EXPECT_TRUE(day.heading().startsWith("2025年1月1日"));
}

TEST_F(DayView, ArrowKeysMoveTheDayWindowAlong) {
    open();
    enter("2024", "12", "8", "23", "0", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    EXPECT_TRUE(day.heading().startsWith("2024年12月8日"));
    pressKey(3, Qt::Key_Up);
    EXPECT_TRUE(day.heading().startsWith("2024年12月9日"));
    EXPECT_NEAR(*day.chart()->instantHour(), 0.0, 1e-6);
    pressKey(3, Qt::Key_Down);
    EXPECT_TRUE(day.heading().startsWith("2024年12月8日"));
    EXPECT_NEAR(*day.chart()->instantHour(), 23.0, 1e-6);
}

// The day window's own keys and buttons: a day back and on through the main window's
// boxes, a minute back and on, and closing with Esc and F2; F2 in the main window opens and
// closes it.
TEST_F(DayView, KeysAndButtonsStepTheMainWindowAndClose) {
    open();
    enter("2024", "12", "31", "23", "59", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    const struct {
        std::function<void()> press;
        QString boxes, heading;
    } steps[] = {
        {[&] { QTest::keyClick(&day, Qt::Key_PageDown); }, "2025 1 1 23 59 0", "2025年1月1日"},
        {[&] { QTest::keyClick(&day, Qt::Key_Right); }, "2025 1 2 0 0 0", "2025年1月2日"},
        {[&] { QTest::keyClick(&day, Qt::Key_Left); }, "2025 1 1 23 59 0", "2025年1月1日"},
        {[&] { QTest::keyClick(&day, Qt::Key_PageUp); }, "2024 12 31 23 59 0", "2024年12月31日"},
        {[&] { day.previousDayButton()->click(); }, "2024 12 30 23 59 0", "2024年12月30日"},
        {[&] { day.nextDayButton()->click(); }, "2024 12 31 23 59 0", "2024年12月31日"},
    };
    for (const auto& step : steps) {
        activate(&day);
        step.press();
        EXPECT_EQ(boxes().left(step.boxes.size()), step.boxes);
        EXPECT_TRUE(day.heading().startsWith(step.heading)) << step.boxes.toStdString();
    }
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_F2}) {
        activate(&day);
        QTest::keyClick(&day, key);
        EXPECT_FALSE(day.isVisible()) << key;
        openWithF2();
        EXPECT_TRUE(day.isVisible()) << key;
    }
    activate(&form());
    QTest::keyClick(form().txtYMD[0], Qt::Key_F2);
    EXPECT_FALSE(day.isVisible());
}

TEST_F(DayView, CtrlShiftCCopiesTheEventsAsNameTabTime) {
    open();
    enter("2024", "12", "8", "19", "30", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    activate(&day);
    QApplication::clipboard()->clear();
    QTest::keyClick(&day, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    // The Sun's rows and 昼の長さ, the twilights, the Moon's and 正午月齢, 旧暦 and 六曜.
    ASSERT_EQ(lines.size(), 4 + 4 + 6 + 5 + 2);
    for (const QString& line : lines) EXPECT_EQ(line.count('\t'), 1) << line.toStdString();
    EXPECT_EQ(lines[0], "日付\t2024年12月8日");
    EXPECT_EQ(lines[1], "場所\t東京");
    EXPECT_EQ(lines[2], "緯度\t35.65");
    EXPECT_EQ(lines[3], "経度\t139.75");
    EXPECT_EQ(lines[4], "日の出\t" + day.rowValue("日の出"));
    EXPECT_TRUE(lines[4].contains(QRegularExpression("^日の出\t\\d\\d:\\d\\d（方位 \\d+°）$")));
    EXPECT_TRUE(lines.contains("市民薄明の始まり\t" + day.rowValue("市民薄明の始まり")));
    // The age at the instant says which instant; the age at noon follows it.
    EXPECT_EQ(lines[lines.size() - 4], "月齢（19:30）\t" + day.rowValue("月齢"));
    EXPECT_EQ(lines[lines.size() - 3], "正午月齢\t" + day.rowValue("正午月齢"));
    EXPECT_EQ(lines[lines.size() - 2], "旧暦\t11月8日");
    // The main window's own copy is unchanged.
    activate(&form());
    QTest::keyClick(form().txtYMD[0], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), form().windowText());
}

TEST_F(DayView, DaysWhenABodyStaysUpOrDown) {
    open();
    enter("2024", "12", "8", "19", "30", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    ASSERT_TRUE(day.notes().isEmpty());
    QCoreApplication::sendPostedEvents();
    const int chartHeight = day.chart()->height();
    // Tromsø-like latitude: midnight Sun at the June solstice, polar night at December's.
    enter("2024", "6", "21", "12", "0", "0", "69.65", "18.96");
    calculate();
    EXPECT_TRUE(day.notes().contains("太陽は一日中地平線の上にあります（白夜）。"));
    // The chart keeps its height whatever the number of sentences.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(day.chart()->height(), chartHeight);
    EXPECT_EQ(day.rowValue("日の出"), "なし");
    EXPECT_EQ(day.rowValue("日の入り"), "なし");
    type(form().txtYMD[1], "12");
    calculate();
    EXPECT_TRUE(day.notes().contains("太陽は一日中地平線の下にあります（極夜）。"));
    EXPECT_TRUE(day.eventText().contains("備考\t太陽は一日中地平線の下にあります（極夜）。"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(day.chart()->height(), chartHeight);
}

TEST_F(DayView, ClosesWithTheMainWindowAndWritesNothing) {
    open();
    app::DayWindow& day = openWithF2();
    ASSERT_TRUE(day.isVisible());
    // Closing the day window alone is fine; F2 brings it back.
    day.close();
    EXPECT_FALSE(day.isVisible());
    EXPECT_TRUE(form().isVisible());
    app::DayWindow& again = openWithF2();
    EXPECT_EQ(&again, &day);
    // 終了 closes both; only the start file is written.
    press(form().Command1);
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(day.isVisible());
    EXPECT_EQ(QDir(workDir().path()).entryList(QDir::Files), QStringList{"pstart.txt"});
}

TEST_F(DayView, TheChartShowsTheLineOfTheInstantOverTheSky) {
    open();
    enter("2024", "12", "8", "19", "30", "0", "35.65", "139.75");
    calculate();
    app::DayWindow& day = openWithF2();
    app::DayChart* chart = day.chart();
    auto isLineRed = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 100; };
    auto redRowsAt = [&](const QImage& image, double hour) {
        // The column the line's middle falls in, which its two pixels' width covers wholly.
        const int x = static_cast<int>(std::floor(chart->xOfHour(hour) * image.devicePixelRatio()));
        int red = 0;
        for (int y = 0; y < image.height(); ++y) red += isLineRed(image.pixel(x, y)) ? 1 : 0;
        return red;
    };
    QImage image = chart->grab().toImage();
    const double plotHeight = chart->plotArea().height() * image.devicePixelRatio();
    EXPECT_GT(redRowsAt(image, 19.5), plotHeight * 0.9);
    EXPECT_EQ(redRowsAt(image, 14.5), 0);
    // Just under the horizon lies the civil twilight band, far under it the night, both
    // clear of the curves at 22:00.
    auto pixel = [&](double hour, double altitude) {
        const QRectF plot = chart->plotArea();
        const double y = plot.top() + plot.height() * (90.0 - altitude) / 180.0;
        return QColor(image.pixel(qRound(chart->xOfHour(hour) * image.devicePixelRatio()),
                                  qRound(y * image.devicePixelRatio())));
    };
    EXPECT_GT(pixel(22.0, 45.0).lightness(), pixel(22.0, -3.0).lightness());
    EXPECT_GT(pixel(22.0, -3.0).lightness(), pixel(22.0, -15.0).lightness());
    EXPECT_GT(pixel(22.0, -15.0).lightness(), pixel(22.0, -45.0).lightness());
    // The line moves with the next calculation, and only its old and new strips are painted
    // again: what the screen shows (the window's backing store) has no trace of the old one.
    type(form().txtYMD[3], "14");  // 14:30
    calculate();
    QApplication::processEvents();
    const QPoint origin = chart->mapTo(&day, QPoint(0, 0));
    image = day.screen()
                ->grabWindow(day.winId(), origin.x(), origin.y(), chart->width(), chart->height())
                .toImage();
    ASSERT_EQ(image.width(), chart->width());
    EXPECT_EQ(redRowsAt(image, 19.5), 0);
    EXPECT_GT(redRowsAt(image, 14.5), plotHeight * 0.9);
    // A refused calculation leaves no line.
    type(form().txtYMD[0], "99999");
    calculate();
    image = chart->grab().toImage();
    EXPECT_EQ(redRowsAt(image, 14.5), 0);
}

// The labels are drawn over the line of the instant: a label the line crosses, and the 90°
// of the axis beside the tag of 00:00, keep their own colours. Each label stands nearer its
// own mark than any mark of the other body, on every day of a month.
TEST_F(DayView, LabelsStayReadableOverTheLineAndNearTheirOwnMarks) {
    open();
    enter("2024", "12", "8", "12", "0", "0", "35.65", "139.75");  // beside the Sun's transit
    calculate();
    app::DayWindow& day = openWithF2();
    app::DayChart* chart = day.chart();
    auto isLineRed = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 100; };
    QImage image = chart->grab().toImage();
    const double ratio = image.devicePixelRatio();
    const int lineX = static_cast<int>(std::floor(chart->xOfHour(12.0) * ratio));
    int crossed = 0;
    for (const app::DayChart::PlacedLabel& label : chart->placedLabels()) {
        if (label.box.isEmpty() || lineX < label.box.left() * ratio + 2 ||
            lineX > label.box.right() * ratio - 2)
            continue;
        ++crossed;
        EXPECT_FALSE(isLineRed(image.pixel(lineX, qRound(label.box.center().y() * ratio))));
    }
    EXPECT_GT(crossed, 0);  // the transit's own label stands on the line

    type(form().txtYMD[3], "0");
    type(form().txtYMD[4], "0");
    calculate();
    image = chart->grab().toImage();
    const QRectF plot = chart->plotArea();
    const QRect beside = (chart->instantTag(0.0) & QRectF(0, plot.top() - 8, plot.left() - 6, 6))
                             .toAlignedRect()
                             .adjusted(3, 0, -3, -3);  // clear of the tag's rounded corners
    ASSERT_FALSE(beside.isEmpty());
    int dark = 0;
    for (int y = qRound(beside.top() * ratio); y < qRound(beside.bottom() * ratio); ++y) {
        for (int x = qRound(beside.left() * ratio); x < qRound(beside.right() * ratio); ++x) {
            const QRgb c = image.pixel(x, y);
            dark += !isLineRed(c) && QColor(c).lightness() < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 0);  // the 90° shows through the tag

    auto distance = [](const QRectF& box, const QPointF& p) {
        const QPointF nearest(std::clamp(p.x(), box.left(), box.right()),
                              std::clamp(p.y(), box.top(), box.bottom()));
        return QLineF(p, nearest).length();
    };
    for (int date = 1; date <= 31; ++date) {
        enter("2024", "12", QString::number(date), "12", "0", "0", "35.65", "139.75");
        calculate();
        chart->grab();
        const auto& labels = chart->placedLabels();
        ASSERT_EQ(labels.size(), chart->events().size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (labels[i].box.isEmpty()) continue;
            const double own = distance(labels[i].box, labels[i].mark);
            for (std::size_t j = 0; j < labels.size(); ++j) {
                if (chart->events()[j].body == chart->events()[i].body) continue;
                EXPECT_LT(own, distance(labels[i].box, labels[j].mark))
                    << date << " " << chart->eventTexts()[int(i)].toStdString();
            }
        }
    }
}

}  // namespace
