// The commands' figures against the window's own for the same instant and place: `at` prints
// the window's copy, `series` its figures, `day` the day window's rows and `month` its risings;
// and which arguments reach the commands, and the JSON strings they print.
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/command_line.h"
#include "app/core/command_tables.h"
#include "app/core/number_format.h"
#include "app/core/start_file.h"
#include "app/day_window/day_view_controller.h"
#include "app/day_window/day_window.h"
#include "tests/app/window_fixture.h"

namespace {

class CommandAgainstWindow : public WindowTest {
  protected:
    // Runs a command in the test's working directory on the fixture's clock.
    static app::cli::CommandResult run(QStringList arguments) {
        arguments.prepend(QStringLiteral("sunmoonpos"));
        return app::cli::runCommand(arguments, &WindowTest::fixedNow);
    }

    // Sydney typed into the start file as coordinates ("入力"), so that both the window and
    // the commands start there.
    static void rememberTypedCoordinates() {
        QFile file(QStringLiteral("pstart.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(app::startFileLine(48, "-33.87", "151.21")));
    }

    // The cells of the second line of CSV text without quoted fields.
    static QStringList secondRecord(const std::string& csv) {
        return QString::fromStdString(csv).split(QStringLiteral("\r\n")).at(1).split(',');
    }
};

TEST_F(CommandAgainstWindow, AtPrintsTheWindowsCopyAtTheRememberedPlace) {
    rememberTypedCoordinates();
    open();
    const app::cli::CommandResult result = run({"at", "2024-12-08", "11:29:30"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(QString::fromStdString(result.out), form().windowText());
    // Without a date the instant is the clock's, as at the window's start.
    EXPECT_EQ(QString::fromStdString(run({"at"}).out), form().windowText());
}

TEST_F(CommandAgainstWindow, AtPrintsTheWindowsCopyAtANamedPlaceWithTheMoonUp) {
    open();
    form().lstCITY->setCurrentRow(0);  // 札幌
    form().Command3_Click();
    enter("2024", "12", "8", "15", "0", "0", form().txtIDO->text(), form().txtKEIDO->text());
    form().Command4_Click();
    ASSERT_FALSE(form().Label30->text().isEmpty());  // the phase fields are copied too
    EXPECT_EQ(QString::fromStdString(run({"at", "2024-12-08", "15:00", "--place", "札幌"}).out),
              form().windowText());
}

TEST_F(CommandAgainstWindow, SeriesGivesTheWindowsFiguresToMoreDecimals) {
    open();
    enter("2024", "12", "8", "15", "0", "0", "35.65", "139.75");
    form().Command4_Click();
    const QStringList cells =
        secondRecord(run({"series", "--from", "2024-12-08T15:00", "--to", "2024-12-08T15:00",
                          "--step", "1m", "--format", "csv", "--place", "東京"})
                         .out);
    ASSERT_EQ(cells.size(), 10);
    EXPECT_EQ(cells[0], "2024-12-08T15:00:00+09:00");
    const QLabel* shown[] = {form().Label11[0], form().Label12[0], form().Label15[0],
                             form().Label16[0], form().Label11[1], form().Label12[1],
                             form().Label15[1], form().Label16[1]};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(app::formatFixed(cells[i + 1].toDouble(), 2, "."), shown[i]->text().toStdString())
            << i;
    }
    EXPECT_TRUE(form().Label30->text().startsWith(
        QString::fromStdString(app::formatFixed(cells[9].toDouble(), 3, "."))));
}

TEST_F(CommandAgainstWindow, DayPrintsTheDayWindowsRowsAndMonthItsRisings) {
    open();
    makeActive(&form());
    QTest::keyClick(form().txtYMD[0], Qt::Key_F2);
    const app::DayWindow* day = app::dayViewOf(form())->window();
    ASSERT_NE(day, nullptr);
    const std::string printed = run({"day", "2024-12-08", "11:29:30"}).out;
    const QStringList lines = day->eventText().split('\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 10);
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("日付"))) continue;  // the day window writes it in words
        if (line.startsWith(QStringLiteral("月齢（"))) {        // the window names the instant
            EXPECT_NE(printed.find("月齢\t" + line.section('\t', 1).toStdString() + "\n"),
                      std::string::npos);
            continue;
        }
        EXPECT_NE(printed.find(line.toStdString() + "\n"), std::string::npos) << line.toStdString();
    }
    // 日の出 and its direction are the fifth and sixth columns of the month's rows, the 8th
    // its ninth: the month shows the day window's times and directions.
    const QStringList eighth =
        QString::fromStdString(run({"month", "2024-12", "--format", "csv"}).out)
            .split(QStringLiteral("\r\n"))
            .at(8)
            .split(',');
    EXPECT_EQ(eighth.at(0), "2024-12-08");
    EXPECT_EQ(eighth.at(4) + "（方位 " + eighth.at(5) + "°）",
              day->rowValue(QStringLiteral("日の出")));
}

// Which first arguments go to the commands and which still open the window: a fault here
// would open a window from a script, or take the toolkit's own options for unknown ones.
TEST(CommandRouting, CommandsAndTheirOptionsGoToTheCommandsTheToolkitsToTheWindow) {
    const std::pair<std::vector<const char*>, bool> cases[] = {
        {{"sunmoonpos"}, false},
        {{"sunmoonpos", "at"}, true},
        {{"sunmoonpos", "frobnicate"}, true},  // an unknown command, reported as one
        {{"sunmoonpos", "--help"}, true},
        {{"sunmoonpos", "-h"}, true},
        {{"sunmoonpos", "--version"}, true},
        {{"sunmoonpos", "-v"}, true},
        {{"sunmoonpos", "--frob"}, true},
        {{"sunmoonpos", "--format=csv"}, true},
        {{"sunmoonpos", "-platform", "offscreen"}, false},
        {{"sunmoonpos", "--platform", "offscreen"}, false},
        {{"sunmoonpos", "--style=fusion"}, false},
        {{"sunmoonpos", "-reverse"}, false},
    };
    for (const auto& [arguments, command] : cases) {
        EXPECT_EQ(app::cli::wantsCommand(static_cast<int>(arguments.size()), arguments.data()),
                  command)
            << arguments.back();
    }
}

// JSON strings: what a place name or a cell could hold that would break a JSON reader.
TEST(CommandTables, JsonStringsEscapeQuotesBackslashesAndControlCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"東京", "\"東京\""},
        {"a\"b", "\"a\\\"b\""},
        {"a\\b", "\"a\\\\b\""},
        {"a\tb\nc\r", "\"a\\u0009b\\u000ac\\u000d\""},
        {std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {"", "\"\""},
    };
    for (const auto& [text, json] : cases) EXPECT_EQ(app::jsonString(text), json);
}

}  // namespace
