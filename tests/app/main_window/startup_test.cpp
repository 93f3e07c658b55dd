// Start-up, "場所の決定" and "終了" on the real window, each start in its own working
// directory: the remembered place, the present moment, and the start file on disk.
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTimeZone>
#include <cerrno>
#include <cstdlib>
#include <map>

#include "tests/app/main_window/start_file/sync_fault.h"
#include "tests/app/window_fixture.h"

namespace {

using Startup = WindowTest;

QByteArray startFileBytes() {
    QFile file("pstart.txt");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void writeStartFile(const QByteArray& bytes) {
    QFile file("pstart.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList dateAndTimeTexts(const app::Form1& f) {
    QStringList texts;
    for (const QLineEdit* box : f.txtYMD) texts << box->text();
    return texts;
}

TEST_F(Startup, FirstStartOpensOnTokyoAtThePresentMomentInJapanStandardTime) {
    open();
    EXPECT_EQ(form().lstCITY->count(), 75);
    EXPECT_EQ(form().lstCITY->currentRow(), 12);
    EXPECT_EQ(form().Label10->text(), "東京");
    EXPECT_EQ(form().txtIDO->text(), "35.65");
    EXPECT_EQ(form().txtKEIDO->text(), "139.75");
    // 2024-12-08 02:29:30 UTC is 11:29:30 JST.
    EXPECT_EQ(dateAndTimeTexts(form()), QStringList({"2024", "12", "8", "11", "29", "30"}));
    EXPECT_FALSE(form().Label11[0]->text().isEmpty());
    EXPECT_FALSE(form().Label32->text().isEmpty());
    EXPECT_EQ(form().workingVariables().dayNightFlag, 2);  // the Sun is up at Tokyo then
    EXPECT_TRUE(startFileBytes().isEmpty());               // starting writes nothing
}

TEST_F(Startup, ThePresentMomentIsShownInJapanStandardTimeWhateverTheClocksZone) {
    // 2024-03-31 20:15:05 in New York (UTC-4 that day) is 2024-04-01 09:15:05 JST.
    open([] {
        return QDateTime(QDate(2024, 3, 31), QTime(20, 15, 5),
                         QTimeZone(QByteArrayLiteral("America/New_York")));
    });
    EXPECT_EQ(dateAndTimeTexts(form()), QStringList({"2024", "4", "1", "9", "15", "5"}));
    closeWindow();
    // A clock in JST itself shows its own local time.
    open([] {
        return QDateTime(QDate(2025, 1, 2), QTime(0, 0, 59),
                         QTimeZone(QByteArrayLiteral("Asia/Tokyo")));
    });
    EXPECT_EQ(dateAndTimeTexts(form()), QStringList({"2025", "1", "2", "0", "0", "59"}));
}

// Without a clock handed in, as the program starts it, the window opens on the computer's
// present moment, shown in whole seconds of Japan Standard Time.
TEST_F(Startup, WithoutAClockGivenTheWindowOpensOnTheComputersPresentMoment) {
    const QDateTime before = QDateTime::currentDateTimeUtc();
    openOnItsOwnClock();
    const QDateTime after = QDateTime::currentDateTimeUtc();
    const QStringList texts = dateAndTimeTexts(form());
    ASSERT_EQ(texts.size(), 6);
    const QDateTime shownInJapan(QDate(texts[0].toInt(), texts[1].toInt(), texts[2].toInt()),
                                 QTime(texts[3].toInt(), texts[4].toInt(), texts[5].toInt()),
                                 Qt::UTC);
    ASSERT_TRUE(shownInJapan.isValid()) << texts.join(' ').toStdString();
    const QDateTime shown = shownInJapan.addSecs(-9 * 3600);
    const QDateTime beforeInWholeSeconds = before.addMSecs(-before.time().msec());
    EXPECT_TRUE(shown >= beforeInWholeSeconds && shown <= after)
        << texts.join(' ').toStdString() << " JST, between "
        << before.toString(Qt::ISODateWithMs).toStdString() << " and "
        << after.toString(Qt::ISODateWithMs).toStdString() << " UTC";
}

TEST_F(Startup, SetLocationCopiesTheCoordinatesWithoutCalculating) {
    open();
    const QString before = form().Label15[0]->text();
    form().lstCITY->setCurrentRow(0);  // 札幌
    press(form().Command3);
    EXPECT_EQ(form().txtIDO->text(), "43.067");
    EXPECT_EQ(form().txtKEIDO->text(), "141.35");
    EXPECT_EQ(form().Label10->text(), "札幌");
    EXPECT_EQ(form().Label15[0]->text(), before);
    calculate();
    EXPECT_NE(form().Label15[0]->text(), before);
    // Coordinate texts of whole and negative numbers.
    form().lstCITY->setCurrentRow(53);  // マニラ
    press(form().Command3);
    EXPECT_EQ(form().txtKEIDO->text(), "121");
    form().lstCITY->setCurrentRow(67);  // ロンドン
    press(form().Command3);
    EXPECT_EQ(form().txtKEIDO->text(), "-0.18");
    form().lstCITY->setCurrentRow(24);  // 大津
    press(form().Command3);
    EXPECT_EQ(form().txtIDO->text(), "35");
    form().lstCITY->setCurrentRow(61);
    press(form().Command3);
    EXPECT_EQ(form().Label10->text(), "ニューデリー ");
}

TEST_F(Startup, SetLocationWithTypedCoordinatesChangesNothing) {
    open();
    type(form().txtIDO, "12.5");
    form().lstCITY->setCurrentRow(48);
    press(form().Command3);
    EXPECT_EQ(form().txtIDO->text(), "12.5");
    EXPECT_EQ(form().txtKEIDO->text(), "139.75");
    EXPECT_EQ(form().Label10->text(), "東京");
}

TEST_F(Startup, ExitWritesTheLineInPrintZones) {
    open();
    press(form().Command1);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(startFileBytes(), QByteArray(" 12") + QByteArray(11, ' ') + "35.65" +
                                    QByteArray(9, ' ') + "139.75\r\n");
}

TEST_F(Startup, TypedCoordinatesSurviveAnExitAndARestart) {
    open();
    form().lstCITY->setCurrentRow(48);
    type(form().txtIDO, "-12.5");
    type(form().txtKEIDO, "45.125");
    press(form().Command1);
    EXPECT_TRUE(startFileBytes().startsWith(" 48 "));
    closeWindow();
    open();
    EXPECT_EQ(form().lstCITY->currentRow(), 48);
    EXPECT_EQ(form().Label10->text(), "入力");
    EXPECT_EQ(form().txtIDO->text(), "-12.5");
    EXPECT_EQ(form().txtKEIDO->text(), "45.125");
    // Typed coordinates are no listed place's, and the copy says so as the window does.
    EXPECT_TRUE(form().windowText().contains("場所\t入力\n"));
}

TEST_F(Startup, TypedCoordinatesOfAnyFormReadBackAsTheirNumbers) {
    // An empty box, full-width digits, a comma and blanks: each comes back as the number
    // its box held, in its own field.
    const std::pair<QString, QString> cases[] = {
        {"", "139.75"},
        {"３５．５", "-0.25"},
        {"35,5", "1 4 0"},
        {"12345678901234", "-1E2"},
    };
    const std::pair<QString, QString> expected[] = {
        {"0", "139.75"},
        {"35.5", "-0.25"},
        {"35", "140"},
        {"12345678901234", "-100"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        open();
        form().lstCITY->setCurrentRow(48);
        type(form().txtIDO, cases[i].first);
        type(form().txtKEIDO, cases[i].second);
        press(form().Command1);
        closeWindow();
        open();
        EXPECT_EQ(form().txtIDO->text(), expected[i].first) << i;
        EXPECT_EQ(form().txtKEIDO->text(), expected[i].second) << i;
        closeWindow();
    }
}

TEST_F(Startup, ALineLongerThanSixtyFourBytesSurvivesAnExitAndARestart) {
    // A latitude of 70 characters (a latitude, so below 90): the line is 107 bytes long, the
    // longitude pushed on to the zone after the one the latitude reaches into. Cut anywhere,
    // the latitude would read as another number and the longitude would be lost.
    const QString latitude = "0." + QString("1234567890").repeated(7).left(68);
    open();
    form().lstCITY->setCurrentRow(48);
    type(form().txtIDO, latitude);
    type(form().txtKEIDO, "-45.125");
    press(form().Command1);
    const QByteArray line = QByteArray(" 48") + QByteArray(11, ' ') + latitude.toLatin1() +
                            QByteArray(14, ' ') + "-45.125\r\n";
    ASSERT_GT(line.size(), 64);
    EXPECT_EQ(startFileBytes(), line);
    closeWindow();
    open();
    EXPECT_EQ(form().lstCITY->currentRow(), 48);
    // The box shows the number the typed text held, and the calculation at start-up used it.
    const double typed = std::strtod(latitude.toLatin1().constData(), nullptr);
    EXPECT_EQ(std::strtod(form().txtIDO->text().toLatin1().constData(), nullptr), typed)
        << form().txtIDO->text().toStdString();
    EXPECT_EQ(form().workingVariables().latitude, typed);
    EXPECT_EQ(form().txtKEIDO->text(), "-45.125");
    EXPECT_EQ(form().workingVariables().longitude, -45.125);
}

TEST_F(Startup, TextsEndingInTheDeleteCharacterReadBackAfterARestart) {
    // U+007F cannot stand in a field of the line; the number the box held is saved instead.
    const QChar del(0x7F);
    open();
    form().lstCITY->setCurrentRow(48);
    form().txtIDO->setText(QStringLiteral("-12.5") + del);
    form().txtKEIDO->setText(QStringLiteral("45.125") + del);
    press(form().Command1);
    EXPECT_EQ(startFileBytes(), QByteArray(" 48") + QByteArray(11, ' ') + "-12.5" +
                                    QByteArray(9, ' ') + "45.125\r\n");
    closeWindow();
    open();
    EXPECT_EQ(form().lstCITY->currentRow(), 48);
    EXPECT_EQ(form().txtIDO->text(), "-12.5");
    EXPECT_EQ(form().txtKEIDO->text(), "45.125");
}

TEST_F(Startup, ASelectionNotSetStillDecidesTheNextStart) {
    open();
    form().lstCITY->setCurrentRow(52);  // ソウル, without "場所の決定"
    press(form().Command1);
    EXPECT_EQ(startFileBytes(), QByteArray(" 52") + QByteArray(11, ' ') + "35.65" +
                                    QByteArray(9, ' ') + "139.75\r\n");
    closeWindow();
    open();
    EXPECT_EQ(form().lstCITY->currentRow(), 52);
    EXPECT_EQ(form().Label10->text(), "ソウル");
    EXPECT_EQ(form().txtIDO->text(), "37.55");
    EXPECT_EQ(form().txtKEIDO->text(), "126.97");
}

TEST_F(Startup, TheFileIsReplacedNotAppendedTo) {
    writeStartFile(QByteArray(" 0") + QByteArray(300, ' ') +
                   "old content that is long\r\nmore\r\n");
    open();
    EXPECT_EQ(form().Label10->text(), "札幌");
    press(form().Command1);
    EXPECT_EQ(startFileBytes(), QByteArray(" 0") + QByteArray(12, ' ') + "43.067" +
                                    QByteArray(8, ' ') + "141.35\r\n");
}

TEST_F(Startup, ClosingTheWindowAnyOtherWayWritesNothing) {
    writeStartFile(" 5  38.25  140.35\r\n");
    open();
    form().lstCITY->setCurrentRow(30);
    closeWindow();
    EXPECT_EQ(startFileBytes(), QByteArray(" 5  38.25  140.35\r\n"));
}

// The message the window shows when the place cannot be kept: the first sentence, the reason
// in Japanese and the start file's full path, and none of the system's English words.
const QString NOT_SAVED =
    QStringLiteral("場所を保存できなかったため、次回は今回の場所で始まりません。");

QString startFilePath() {
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath("pstart.txt"));
}

void expectSaveFailureMessage(const QString& message, const QString& reason) {
    const QStringList lines = message.split('\n');
    ASSERT_EQ(lines.size(), 3) << message.toStdString();
    EXPECT_EQ(lines[0], NOT_SAVED);
    EXPECT_EQ(lines[1], QStringLiteral("理由：") + reason);
    EXPECT_EQ(lines[2], QStringLiteral("ファイル：") + startFilePath());
    QString withoutPaths = message;
    withoutPaths.remove(startFilePath()).remove(QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_FALSE(withoutPaths.contains(QRegularExpression("[A-Za-z]"))) << message.toStdString();
}

// Given the window with its message open; answers the message as the user does.
void answerMessage() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->accept();
    QApplication::processEvents();
}

TEST_F(Startup, AFileThatCannotBeWrittenIsReportedAndTheProgramEnds) {
    ASSERT_TRUE(QDir().mkdir("pstart.txt"));  // a folder where the file should go
    open();
    press(form().Command1);
    EXPECT_TRUE(form().isVisible());  // until the user has read why
    expectSaveFailureMessage(form().lastMessage(),
                             "同じ名前のフォルダーがあるため、ファイルを作れません。");
    answerMessage();
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(QFileInfo("pstart.txt").isDir());
}

// A disk that cannot store the new file's data (a failing disk, a network file system): the
// old start file stays byte for byte, the user is told, and the window closes after that.
TEST_F(Startup, AFailedSyncKeepsTheOldFileAndIsReportedBeforeTheProgramEnds) {
    const QByteArray previous = " 5  38.25  140.35\r\n";
    writeStartFile(previous);
    open();
    form().lstCITY->setCurrentRow(52);
    {
        const SyncFault fault(EIO);
        press(form().Command1);
    }
    EXPECT_EQ(startFileBytes(), previous);
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{"pstart.txt"});
    EXPECT_TRUE(form().isVisible());
    expectSaveFailureMessage(form().lastMessage(), "ディスクに書き込めませんでした。");
    answerMessage();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(startFileBytes(), previous);
}

TEST_F(Startup, TheReasonForAFailedSaveIsToldInJapanese) {
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const std::pair<int, QString> cases[] = {
        {EACCES, "フォルダー「" + folder + "」への書き込みの許可がありません。"},
        {EROFS, "フォルダー「" + folder + "」への書き込みの許可がありません。"},
        {ENOSPC, "ディスクの空き容量が足りません。"},
        {EDQUOT, "ディスクの空き容量が足りません。"},
        {EIO, "ディスクに書き込めませんでした。"},
    };
    for (const auto& [error, reason] : cases) {
        open();
        {
            const SyncFault fault(error);
            press(form().Command1);
        }
        SCOPED_TRACE(error);
        expectSaveFailureMessage(form().lastMessage(), reason);
        answerMessage();
        EXPECT_FALSE(form().isVisible());
        closeWindow();
    }
    EXPECT_FALSE(QFileInfo::exists("pstart.txt"));
}

// A working folder the user may not write to refuses the new start file as it is opened. The
// refusal is injected, since permissions do not stop the superuser.
TEST_F(Startup, AReadOnlyFolderIsToldAsNoPermission) {
    writeStartFile(" 5  38.25  140.35\r\n");
    open();
    {
        const OpenFault fault(EACCES);
        press(form().Command1);
    }
    expectSaveFailureMessage(form().lastMessage(),
                             "フォルダー「" + QDir::toNativeSeparators(QDir::currentPath()) +
                                 "」への書き込みの許可がありません。");
    EXPECT_EQ(startFileBytes(), QByteArray(" 5  38.25  140.35\r\n"));
}

TEST_F(Startup, FilesThatBreakOffOrHoldGarbageStartSafely) {
    struct Case {
        QByteArray contents;
        int position;
        QString latitude;
        QString longitude;
    };
    const Case cases[] = {
        {"48", 48, "35.65", "139.75"},       // breaks off after the position
        {"48  12.5", 48, "12.5", "139.75"},  // and after the latitude
        {" 48 , -33.5 , 151.25 \n", 48, "-33.5", "151.25"},
        {"75  1  2\r\n", 12, "35.65", "139.75"},     // beyond the last place
        {"-1  1  2\r\n", 12, "35.65", "139.75"},     // nothing was selected
        {"40000  1  2\r\n", 12, "35.65", "139.75"},  // beyond 16 bits
        {"abc  1  2\r\n", 12, "35.65", "139.75"},    // the position is no number
        {"48  abc  2\r\n", 48, "0", "2"},            // a latitude that is no number
        {"48  7  abc\r\n", 48, "7", "139.75"},       // a longitude that is no number
        {QByteArray("\0\xff\xfe garbage", 12), 12, "35.65", "139.75"},
        {QByteArray(3'000'000, '9'), 12, "35.65", "139.75"},  // a very long line
        {"", 12, "35.65", "139.75"},
    };
    for (const Case& c : cases) {
        writeStartFile(c.contents);
        open();
        const std::string context = c.contents.left(30).toStdString();
        EXPECT_EQ(form().lstCITY->currentRow(), c.position) << context;
        if (c.position != 48) continue;
        EXPECT_EQ(form().txtIDO->text(), c.latitude) << context;
        EXPECT_EQ(form().txtKEIDO->text(), c.longitude) << context;
        EXPECT_FALSE(form().Label11[0]->text().isEmpty()) << context;
        closeWindow();
    }
}

// The program itself, started as a user starts it. Where none of QT_QPA_PLATFORM, DISPLAY and
// WAYLAND_DISPLAY names a place for the window, it says how to run it and ends with status 1
// before the toolkit starts; where one is named, the toolkit is left to try it.
struct ProgramRun {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = 0;
    QString errors;
};

QString programPath() {
    // The program is built next to the tests: <build>/app/sunmoonpos, <build>/tests/...
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../app/sunmoonpos");
}

ProgramRun runProgram(const std::map<QString, QString>& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(name);
    }
    for (const auto& [name, value] : display) environment.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(environment);
    // A toolkit that gives up aborts; no core file is left behind for it.
    process.setChildProcessModifier([] {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    });
    process.start(programPath(), QStringList());
    ProgramRun run;
    run.finished = process.waitForFinished(60'000);
    if (!run.finished) process.kill();
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(Program, WithoutADisplayItSaysHowToRunItAndEnds) {
    ASSERT_TRUE(QFileInfo(programPath()).isExecutable())
        << programPath().toStdString() << " is not built";
    const std::map<QString, QString> noDisplays[] = {
        {}, {{"QT_QPA_PLATFORM", ""}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}},  // set, but empty
    };
    for (const std::map<QString, QString>& display : noDisplays) {
        const ProgramRun run = runProgram(display);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.status, QProcess::NormalExit) << run.errors.toStdString();
        EXPECT_EQ(run.code, 1) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains("no display to open the window on"))
            << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains("xvfb-run -a " + programPath()))
            << run.errors.toStdString();
    }
}

// The platform named here does not exist: the toolkit, not the program, gives up on it.
TEST(Program, APlatformNamedIsTriedInsteadOfRefused) {
    ASSERT_TRUE(QFileInfo(programPath()).isExecutable())
        << programPath().toStdString() << " is not built";
    const ProgramRun run = runProgram({{"QT_QPA_PLATFORM", "no-such-platform"}});
    ASSERT_TRUE(run.finished);
    EXPECT_FALSE(run.errors.contains("no display to open the window on"))
        << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("no-such-platform")) << run.errors.toStdString();
    EXPECT_FALSE(run.status == QProcess::NormalExit && run.code == 0) << run.errors.toStdString();
}

}  // namespace
