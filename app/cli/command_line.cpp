#include "app/cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/core/calculation_sequence.h"
#include "app/core/city_table.h"
#include "app/core/command_tables.h"
#include "app/core/command_values.h"
#include "app/core/coordinate_text.h"
#include "app/core/day_almanac.h"
#include "app/core/day_summary.h"
#include "app/core/month_text.h"
#include "app/core/refusal_message.h"
#include "app/core/series_text.h"
#include "app/core/shown_fields.h"
#include "app/core/start_place.h"
#include "app/core/stepped_instant.h"
#include "app/main_window/start_file/start_file_io.h"
#include "astro/almanac.h"
#include "astro/day_events.h"
#include "astro/moon_age.h"

namespace app::cli {

namespace {

constexpr char PROGRAM[] = "sunmoonpos";
// Samples of the day's altitudes, as many as the day window draws its chart from.
constexpr int DAY_ALTITUDE_STEPS = 288;
// The most rows a series is made with: a year at eight-second steps. The table is made whole
// before it is printed, a few hundred megabytes at most.
constexpr long long SERIES_ROWS_MAX = 4'000'000;
constexpr long long SECONDS_PER_DAY = 86'400;
constexpr double LATITUDE_LIMIT_DEG = 90.0;
constexpr double LONGITUDE_LIMIT_DEG = 180.0;
// The time `day` reckons the Moon's age at when a date is given without a time.
constexpr ClockTime NOON{12, 0, 0};
constexpr int JST_OFFSET_S = 9 * 3600;

// The options the toolkit takes for the window itself, with one dash or two.
constexpr const char* TOOLKIT_OPTIONS[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "qwindowicon",
                                           "qwindowtitle",    "reverse",
                                           "session",         "style",
                                           "stylesheet",      "widgetcount",
                                           "display",         "geometry",
                                           "qmljsdebugger",   "nograb",
                                           "dograb",          "sync"};

// The commands, with the arguments they take and what they do.
struct CommandDefinition {
    const char* name;
    const char* arguments;    // for the usage line
    const char* description;  // one line, Japanese
    bool takesPlace;          // --place, --lat, --lon
    bool takesIcs;            // --format ics
    int positionalMax;
};
constexpr std::array<CommandDefinition, 6> COMMANDS = {{
    {"at", "[日付 [時刻]]", "その日時（既定は現在）のメインウィンドウの全欄を表示します。", true,
     false, 2},
    {"day", "[日付 [時刻]]", "その日（既定は今日）の出入り・南中・薄明・月齢・暦を表示します。",
     true, false, 2},
    {"month", "[年-月]", "その月（既定は今月）の毎日の行を表示します。", true, false, 1},
    {"almanac", "[年]", "その年（既定は今年）の月相・二十四節気・雑節を表示します。", false, true,
     1},
    {"series", "", "--from から --to まで --step ごとの太陽と月の位置を表示します。", true, false,
     0},
    {"places", "", "場所の一覧（名前・緯度・経度）を表示します。", false, false, 0},
}};

// The few texts of QCommandLineParser's help in Japanese, so that the help reads in one
// language.
class HelpTranslator final : public QTranslator {
  public:
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (std::strcmp(context, "QCommandLineParser") != 0) return QString();
        static const std::array<std::pair<const char*, const char*>, 5> texts = {{
            {"Usage: %1", "使い方: %1"},
            {"Options:", "オプション:"},
            {"Arguments:", "引数:"},
            {"[options]", "[オプション]"},
            {"Displays version information.", "版を表示して終了します。"},
        }};
        for (const auto& [english, japanese] : texts) {
            if (std::strcmp(sourceText, english) == 0) return QString::fromUtf8(japanese);
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// A usage error, or a refused calculation, with its one line of reason.
struct Failure {
    int status;
    std::string reason;
};

Failure usage(const std::string& reason) {
    return {EXIT_USAGE, reason};
}

Failure refused(const std::string& reason) {
    return {EXIT_REFUSED, reason};
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// The user's decimal separator, as the window shows figures with.
std::string localeDecimalSeparator() {
    return utf8(QLocale().decimalPoint());
}

// The place of a command: the name its caption shows and its coordinates.
struct Place {
    std::string caption;
    double latitude;
    double longitude;
};

// The present JST date and time from the clock, to the second.
astro::CivilTime nowJst(const Clock& clock) {
    const QDateTime japan = clock().toUTC().addSecs(JST_OFFSET_S);
    const QDate date = japan.date();
    const QTime time = japan.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

// The options of a command.
struct CommandOptions {
    QCommandLineOption help{{"h", "help"}, "この説明を表示して終了します。"};
    QCommandLineOption place{"place", "場所の一覧（places）にある名前の場所で計算します。", "名前"};
    QCommandLineOption latitude{"lat", "緯度（度、北緯が正）。--lon と組で指定します。", "度"};
    QCommandLineOption longitude{"lon", "経度（度、東経が正）。--lat と組で指定します。", "度"};
    QCommandLineOption format{"format", "出力の形式: tsv（既定）、csv、json。", "形式", "tsv"};
    QCommandLineOption icsFormat{"format", "出力の形式: tsv（既定）、csv、json、ics。", "形式",
                                 "tsv"};
    QCommandLineOption from{"from", "最初の日時 YYYY-MM-DD[THH:MM[:SS]]（日本標準時）。", "日時"};
    QCommandLineOption to{"to", "最後の日時 YYYY-MM-DD[THH:MM[:SS]]（日本標準時）。", "日時"};
    QCommandLineOption step{"step", "間隔: 数と単位 s、m、h、d（例 1m、10s、1h）。", "間隔"};
};

// The parser of one command, with its options and arguments.
void describeCommand(QCommandLineParser& parser, CommandOptions& options,
                     const CommandDefinition& definition) {
    parser.setApplicationDescription(QString::fromUtf8(definition.description));
    parser.addOption(options.help);
    if (definition.takesPlace) {
        parser.addOption(options.place);
        parser.addOption(options.latitude);
        parser.addOption(options.longitude);
    }
    parser.addOption(definition.takesIcs ? options.icsFormat : options.format);
    if (std::strcmp(definition.name, "series") == 0) {
        parser.addOption(options.from);
        parser.addOption(options.to);
        parser.addOption(options.step);
    }
}

// The parser's complaint in Japanese.
Failure parserFailure(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) return usage("不明なオプションです: " + utf8(unknown.join(", ")));
    return usage("オプションの書き方が正しくありません（" + utf8(parser.errorText()) + "）");
}

// The place the options name, or the start file's, or 東京.
std::variant<Place, Failure> placeOf(const QCommandLineParser& parser,
                                     const CommandOptions& options) {
    const bool named = parser.isSet(options.place);
    const bool typedLatitude = parser.isSet(options.latitude);
    const bool typedLongitude = parser.isSet(options.longitude);
    if (named && (typedLatitude || typedLongitude)) {
        return usage("--place と --lat/--lon は同時に指定できません。");
    }
    if (typedLatitude != typedLongitude) return usage("--lat と --lon は組で指定してください。");
    if (named) {
        const std::string name = utf8(parser.value(options.place));
        const std::optional<int> position = placeListPosition(name);
        if (!position) {
            return usage("場所の一覧にない名前です: " + name +
                         "（「sunmoonpos places」で一覧を表示します）");
        }
        const City city = *cityAtListPosition(*position);
        return Place{std::string(city.name), city.latitude, city.longitude};
    }
    if (typedLatitude) {
        const std::string latitudeText = utf8(parser.value(options.latitude));
        const std::string longitudeText = utf8(parser.value(options.longitude));
        const std::optional<double> latitude = readDegrees(latitudeText);
        const std::optional<double> longitude = readDegrees(longitudeText);
        if (!latitude) return usage("緯度を数として読めません: " + latitudeText);
        if (!longitude) return usage("経度を数として読めません: " + longitudeText);
        if (!(std::fabs(*latitude) <= LATITUDE_LIMIT_DEG)) {
            return refused("緯度は -90〜90 度の範囲で指定してください: " + latitudeText);
        }
        if (!(std::fabs(*longitude) <= LONGITUDE_LIMIT_DEG)) {
            return refused("経度は -180〜180 度の範囲で指定してください: " + longitudeText);
        }
        const City typed = *cityAtListPosition(TYPED_COORDINATES_POSITION);
        return Place{std::string(typed.name), *latitude, *longitude};
    }
    const StartPlace start =
        startPlaceOf(readStartFileAt(QDir::current().filePath(START_FILE_NAME)));
    const City city = *cityAtListPosition(start.listPosition);
    return Place{std::string(city.name), start.latitude, start.longitude};
}

// The output format asked for.
std::variant<OutputFormat, Failure> formatOf(const QCommandLineParser& parser,
                                             const CommandOptions& options, bool icsAllowed) {
    const std::string text = utf8(parser.value(options.format));
    const std::optional<OutputFormat> format = readOutputFormat(text);
    if (!format || (*format == OutputFormat::Ics && !icsAllowed)) {
        return usage(std::string("形式は tsv、csv、json") + (icsAllowed ? "、ics" : "") +
                     " のいずれかです: " + text);
    }
    return *format;
}

// The date argument at `index`, or `fallback` where there is none.
std::variant<CalendarDate, Failure> dateArgument(const QStringList& positional, int index,
                                                 const CalendarDate& fallback) {
    if (positional.size() <= index) return fallback;
    const std::string text = utf8(positional[index]);
    const std::optional<CalendarDate> date = readDate(text);
    if (!date) return usage("日付を読めません（YYYY-MM-DD で指定してください）: " + text);
    return *date;
}

// The time argument at `index`, or `fallback` where there is none.
std::variant<ClockTime, Failure> timeArgument(const QStringList& positional, int index,
                                              const ClockTime& fallback) {
    if (positional.size() <= index) return fallback;
    const std::string text = utf8(positional[index]);
    const std::optional<ClockTime> time = readClockTime(text);
    if (!time)
        return usage("時刻を読めません（HH:MM または HH:MM:SS で指定してください）: " + text);
    return *time;
}

// The calculation's numbers for an instant at a place.
astro::EnteredValues enteredOf(const astro::CivilTime& t, const Place& place) {
    return {double(t.year),   double(t.month),  double(t.day),  double(t.hour),
            double(t.minute), double(t.second), place.latitude, place.longitude};
}

// The output of a command that succeeded, or why it did not.
using Outcome = std::variant<std::string, Failure>;

Outcome runAt(const astro::CivilTime& t, const Place& place, OutputFormat format) {
    astro::WorkingVariables v;
    const CalculationOutcome outcome = runCalculation(v, enteredOf(t, place));
    if (outcome.refusal) return refused(refusalMessage(*outcome.refusal));
    const std::array<std::string, astro::ENTERED_FIELD_COUNT> boxes = {
        std::to_string(t.year),         std::to_string(t.month),        std::to_string(t.day),
        std::to_string(t.hour),         std::to_string(t.minute),       std::to_string(t.second),
        coordinateText(place.latitude), coordinateText(place.longitude)};
    if (format == OutputFormat::Tsv) {
        return copiedLines(boxes, place.caption,
                           resultTexts(outcome.shown, localeDecimalSeparator()));
    }
    const std::string lines = copiedLines(boxes, place.caption, resultTexts(outcome.shown, "."));
    return namedValuesText(namedValuesOfLines(lines), isoInstant(t), format);
}

Outcome runDay(const astro::CivilTime& t, const Place& place, OutputFormat format) {
    const std::vector<astro::AltitudeSample> samples = astro::dayAltitudes(
        t.year, t.month, t.day, place.latitude, place.longitude, DAY_ALTITUDE_STEPS);
    const std::optional<double> julianDay =
        enteredJulianDay({double(t.year), double(t.month), double(t.day), double(t.hour),
                          double(t.minute), double(t.second)});
    if (samples.empty() || !julianDay) return refused("この日は計算できる範囲を超えています。");
    const std::vector<astro::DayEvent> events =
        astro::dayEvents(t.year, t.month, t.day, place.latitude, place.longitude);
    const std::string separator =
        format == OutputFormat::Tsv ? localeDecimalSeparator() : std::string(".");
    const DaySummary summary = summariseDay(events, samples, astro::moonAge(*julianDay), separator);

    std::vector<NamedValue> values;
    const std::string instant = isoInstant(t);
    values.emplace_back("日付", instant.substr(0, instant.find('T')));
    values.emplace_back(std::string(PLACE_FIELD_NAME), place.caption);
    values.emplace_back(std::string(enteredFieldName(astro::LATITUDE)),
                        coordinateText(place.latitude));
    values.emplace_back(std::string(enteredFieldName(astro::LONGITUDE)),
                        coordinateText(place.longitude));
    // The day window's rows in its order: the Sun's with the length of the day, the
    // twilights, the Moon's with its age at noon, the calendar.
    DaySummary rows = summary;
    std::vector<DayRow> calendar;
    if (const std::optional<MonthRow> row =
            monthRowOf(t.year, t.month, t.day, place.latitude, place.longitude, events)) {
        DayAlmanacRows almanac = dayAlmanacRows(t.year, t.month, *row, separator);
        rows.sun.push_back(almanac.daylight);
        rows.moon.push_back(almanac.noonMoonAge);
        calendar = std::move(almanac.calendar);
    }
    for (const auto* group : {&rows.sun, &rows.twilight, &rows.moon, &calendar}) {
        for (const DayRow& row : *group) values.emplace_back(row.name, row.value);
    }
    for (const std::string& note : summary.notes) values.emplace_back("備考", note);
    return namedValuesText(values, isoInstant(t), format);
}

Outcome runMonth(const CalendarDate& month, const Place& place, OutputFormat format) {
    const std::optional<MonthTable> table =
        monthTable(month.year, month.month, place.latitude, place.longitude);
    if (!table) return refused("この月は計算できる範囲を超えています。");
    const std::string separator =
        format == OutputFormat::Tsv ? localeDecimalSeparator() : std::string(".");
    return monthText(*table, format, separator);
}

Outcome runAlmanac(int year, OutputFormat format) {
    std::string text = almanacText(year, format);
    if (text.empty())
        return refused("暦（月相・二十四節気・雑節）は 1800〜2400 年について計算します。");
    return text;
}

Outcome runSeries(const QCommandLineParser& parser, const CommandOptions& options,
                  const Place& place, OutputFormat format) {
    for (const QCommandLineOption* option : {&options.from, &options.to, &options.step}) {
        if (!parser.isSet(*option)) {
            return usage("series には --from、--to、--step が要ります。");
        }
    }
    const std::string fromText = utf8(parser.value(options.from));
    const std::string toText = utf8(parser.value(options.to));
    const std::string stepText = utf8(parser.value(options.step));
    const std::optional<astro::CivilTime> from = readInstant(fromText);
    const std::optional<astro::CivilTime> to = readInstant(toText);
    const std::optional<long long> step = readStep_seconds(stepText);
    if (!from) return usage("--from の日時を読めません（YYYY-MM-DDTHH:MM[:SS]）: " + fromText);
    if (!to) return usage("--to の日時を読めません（YYYY-MM-DDTHH:MM[:SS]）: " + toText);
    if (!step) return usage("--step の間隔を読めません（例 1m、10s、1h、1d）: " + stepText);
    auto julianDayOf = [](const astro::CivilTime& t) {
        return enteredJulianDay({double(t.year), double(t.month), double(t.day), double(t.hour),
                                 double(t.minute), double(t.second)});
    };
    const std::optional<double> fromDay = julianDayOf(*from);
    const std::optional<double> toDay = julianDayOf(*to);
    if (!fromDay || !toDay) {
        astro::WorkingVariables v;
        const CalculationOutcome outcome =
            runCalculation(v, enteredOf(fromDay ? *to : *from, place));
        if (outcome.refusal) return refused(refusalMessage(*outcome.refusal));
        return refused("この日時は計算できる範囲を超えています。");
    }
    const long long span_s = std::llround((*toDay - *fromDay) * SECONDS_PER_DAY);
    if (span_s < 0) return usage("--to が --from より前です。");
    const long long rows = span_s / *step + 1;
    if (rows > SERIES_ROWS_MAX) {
        return usage("行数が多すぎます（" + std::to_string(rows) + " 行、最大 " +
                     std::to_string(SERIES_ROWS_MAX) + " 行）。--step を大きくしてください。");
    }
    const SeriesFormat seriesFormat = format == OutputFormat::Csv    ? SeriesFormat::Csv
                                      : format == OutputFormat::Json ? SeriesFormat::Json
                                                                     : SeriesFormat::Tsv;
    SeriesTable table =
        seriesTable({*from, *step, rows, place.latitude, place.longitude}, seriesFormat);
    if (table.refusal) return refused(refusalMessage(*table.refusal));
    return std::move(table.text);
}

// The help of the program as a whole.
std::string programHelp() {
    std::string text =
        "使い方: sunmoonpos [コマンド [引数] [オプション]]\n\n"
        "コマンドなしで起動するとウィンドウを開きます。コマンドを付けると、"
        "計算結果を標準出力に書いて終了します（ウィンドウは使いません）。\n\n"
        "コマンド:\n";
    for (const CommandDefinition& definition : COMMANDS) {
        char line[512];
        std::snprintf(line, sizeof line, "  %-8s %s\n", definition.name, definition.description);
        text += line;
    }
    text +=
        "\nオプション:\n"
        "  -h, --help     この説明を表示して終了します。\n"
        "  -v, --version  版を表示して終了します。\n\n"
        "各コマンドの説明: sunmoonpos コマンド --help\n"
        "日付は YYYY-MM-DD、時刻は HH:MM[:SS]、いずれも日本標準時です。\n"
        "終了状態: 0 成功、1 計算できない値（範囲外の年・場所）、2 コマンドラインの誤り。\n";
    return text;
}

// Runs one command whose parser has read the arguments.
Outcome runParsed(const CommandDefinition& definition, const QCommandLineParser& parser,
                  const CommandOptions& options, const Clock& clock) {
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > definition.positionalMax) {
        return usage(std::string("引数が多すぎます: ") +
                     utf8(positional.mid(definition.positionalMax).join(' ')));
    }
    const std::variant<OutputFormat, Failure> format =
        formatOf(parser, options, definition.takesIcs);
    if (const auto* failure = std::get_if<Failure>(&format)) return *failure;
    const OutputFormat outputFormat = std::get<OutputFormat>(format);
    const std::string name = definition.name;
    const astro::CivilTime now = nowJst(clock);
    const CalendarDate today{now.year, now.month, now.day};

    if (name == "places") return placesText(outputFormat);
    if (name == "almanac") {
        if (positional.isEmpty()) return runAlmanac(now.year, outputFormat);
        const std::string text = utf8(positional[0]);
        const std::optional<int> year = readYear(text);
        if (!year) return usage("年を読めません（YYYY で指定してください）: " + text);
        return runAlmanac(*year, outputFormat);
    }

    const std::variant<Place, Failure> placeOrFailure = placeOf(parser, options);
    if (const auto* failure = std::get_if<Failure>(&placeOrFailure)) return *failure;
    const Place& place = std::get<Place>(placeOrFailure);
    if (name == "series") return runSeries(parser, options, place, outputFormat);
    if (name == "month") {
        if (positional.isEmpty()) return runMonth(today, place, outputFormat);
        const std::string text = utf8(positional[0]);
        const std::optional<CalendarDate> month = readYearMonth(text);
        if (!month) return usage("年月を読めません（YYYY-MM で指定してください）: " + text);
        return runMonth(*month, place, outputFormat);
    }

    // at and day: the date, and the time (now's when no date is given).
    const std::variant<CalendarDate, Failure> date = dateArgument(positional, 0, today);
    if (const auto* failure = std::get_if<Failure>(&date)) return *failure;
    const ClockTime defaultTime = positional.isEmpty() ? ClockTime{now.hour, now.minute, now.second}
                                  : name == "day"      ? NOON
                                                       : ClockTime{0, 0, 0};
    const std::variant<ClockTime, Failure> time = timeArgument(positional, 1, defaultTime);
    if (const auto* failure = std::get_if<Failure>(&time)) return *failure;
    const CalendarDate d = std::get<CalendarDate>(date);
    const ClockTime c = std::get<ClockTime>(time);
    const astro::CivilTime instant{d.year, d.month, d.day, c.hour, c.minute, c.second};
    if (name == "day") return runDay(instant, place, outputFormat);
    return runAt(instant, place, outputFormat);
}

// The text of a failure for stderr: the program's name and the reason, on one line.
std::string failureLine(const Failure& failure) {
    return std::string(PROGRAM) + ": " + failure.reason + "\n";
}

}  // namespace

bool wantsCommand(int argc, const char* const* argv) {
    if (argc < 2 || argv[1] == nullptr) return false;
    const std::string first = argv[1];
    if (first == "-h" || first == "-v") return true;
    if (first.empty() || first[0] != '-') return true;
    if (first.compare(0, 2, "--") != 0) return false;
    // The toolkit takes its own options with one dash or two; the rest are the commands'.
    const std::string name = first.substr(2, first.find('=') - 2);
    for (const char* toolkitOption : TOOLKIT_OPTIONS) {
        if (name == toolkitOption) return false;
    }
    return true;
}

CommandResult runCommand(const QStringList& arguments, const Clock& clock) {
    static HelpTranslator translator;
    static const bool installed = QCoreApplication::installTranslator(&translator);
    (void)installed;

    CommandResult result;
    auto fail = [&result](const Failure& failure) {
        result.status = failure.status;
        result.out.clear();
        result.err += failureLine(failure);
        if (failure.status == EXIT_USAGE) {
            result.err += std::string(PROGRAM) + ": 使い方は「sunmoonpos --help」で表示します。\n";
        }
        return result;
    };

    // The first word is the command; the options before it are the program's own.
    QCommandLineParser top;
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({"h", "help", "help-all"}, "この説明を表示して終了します。");
    const QCommandLineOption version({"v", "version"}, "版を表示して終了します。");
    top.addOption(help);
    top.addOption(version);
    if (!top.parse(arguments)) return fail(parserFailure(top));
    if (top.isSet(help)) {
        result.out = programHelp();
        return result;
    }
    if (top.isSet(version)) {
        result.out =
            std::string(PROGRAM) + " " + utf8(QCoreApplication::applicationVersion()) + "\n";
        return result;
    }
    const QStringList words = top.positionalArguments();
    if (words.isEmpty()) return fail(usage("コマンドがありません。"));
    const CommandDefinition* definition = nullptr;
    for (const CommandDefinition& candidate : COMMANDS) {
        if (words[0] == QLatin1String(candidate.name)) definition = &candidate;
    }
    if (definition == nullptr) return fail(usage("不明なコマンドです: " + utf8(words[0])));

    QCommandLineParser parser;
    CommandOptions options;
    describeCommand(parser, options, *definition);
    QStringList commandArguments = words;
    commandArguments[0] = QString::fromUtf8(PROGRAM);
    if (!parser.parse(commandArguments)) return fail(parserFailure(parser));
    if (parser.isSet(options.help)) {
        // The toolkit's usage line names the program by its path and leaves the command out.
        const std::string text = utf8(parser.helpText());
        result.out = std::string("使い方: ") + PROGRAM + " " + definition->name + " " +
                     definition->arguments + (*definition->arguments != '\0' ? " " : "") +
                     "[オプション]" + text.substr(text.find('\n'));
        return result;
    }
    Outcome outcome = runParsed(*definition, parser, options, clock);
    if (const auto* failure = std::get_if<Failure>(&outcome)) return fail(*failure);
    result.out = std::move(std::get<std::string>(outcome));
    return result;
}

int commandMain(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf8(PROGRAM));
    QCoreApplication::setApplicationVersion(QStringLiteral(SUNMOON_VERSION));
    const CommandResult result = runCommand(QCoreApplication::arguments());
    // The whole output is written at once, after the command has finished, so that a table
    // is printed whole or not at all.
    bool written =
        std::fwrite(result.out.data(), 1, result.out.size(), stdout) == result.out.size();
    written = std::fflush(stdout) == 0 && written;
    std::fputs(result.err.c_str(), stderr);
    if (!written) {
        std::fprintf(stderr, "%s: 標準出力に書き込めませんでした: %s\n", PROGRAM,
                     std::strerror(errno));
        return EXIT_REFUSED;
    }
    return result.status;
}

}  // namespace app::cli
