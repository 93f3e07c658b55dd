// The window 「月の暦」 with the real main window on the offscreen platform: opening it with F3
// and the menu, following calculations, stepping through months, choosing a day, the copy,
// the saved files, the marks and the columns' widths. (What the rows say is the month
// table's, tested in the core.)
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <QTextLayout>
#include <QWindow>

#include "app/core/almanac_calendar.h"
#include "app/core/month_table.h"
#include "app/core/month_text.h"
#include "app/month_window/month_model.h"
#include "app/month_window/month_view_controller.h"
#include "app/month_window/month_window.h"
#include "tests/app/window_fixture.h"

namespace {

constexpr double LAT = 35.65;
constexpr double LON = 139.75;

class MonthView : public WindowTest {
  protected:
    // Opens the month window with F3 in the main window, as a user would.
    app::MonthWindow& openWithF3() {
        makeActive(&form());
        QTest::keyClick(form().txtYMD[0], Qt::Key_F3);
        app::MonthWindow* window = app::monthViewOf(form())->window();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        makeActive(window);
        return *window;
    }

    // The month window's rows as the month table's text would have them.
    static QString expectedTabText(int year, int month) {
        return QString::fromStdString(app::monthTabText(*app::monthTable(year, month, LAT, LON),
                                                        QLocale().decimalPoint().toStdString()));
    }

    void calculateAt(const char* year, const char* month, const char* day, const char* hour) {
        enter(year, month, day, hour, "0", "0", QString::number(LAT), QString::number(LON));
        calculate();
    }

    // Opens the main window, calculates at the hour in Tokyo and opens the month window.
    app::MonthWindow& openAt(const char* year, const char* month, const char* day,
                             const char* hour) {
        open();
        calculateAt(year, month, day, hour);
        return openWithF3();
    }
};

TEST_F(MonthView, F3AndTheMenuOpenTheMonthOfTheCalculationCtrlShiftCCopiesIt) {
    open();
    calculateAt("2024", "12", "8", "12");
    QAction* entry = nullptr;
    for (QAction* action : form().clientArea()->actions()) {
        if (action->text() == "月の暦 (F3)") entry = action;
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(form().Command4->toolTip().contains("「月の暦 (F3)」"));
    EXPECT_EQ(app::monthViewOf(form())->window(), nullptr);  // made only when first opened
    entry->trigger();
    app::MonthWindow* month = app::monthViewOf(form())->window();
    ASSERT_NE(month, nullptr);
    month->close();
    app::MonthWindow& again = openWithF3();
    EXPECT_EQ(&again, month);
    EXPECT_TRUE(again.heading().startsWith("2024年12月　東京")) << again.heading().toStdString();
    EXPECT_EQ(again.tabText(), expectedTabText(2024, 12));
    QApplication::clipboard()->clear();  // Ctrl+Shift+C copies the rows as tab-separated text
    QTest::keyClick(again.table(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), expectedTabText(2024, 12));
    EXPECT_EQ(again.model()->rowCount(), 31);
    EXPECT_TRUE(again.phasesAndTerms().contains("12月21日 18:21 冬至"))
        << again.phasesAndTerms().toStdString();
}

// An entry of the month's list (date, time and name) never breaks across two lines.
TEST_F(MonthView, ListEntriesStayWholeWhenTheListWraps) {
    const app::MonthWindow& month = openAt("2024", "12", "8", "12");
    const QLabel* list = nullptr;
    for (const QLabel* label : month.findChildren<QLabel*>()) {
        if (label->accessibleName() == "この月の月相と二十四節気") list = label;
    }
    ASSERT_NE(list, nullptr);
    QTextLayout layout(list->text(), list->font());
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(250);
        const int start = line.textStart();
        EXPECT_TRUE(start == 0 || list->text().at(start - 1) == QChar(0x3000)) << start;
        ++lines;
    }
    layout.endLayout();
    EXPECT_GT(lines, 2);
}

TEST_F(MonthView, FollowsCalculationsAndComputesOnlyANewMonthOrPlace) {
    app::MonthWindow& month = openAt("2024", "12", "8", "12");
    const int computations = month.monthComputations();
    calculateAt("2024", "12", "20", "12");
    EXPECT_EQ(month.monthComputations(), computations);
    const int row = month.model()->rowOfDay(20);
    EXPECT_TRUE(month.model()->isInstantDay(row));
    EXPECT_FALSE(month.model()->isInstantDay(month.model()->rowOfDay(8)));
    EXPECT_EQ(month.table()->currentIndex().row(), row);
    calculateAt("2025", "1", "2", "12");
    EXPECT_EQ(month.monthComputations(), computations + 1);
    EXPECT_EQ(month.tabText(), expectedTabText(2025, 1));
    // A refused calculation empties the window and says why.
    type(form().txtYMD[0], "99999");
    calculate();
    if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    EXPECT_EQ(month.model()->rowCount(), 0);
    EXPECT_TRUE(month.tabText().isEmpty());
    EXPECT_TRUE(month.message().contains("「年」")) << month.message().toStdString();
}

TEST_F(MonthView, PageKeysAndButtonsStepThroughMonthsAcrossTheYear) {
    app::MonthWindow& month = openAt("2024", "12", "8", "12");
    month.table()->setFocus();
    const std::pair<Qt::Key, std::pair<int, int>> steps[] = {
        {Qt::Key_PageDown, {2025, 1}},
        {Qt::Key_PageUp, {2024, 12}},
        {Qt::Key_PageUp, {2024, 11}},
    };
    for (const auto& [key, shown] : steps) {
        QTest::keyClick(month.table(), key);
        EXPECT_EQ(month.shownMonth(), shown);
    }
    EXPECT_EQ(month.tabText(), expectedTabText(2024, 11));
    QPushButton* next = nullptr;
    for (QPushButton* b : month.findChildren<QPushButton*>()) {
        if (b->text() == "次の月 ▶") next = b;
    }
    ASSERT_NE(next, nullptr);
    press(next);
    EXPECT_EQ(month.shownMonth(), (std::pair{2024, 12}));
}

TEST_F(MonthView, EnterOnARowCalculatesThatDayAtTheSameTime) {
    app::MonthWindow& month = openAt("2024", "12", "8", "19");
    QTest::keyClick(month.table(), Qt::Key_PageDown);
    const QModelIndex row = month.model()->index(month.model()->rowOfDay(15), 0);
    month.table()->setCurrentIndex(row);
    QTest::keyClick(month.table(), Qt::Key_Return);
    EXPECT_EQ(boxes(), "2025 1 15 19 0 0");
    EXPECT_TRUE(month.model()->isInstantDay(row.row()));
}

TEST_F(MonthView, SavesTheCsvAndTheCalendarOrSaysWhyNot) {
    app::MonthWindow& month = openAt("2024", "12", "8", "12");
    const QString csvPath = workDir().filePath("month.csv");
    EXPECT_FALSE(month.saveCsvTo(csvPath).has_value());
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), app::monthCsv(*app::monthTable(2024, 12, LAT, LON),
                                                         QLocale().decimalPoint().toStdString()));
    const QString icsPath = workDir().filePath("year.ics");
    EXPECT_FALSE(month.saveCalendarTo(icsPath).has_value());
    QFile ics(icsPath);
    ASSERT_TRUE(ics.open(QIODevice::ReadOnly));
    EXPECT_EQ(ics.readAll().toStdString(), app::almanacCalendar(2024));
    const std::optional<QString> failure =
        month.saveCsvTo(workDir().filePath("no such folder/month.csv"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains("CSV ファイルを保存できませんでした"));
    EXPECT_TRUE(failure->contains("見つかりません")) << failure->toStdString();
}

TEST_F(MonthView, WeekendsTodayAndTheInstantsDayStandOut) {
    // Today by the window's own clock, the 3rd; the instant calculated on the 8th.
    app::MonthWindow month(nullptr, [] { return QDate(2024, 12, 3); });
    const double noonOfThe8th_jd = 2460652.625;
    month.showCalculation(noonOfThe8th_jd, LAT, LON);
    const app::MonthModel& model = *month.model();
    // 7 December 2024 was a Saturday, the 8th a Sunday, the 9th a Monday.
    const QVariant saturday = model.index(6, 1).data(Qt::ForegroundRole);
    const QVariant sunday = model.index(7, 1).data(Qt::ForegroundRole);
    EXPECT_TRUE(saturday.isValid());
    EXPECT_TRUE(sunday.isValid());
    EXPECT_NE(saturday, sunday);
    EXPECT_FALSE(model.index(8, 1).data(Qt::ForegroundRole).isValid());
    const QVariant instantGround = model.index(7, 5).data(Qt::BackgroundRole);
    const QVariant todayGround = model.index(2, 5).data(Qt::BackgroundRole);
    EXPECT_TRUE(instantGround.isValid());
    EXPECT_TRUE(todayGround.isValid());
    EXPECT_NE(instantGround, todayGround);
    EXPECT_FALSE(model.index(8, 5).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(model.index(7, 0).data(Qt::AccessibleDescriptionRole).toString(), "計算した日");
    EXPECT_EQ(model.index(2, 0).data(Qt::AccessibleDescriptionRole).toString(), "今日");
}

TEST_F(MonthView, ColumnsFitTheirTexts) {
    open();
    // At 69°N in June the rows hold the long sentences of the midnight Sun.
    enter("2024", "6", "21", "12", "0", "0", "69.65", "18.96");
    calculate();
    app::MonthWindow& month = openWithF3();
    const QFontMetrics cellMetrics(month.table()->font());
    const QFontMetrics headerMetrics(month.table()->horizontalHeader()->font());
    const app::MonthModel& model = *month.model();
    for (int column = 0; column < model.columnCount(); ++column) {
        int widest =
            headerMetrics.horizontalAdvance(model.headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model.rowCount(); ++row) {
            widest = std::max(
                widest, cellMetrics.horizontalAdvance(model.index(row, column).data().toString()));
        }
        EXPECT_GT(month.table()->columnWidth(column), widest) << "column " << column;
    }
}

}  // namespace
