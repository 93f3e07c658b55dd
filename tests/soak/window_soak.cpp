// A soak of the real window: "計算" pressed over and over with random and hostile box
// texts, random place choices and day/night changes, every caption checked after every
// press, the heap watched for growth, and the window asked for a known answer at the end.
//
// The full run, by hand, from the top of the repository after a build:
//
//   QT_QPA_PLATFORM=offscreen build/tests/soak/window_soak --presses 100000
//
// Options (each also read from the environment variable in brackets; an option wins):
//   --presses N   presses of "計算"                      [SOAK_PRESSES, default 100000]
//   --seed X      seed of the random inputs              [SOAK_SEED, default 1]
//   --warmup N    presses before the first memory figure [SOAK_WARMUP, default 2000]
//   --show-press K  prints the inputs of random press K for the seed, and presses nothing
// The run makes exactly the presses counted, however long they take, so that a seed always
// gives the same run. A crash prints the number of the press it happened in; --show-press
// with the same seed then tells its inputs.
#include <malloc.h>
#include <signal.h>
#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of the bytes in use (GCC installs no header declaring it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif
#include <unistd.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/controls/application_setup.h"
#include "app/core/city_table.h"
#include "app/core/moon_drawing.h"
#include "app/main_window/form1.h"

namespace {

constexpr int BOX_COUNT = 8;  // year, month, day, hour, minute, second, latitude, longitude
constexpr int LATITUDE_BOX = 6;
constexpr int LONGITUDE_BOX = 7;
constexpr int NO_PLACE_CHOICE = -2;
// A memory figure has grown when it rose by more than the larger of these two.
constexpr double GROWTH_LIMIT_BYTES = 5.0 * 1024 * 1024;
constexpr double GROWTH_LIMIT_FRACTION = 0.10;
constexpr int MEMORY_SAMPLE_INTERVAL = 10000;
constexpr long FAULTS_TOLD_OF_EACH_KIND = 3;
constexpr const char* BOX_NAMES[BOX_COUNT] = {"年", "月", "日", "時", "分", "秒", "緯度", "経度"};

// The press the process is in, for a crash report; written before each press.
volatile std::sig_atomic_t currentPress = -1;

// The fatal signals a crash report is written for, and the handlers they had before (the
// sanitizers' among them), which still get them after the report.
constexpr int FATAL_SIGNALS[] = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};
struct sigaction previousActions[NSIG];

// Writes the press a fatal signal struck in, with async-signal-safe calls only, then hands
// the signal to the handler it had before: a fault the processor raised strikes again on
// return and goes there; a signal sent (an abort) is sent again.
void reportCrash(int signalNumber, siginfo_t* info, void* /*context*/) {
    char text[96] = "window_soak: fatal signal during random press ";
    std::size_t length = std::strlen(text);
    long press = currentPress;
    char digits[24];
    int count = 0;
    if (press < 0) {
        text[length++] = '-';
        press = -press;
    }
    do {
        digits[count++] = static_cast<char>('0' + press % 10);
        press /= 10;
    } while (press > 0 && count < 20);
    while (count > 0) text[length++] = digits[--count];
    text[length++] = '\n';
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text, length);
    sigaction(signalNumber, &previousActions[signalNumber], nullptr);
    if (info == nullptr || info->si_code <= 0) raise(signalNumber);
}

// Has reportCrash run first on every fatal signal.
void installCrashReport() {
    struct sigaction action {};
    action.sa_sigaction = reportCrash;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : FATAL_SIGNALS) {
        sigaction(signalNumber, &action, &previousActions[signalNumber]);
    }
}

struct Options {
    long presses = 100000;
    unsigned long seed = 1;
    long warmup = 2000;
    long showPress = -1;
};

// The value of an option from the command line, else from the environment, else `fallback`.
std::string optionText(int argc, char* argv[], const char* flag, const char* variable,
                       const std::string& fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], flag) == 0) return argv[i + 1];
    }
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

// The options of the run, from the command line and the environment.
Options readOptions(int argc, char* argv[]) {
    Options o;
    o.presses =
        std::stol(optionText(argc, argv, "--presses", "SOAK_PRESSES", std::to_string(o.presses)));
    o.seed = std::stoul(optionText(argc, argv, "--seed", "SOAK_SEED", std::to_string(o.seed)));
    o.warmup =
        std::stol(optionText(argc, argv, "--warmup", "SOAK_WARMUP", std::to_string(o.warmup)));
    o.showPress = std::stol(optionText(argc, argv, "--show-press", "SOAK_SHOW_PRESS", "-1"));
    return o;
}

// What one random press does before "計算": a place chosen in the list and "場所の決定"
// pressed (unless NO_PLACE_CHOICE), then the boxes given their texts (an absent text leaves
// the box as the place choice or the press before left it).
struct PressInput {
    bool hostile = false;
    int placeRow = NO_PLACE_CHOICE;
    std::array<std::optional<QString>, BOX_COUNT> boxes;
};

// The random inputs of the presses, one after another; a seed gives the same sequence
// whatever the window does with them.
class InputMaker {
  public:
    explicit InputMaker(unsigned long seed) : random_(seed) {}

    // The inputs of the next press: ordinary four times in ten, else with hostile texts.
    PressInput next() {
        PressInput input = valid();
        const int draw = uniform(0, 99);
        if (draw < 40) return input;
        input.hostile = true;
        if (draw < 50) {
            for (int box = 0; box < BOX_COUNT; ++box) input.boxes[box] = hostileText(box);
        } else {
            const int count = uniform(1, 3);
            for (int i = 0; i < count; ++i) {
                const int box = uniform(0, BOX_COUNT - 1);
                input.boxes[box] = hostileText(box);
            }
        }
        // A place chosen that is none, or "入力", after which the boxes keep their texts.
        if (uniform(0, 9) == 0) {
            const int rows[] = {-1, 75, 1000, app::TYPED_COORDINATES_POSITION};
            input.placeRow = rows[uniform(0, 3)];
        }
        return input;
    }

  private:
    // A whole number from `low` to `high`, both included.
    int uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    // A number from `low` to below `high`.
    double uniformReal(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    // True `percent` times in a hundred.
    bool chance(int percent) { return uniform(0, 99) < percent; }

    // An ordinary date and time 1800 to 2200 at a place of the list or a typed one.
    PressInput valid() {
        PressInput input;
        const int year = uniform(1800, 2200);
        const int month = uniform(1, 12);
        const int day = uniform(1, QDate(year, month, 1).daysInMonth());
        const int fields[6] = {year, month, day, uniform(0, 23), uniform(0, 59), uniform(0, 59)};
        for (int i = 0; i < 6; ++i) input.boxes[i] = QString::number(fields[i]);
        const int row = uniform(0, app::CITY_COUNT - 1);
        if (chance(50) && row != app::TYPED_COORDINATES_POSITION) {
            input.placeRow = row;
        } else {
            input.boxes[LATITUDE_BOX] = QString::number(uniformReal(-90, 90), 'f', uniform(0, 4));
            input.boxes[LONGITUDE_BOX] =
                QString::number(uniformReal(-180, 180), 'f', uniform(0, 4));
        }
        return input;
    }

    // `count` characters drawn from `alphabet`.
    QString drawn(const QString& alphabet, int count) {
        QString text;
        text.reserve(count);
        for (int i = 0; i < count; ++i)
            text += alphabet[uniform(0, static_cast<int>(alphabet.size()) - 1)];
        return text;
    }

    // A number of any magnitude, written in one of the forms the boxes read.
    QString wildNumber() {
        const double magnitude = std::pow(10.0, uniformReal(-330, 330));
        const double value = chance(50) ? -magnitude : magnitude;
        QString text = QString::number(value, 'g', uniform(1, 17));
        if (chance(30)) text.replace(QLatin1Char('e'), QLatin1Char('D'));
        if (chance(20)) text.replace(QLatin1Char('e'), QLatin1Char('E'));
        return text;
    }

    // A text a box can be given that no ordinary user types.
    QString hostileText(int box) {
        // clang-format off
        static const QStringList fixed = {
            "", " ", "   ", "\t", "\n", "　",
            "1E308", "-1E308", "1E999", "-1E999", "1e-400", "1E-999",
            "-1", "-5", "-0", "-32768", "32767", "40000", "-32769", "0", "13", "32756",
            "1e300", "1E300", "-1e300",
            "abc", "x", "E5", "D5", "NaN", "nan", "inf", "-inf", "Infinity",
            "&H", "&h1F", "&HFFFF", "&H7FFF", "&H8000", "&H7FFFFFFFFFFFFFFF",
            "&HFFFFFFFFFFFFFFFFFFFF", "&O", "&O777", "&O7777777777777777777777777", "&HG", "&",
            "２０２４", "１２", "３１", "－１２", "１．５Ｅ２", "＆Ｈ１Ｆ",
            "1D2", "1.5D-3", "-1D400", "1D308", "2D-5", "1d2",
            "1 2", " 1 ", "1日", "+5", "--5", "+-5", ".", "-.", ".5", "5.", "1.2.3",
            "1e", "1e+", "1E-", "0x10", "٣", "½", "5\n6", "1,5", "1_000", "١٢", "ⅩⅡ", "🌙",
            QString(QChar(0)) + "5", "5" + QString(QChar(0xD800)), QString(QChar(0xDFFF)),
            QString(400, QLatin1Char('9')), "0." + QString(400, QLatin1Char('0')) + "1",
            "4.9406564584124654E-324", "2.2250738585072014E-308", "1.7976931348623157E308",
            "1.7976931348623159E308", "99999999999999999999", "-99999999999999999999",
        };
        // clang-format on
        static const QString numberish =
            QStringLiteral("0123456789.EeDd+-&HhOo \t　０１２３４５６７８９．－＋Ｅ日時分");
        static const QString anything =
            QStringLiteral("0123456789.EeDd+-&HhOoxyzABC \t　,_/*()[]｛｝０９．－月の位相🌙");
        static const std::vector<std::vector<double>> perBox = {
            {-32768, 32767, 40000, -40000, 0, -1, 32768, -32769, 1e6},
            {0, 13, 32756, -32768, 32767, 32768, -1, 2.5, 3.5},
            {0, -1, 1e300, 32, 1e10, -1e10, 0.5, 1e15},
            {24, 25, -1, 1e6, -1e6, 1e300, 23.999999},
            {60, -1, 1e9, -1e9, 1e300},
            {60, -1, 1e12, -1e12, 1e300, 0.0001},
            {91, -91, 90, -90, 1000, 1e10, -1e300},
            {181, -181, 180, -180, 360, 720, 1e10, -1e300},
        };
        switch (uniform(0, 11)) {
            case 0:
            case 1:
            case 2:
                return fixed[uniform(0, static_cast<int>(fixed.size()) - 1)];
            case 3: {
                const std::vector<double>& values = perBox[static_cast<std::size_t>(box)];
                return QString::number(values[static_cast<std::size_t>(
                                           uniform(0, static_cast<int>(values.size()) - 1))],
                                       'g', 17);
            }
            case 4:
                return wildNumber();
            case 5: {
                // "&H" or "&O" and digits, short or very long.
                const int lengths[] = {1, 4, 8, 15, 16, 17, 20, 300, 10000};
                const bool hex = chance(70);
                return (hex ? QStringLiteral("&H") : QStringLiteral("&O")) +
                       drawn(hex ? QStringLiteral("0123456789ABCDEFabcdef")
                                 : QStringLiteral("01234567"),
                             lengths[uniform(0, 8)]);
            }
            case 6: {
                // 10,000 characters: digits, letters, blanks, full-width digits or a mixture;
                // now and then more than a box keeps.
                const QString alphabets[] = {QStringLiteral("0123456789"),
                                             QStringLiteral("abcdefXYZ"), QStringLiteral(" \t"),
                                             QStringLiteral("０１２３４５６７８９"), anything};
                const int length = chance(10) ? 40000 : 10000;
                return drawn(alphabets[uniform(0, 4)], length);
            }
            case 7:
                return drawn(numberish, uniform(1, 30));
            case 8:
                return drawn(anything, uniform(1, 30));
            case 9: {
                // An ordinary number in full-width forms, as an input method types it.
                QString text = QString::number(uniformReal(-200, 200), 'f', uniform(0, 3));
                for (QChar& ch : text) {
                    if (ch.isDigit())
                        ch = QChar(ch.unicode() - u'0' + 0xFF10);
                    else if (ch == QLatin1Char('.'))
                        ch = QChar(0xFF0E);
                    else if (ch == QLatin1Char('-'))
                        ch = QChar(0xFF0D);
                }
                return text;
            }
            case 10: {
                // A D exponent of any size on an ordinary mantissa.
                return QString::number(uniformReal(-10, 10), 'f', 3) + (chance(50) ? "D" : "d") +
                       QString::number(uniform(-400, 400));
            }
            default:
                // Blanks around and inside an ordinary number.
                return QStringLiteral(" %1 %2 ").arg(uniform(0, 99)).arg(uniform(0, 9));
        }
    }

    std::mt19937_64 random_;
};

// The box of an index: 0 to 5 the date and time, then latitude and longitude.
QLineEdit* boxOf(app::Form1& form, int index) {
    if (index < 6) return form.txtYMD[static_cast<std::size_t>(index)];
    return index == LATITUDE_BOX ? form.txtIDO : form.txtKEIDO;
}

// A box text as a fault report shows it: short texts whole, long ones cut, with their length.
std::string shown(const QString& text) {
    std::string out = "\"";
    out += text.left(40).toStdString();
    if (text.size() > 40)
        out += "...\" (" + std::to_string(text.size()) + " characters)";
    else
        out += "\"";
    return out;
}

// Prints the inputs of a random press, as --show-press and a fault report tell them.
void printInput(const PressInput& input, long press) {
    std::printf(
        "random press %ld (%s): place row %s\n", press, input.hostile ? "hostile" : "valid",
        input.placeRow == NO_PLACE_CHOICE ? "not chosen" : std::to_string(input.placeRow).c_str());
    for (int i = 0; i < BOX_COUNT; ++i) {
        std::printf("  %s: %s\n", BOX_NAMES[i],
                    input.boxes[i] ? shown(*input.boxes[i]).c_str() : "(left as it was)");
    }
}

// Gives the window the press's inputs, choosing the place as a user does.
void apply(app::Form1& form, const PressInput& input) {
    if (input.placeRow != NO_PLACE_CHOICE) {
        form.lstCITY->setCurrentRow(input.placeRow);
        QTest::mouseClick(form.Command3, Qt::LeftButton);
    }
    for (int i = 0; i < BOX_COUNT; ++i) {
        if (input.boxes[i]) boxOf(form, i)->setText(*input.boxes[i]);
    }
}

// One fault found after a press: what kind of fault, and what was seen.
struct Fault {
    const char* kind;
    std::string detail;
};

// Checks the captions of the window after one press of "計算" and tells every fault found.
class CaptionChecker {
  public:
    // The caption patterns, with the decimal separator of the locale in force.
    CaptionChecker() {
        const QString separator = QRegularExpression::escape(QLocale().decimalPoint());
        coordinate_.setPattern("^-?[0-9]+" + separator + "[0-9]{2}$");
        fraction_.setPattern("^([0-9]+" + separator + "[0-9]{3})\\((\\+|-)\\)$");
        angle_.setPattern("^[0-9]+" + separator + "[0-9]$");
        equationOfTime_.setPattern(QStringLiteral("^-? ([0-9]+)分 ([0-9]+)秒$"));
    }

    // Faults of the window's captions and drawing; `refused` when a message was shown.
    std::vector<Fault> check(const app::Form1& f, bool refused, bool hostile) const {
        std::vector<Fault> faults;
        auto fault = [&](const char* kind, const std::string& detail) {
            faults.push_back({kind, detail});
        };
        const std::array<QLabel*, 8> coordinates = {f.Label11[0], f.Label12[0], f.Label15[0],
                                                    f.Label16[0], f.Label11[1], f.Label12[1],
                                                    f.Label15[1], f.Label16[1]};
        const char* names[8] = {"Label11(0)", "Label12(0)", "Label15(0)", "Label16(0)",
                                "Label11(1)", "Label12(1)", "Label15(1)", "Label16(1)"};
        // Right ascension in hours, declination and altitude and azimuth in degrees; a
        // rounded figure may reach the end of its range.
        const double lows[4] = {0, -90, -90, 0};
        const double highs[4] = {24, 90, 90, 360};
        if (!hostile && refused) fault("ordinary input refused", "");
        for (int i = 0; i < 8; ++i) {
            const QString text = coordinates[i]->text();
            if (text.isEmpty()) {
                if (!refused) fault("coordinate empty without a refusal", names[i]);
                continue;
            }
            if (refused)
                fault("coordinate shown after a refusal", names[i] + (" " + text.toStdString()));
            if (!coordinate_.match(text).hasMatch()) {
                fault("coordinate malformed", names[i] + (" " + text.toStdString()));
                continue;
            }
            if (text.startsWith('-') && isZero(text))
                fault("coordinate negative zero", names[i] + (" " + text.toStdString()));
            const double value = valueOf(text);
            if (value < lows[i % 4] || value > highs[i % 4]) {
                fault("coordinate out of range", names[i] + (" " + text.toStdString()));
            }
        }
        checkEquationOfTime(f.Label32->text(), refused, fault);
        const bool phaseShown = checkPhaseBlock(f, fault);
        const double moonAltitude = f.workingVariables().moonAltitude;
        const bool phaseExpected = !refused && !(moonAltitude < 0);
        if (phaseShown != phaseExpected) {
            fault(
                phaseShown ? "phase block shown when it should not be"
                           : "phase block empty when it should be shown",
                "Moon's altitude " + std::to_string(moonAltitude) + (refused ? ", a refusal" : ""));
        }
        const std::vector<app::PhaseLine>& lines = f.clientArea()->lines();
        if (!phaseShown && !lines.empty())
            fault("lines drawn with no phase block", std::to_string(lines.size()) + " lines");
        for (const app::PhaseLine& line : lines) {
            if (!onDisc(line.x1, line.y1) || !onDisc(line.x2, line.y2)) {
                fault("a line off the disc or not finite",
                      std::to_string(line.x1) + "," + std::to_string(line.y1) + " - " +
                          std::to_string(line.x2) + "," + std::to_string(line.y2));
                break;
            }
        }
        return faults;
    }

  private:
    // Checks the caption of the equation of time: "- 3分 17秒", minutes 0 to 719.
    template <typename Report>
    void checkEquationOfTime(const QString& text, bool refused, Report& fault) const {
        if (text.isEmpty()) {
            if (!refused) fault("equation of time empty without a refusal", "");
            return;
        }
        if (refused) fault("equation of time shown after a refusal", text.toStdString());
        const QRegularExpressionMatch match = equationOfTime_.match(text);
        if (!match.hasMatch()) {
            fault("equation of time malformed", text.toStdString());
            return;
        }
        bool minutesRead = false;
        bool secondsRead = false;
        const int minutes = match.captured(1).toInt(&minutesRead);
        const int seconds = match.captured(2).toInt(&secondsRead);
        if (!minutesRead || !secondsRead || minutes > 719 || seconds > 59) {
            fault("equation of time out of range", text.toStdString());
        }
    }

    // Checks the phase block; returns whether it is shown (any of its captions not empty).
    template <typename Report>
    bool checkPhaseBlock(const app::Form1& f, Report& fault) const {
        const std::array<QString, 5> texts = {f.Label22->text(), f.Label21->text(),
                                              f.Label30->text(), f.Label23->text(),
                                              f.Label24->text()};
        bool anyShown = false;
        bool allEmpty = true;
        for (const QString& text : texts) {
            anyShown = anyShown || !text.isEmpty();
            allEmpty = allEmpty && text.isEmpty();
        }
        if (allEmpty) return false;
        const std::string block = "phase block \"" + texts[0].toStdString() + "|" +
                                  texts[1].toStdString() + "|" + texts[2].toStdString() + "|" +
                                  texts[3].toStdString() + "|" + texts[4].toStdString() + "\"";
        if (texts[0] != QStringLiteral("月の位相") || texts[1] != QStringLiteral("輝面率 ： ") ||
            texts[3] != QStringLiteral("天頂方向角 ： ")) {
            fault("phase block headings wrong", block);
        }
        const QRegularExpressionMatch fraction = fraction_.match(texts[2]);
        if (!fraction.hasMatch()) {
            fault("illuminated fraction malformed", block);
        } else {
            const double k = valueOf(fraction.captured(1));
            if (k < 0 || k > 1) fault("illuminated fraction out of range", block);
        }
        if (!angle_.match(texts[4]).hasMatch()) {
            fault("limb angle malformed", block);
        } else {
            // An angle a hair below 360 shows as 360.0, as a right ascension a hair below
            // 24 h shows as 24.00: the format rounds and does not reduce. The angle itself
            // must lie in [0, 360).
            const double angle = valueOf(texts[4]);
            const double limb = f.workingVariables().limbZenithAngle;
            if (angle < 0 || angle > 360 || !(limb >= 0 && limb < 360)) {
                char value[64];
                std::snprintf(value, sizeof value, "%.17g", limb);
                fault("limb angle outside [0, 360)", block + " from " + value);
            }
        }
        return anyShown;
    }

    // The number a well-formed caption shows.
    static double valueOf(QString text) {
        text.replace(QLocale().decimalPoint(), QStringLiteral("."));
        return text.toDouble();
    }

    // Whether a caption's digits are all 0.
    static bool isZero(const QString& text) {
        for (const QChar ch : text) {
            if (ch.isDigit() && ch != QLatin1Char('0')) return false;
        }
        return true;
    }

    // Whether a point of the drawing is finite and on the Moon's disc, with a twip to spare.
    static bool onDisc(float x, float y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return false;
        const double dx = x - app::DISC_CENTRE_X_TWIPS;
        const double dy = y - app::DISC_CENTRE_Y_TWIPS;
        const double reach = app::DISC_RADIUS_TWIPS + 1;
        return dx * dx + dy * dy <= reach * reach;
    }

    QRegularExpression coordinate_;
    QRegularExpression fraction_;
    QRegularExpression angle_;
    QRegularExpression equationOfTime_;
};

struct Memory {
    double heapBytes;  // in use by malloc: small blocks and mapped ones
    double rssBytes;   // resident, after handing free heap back to the system
};

// Under AddressSanitizer malloc's figures read 0 and the resident memory grows by itself as
// freed blocks wait in quarantine: the heap in use then comes from the sanitizer's allocator,
// and only it is compared.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool RESIDENT_MEMORY_MEANINGFUL = false;
double heapInUseBytes() {
    return static_cast<double>(__sanitizer_get_current_allocated_bytes());
}
#else
constexpr bool RESIDENT_MEMORY_MEANINGFUL = true;
double heapInUseBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}
#endif

// The heap in use and the resident memory, the latter after free heap is handed back.
Memory memoryNow() {
    const double heap = heapInUseBytes();
    malloc_trim(0);
    double rssKb = 0;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) rssKb = std::stod(line.substr(6));
    }
    return {heap, rssKb * 1024};
}

// Bytes in MiB.
double mebibytes(double bytes) {
    return bytes / (1024.0 * 1024.0);
}

// Puts the window in one ordinary state (2000-01-01 21:00 JST at Tokyo, chosen in the list),
// lets it paint, and lets deferred deletions run, so memory figures compare like with like.
void settle(app::Form1& form) {
    if (QApplication::activeModalWidget() != nullptr) QApplication::activeModalWidget()->close();
    form.lstCITY->setCurrentRow(app::DEFAULT_CITY_POSITION);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    const char* const fields[6] = {"2000", "1", "1", "21", "0", "0"};
    for (int i = 0; i < 6; ++i)
        form.txtYMD[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(fields[i]));
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Passes the toolkit's messages on, except the one the offscreen platform gives each time a
// message box is shown, which would bury the report.
void filterToolkitMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
}

// Tallies of what the random presses did.
struct Tally {
    long presses = 0;
    long refused = 0;
    long hostile = 0;
    long moonUp = 0;
    long dayNightChanges = 0;
    long faultyPresses = 0;
    // Presses with each kind of fault, after ordinary [0] and hostile [1] inputs.
    std::map<std::string, std::array<long, 2>> faultsByKind;
    // Presses showing a right ascension of 24.00, an azimuth of 360.00 or a limb angle of
    // 360.0, likewise.
    std::array<long, 2> rangeEnds{};
};

// Whether a right ascension, an azimuth or the limb angle is shown at the excluded end of its
// range, as a
// figure a hair below 24 h or 360 degrees rounds; told in the report, not a fault.
bool showsRangeEnd(const app::Form1& f) {
    const QString separator = QLocale().decimalPoint();
    const QString hours = "24" + separator + "00";
    const QString degrees = "360" + separator + "00";
    const QString limbDegrees = "360" + separator + "0";
    return f.Label11[0]->text() == hours || f.Label11[1]->text() == hours ||
           f.Label16[0]->text() == degrees || f.Label16[1]->text() == degrees ||
           f.Label24->text() == limbDegrees;
}

// Presses "計算" once with the press's inputs, checks the window and dismisses any message.
void pressOnce(app::Form1& form, const PressInput& input, long press, const CaptionChecker& checker,
               Tally& tally) {
    currentPress = static_cast<std::sig_atomic_t>(press);
    const int dayNightBefore = form.workingVariables().dayNightFlag;
    apply(form, input);
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    const QString message = form.lastMessage();
    const bool refused = !message.isEmpty();
    std::vector<Fault> faults = checker.check(form, refused, input.hostile);
    if (refused) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            faults.push_back({"a refusal with no modal message to dismiss", ""});
        } else {
            modal->close();
            if (!form.lastMessage().isEmpty())
                faults.push_back({"the message stays after it was dismissed", ""});
        }
    }
    // Paints the window as it stands, captions and drawing, as the screen would.
    QCoreApplication::processEvents();
    ++tally.presses;
    tally.hostile += input.hostile ? 1 : 0;
    tally.refused += refused ? 1 : 0;
    tally.moonUp += !form.Label22->text().isEmpty() ? 1 : 0;
    tally.dayNightChanges += form.workingVariables().dayNightFlag != dayNightBefore ? 1 : 0;
    const int inputKind = input.hostile ? 1 : 0;
    if (showsRangeEnd(form) && ++tally.rangeEnds[inputKind] == 1) {
        std::printf("note: random press %ld shows the end of a range: 赤径 %s / %s, 方位 %s / %s\n",
                    press, form.Label11[0]->text().toStdString().c_str(),
                    form.Label11[1]->text().toStdString().c_str(),
                    form.Label16[0]->text().toStdString().c_str(),
                    form.Label16[1]->text().toStdString().c_str());
    }
    if (faults.empty()) return;
    ++tally.faultyPresses;
    // The first few presses of each kind of fault are told in full.
    bool tell = false;
    for (const Fault& f : faults) {
        long& count = tally.faultsByKind[f.kind][inputKind];
        tell = tell || tally.faultsByKind[f.kind][0] + tally.faultsByKind[f.kind][1] <
                           FAULTS_TOLD_OF_EACH_KIND;
        ++count;
    }
    if (!tell) return;
    std::printf("FAULT at random press %ld%s\n", press, refused ? " (refused)" : "");
    for (const Fault& f : faults) std::printf("  %s: %s\n", f.kind, f.detail.c_str());
    printInput(input, press);
    std::printf("  boxes as pressed:");
    for (int i = 0; i < BOX_COUNT; ++i)
        std::printf(" %s=%s", BOX_NAMES[i], shown(boxOf(form, i)->text()).c_str());
    std::printf("\n  message: %s\n", message.toStdString().c_str());
    std::fflush(stdout);
}

// A normal press after the soak: 2000-01-01 21:00 JST at Tokyo, with the known captions.
bool windowStillAnswers(app::Form1& form) {
    settle(form);
    const bool answers = form.lastMessage().isEmpty() &&
                         form.Label11[0]->text() == QStringLiteral("18.75") &&
                         form.Label12[0]->text() == QStringLiteral("-23.03") &&
                         form.Label32->text() == QStringLiteral("- 3分 17秒");
    std::printf("final press, 2000-01-01 21:00 JST at Tokyo: 赤径 %s, 赤緯 %s, 均時差 %s -> %s\n",
                form.Label11[0]->text().toStdString().c_str(),
                form.Label12[0]->text().toStdString().c_str(),
                form.Label32->text().toStdString().c_str(), answers ? "as expected" : "WRONG");
    return answers;
}

}  // namespace

// Opens the window, presses "計算" the number of times asked for, and reports.
int main(int argc, char* argv[]) {
    const Options options = readOptions(argc, argv);
    if (options.showPress >= 0) {
        InputMaker maker(options.seed);
        for (long i = 0; i < options.showPress; ++i) maker.next();
        printInput(maker.next(), options.showPress);
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(filterToolkitMessages);
    QApplication application(argc, argv);
    app::prepareApplication();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    installCrashReport();

    // Start-up reads and 終了 writes the start file in the working directory: a fresh one.
    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path())) {
        std::fprintf(stderr, "window_soak: no temporary working directory\n");
        return 2;
    }
    auto form = std::make_unique<app::Form1>(
        [] { return QDateTime(QDate(2024, 12, 8), QTime(2, 29, 30), Qt::UTC); });
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        std::fprintf(stderr, "window_soak: the window was never shown\n");
        return 2;
    }
    std::printf("window_soak: seed %lu, %ld presses, memory after %ld presses\n", options.seed,
                options.presses, options.warmup);

    const CaptionChecker checker;
    InputMaker maker(options.seed);
    Tally tally;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    Memory before{0, 0};
    bool measuredBefore = false;
    for (long press = 0; press < options.presses; ++press) {
        if (press == options.warmup) {
            settle(*form);
            before = memoryNow();
            measuredBefore = true;
            std::printf("after %ld presses (%.0f s): heap in use %.2f MiB, VmRSS %.2f MiB\n", press,
                        elapsed(), mebibytes(before.heapBytes), mebibytes(before.rssBytes));
        } else if (measuredBefore && press % MEMORY_SAMPLE_INTERVAL == 0) {
            settle(*form);
            const Memory now = memoryNow();
            std::printf("after %ld presses (%.0f s): heap in use %.2f MiB, VmRSS %.2f MiB\n", press,
                        elapsed(), mebibytes(now.heapBytes), mebibytes(now.rssBytes));
        }
        std::fflush(stdout);
        pressOnce(*form, maker.next(), press, checker, tally);
    }
    currentPress = -1;
    const double seconds = elapsed();

    settle(*form);
    const Memory after = memoryNow();
    std::printf("random presses: %ld in %.1f s, %.0f presses/s\n", tally.presses, seconds,
                seconds > 0 ? tally.presses / seconds : 0.0);
    std::printf("  hostile %ld, refused %ld, Moon up %ld, day/night changes %ld\n", tally.hostile,
                tally.refused, tally.moonUp, tally.dayNightChanges);
    std::printf("  presses with faults: %ld\n", tally.faultyPresses);
    for (const auto& [kind, counts] : tally.faultsByKind) {
        std::printf("    %s: %ld after ordinary inputs, %ld after hostile ones\n", kind.c_str(),
                    counts[0], counts[1]);
    }
    std::printf(
        "  24.00 h, 360.00 or 360.0 degrees shown (noted, not a fault): %ld after ordinary inputs,"
        " %ld after hostile ones\n",
        tally.rangeEnds[0], tally.rangeEnds[1]);
    bool ok = tally.faultyPresses == 0;
    if (measuredBefore) {
        const double heapGrowth = after.heapBytes - before.heapBytes;
        const double rssGrowth = after.rssBytes - before.rssBytes;
        const bool heapGrew =
            heapGrowth > std::max(GROWTH_LIMIT_BYTES, GROWTH_LIMIT_FRACTION * before.heapBytes);
        const bool rssGrew =
            RESIDENT_MEMORY_MEANINGFUL &&
            rssGrowth > std::max(GROWTH_LIMIT_BYTES, GROWTH_LIMIT_FRACTION * before.rssBytes);
        std::printf(
            "memory: heap in use %.2f -> %.2f MiB (%+.2f), VmRSS %.2f -> %.2f MiB (%+.2f)%s\n",
            mebibytes(before.heapBytes), mebibytes(after.heapBytes), mebibytes(heapGrowth),
            mebibytes(before.rssBytes), mebibytes(after.rssBytes), mebibytes(rssGrowth),
            heapGrew || rssGrew ? " GREW" : "");
        ok = ok && !heapGrew && !rssGrew;
    } else {
        std::printf("memory: not compared, the run ended within the %ld warm-up presses\n",
                    options.warmup);
    }
    ok = windowStillAnswers(*form) && ok;
    std::printf("%s\n", ok ? "window_soak: passed" : "window_soak: FAILED");
    form.reset();
    return ok ? 0 : 1;
}
