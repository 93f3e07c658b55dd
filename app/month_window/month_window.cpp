#include "app/month_window/month_window.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "app/controls/application_setup.h"
#include "app/controls/box_text.h"
#include "app/controls/side_window_look.h"
#include "app/core/almanac_calendar.h"
#include "app/core/city_table.h"
#include "app/core/coordinate_text.h"
#include "app/core/month_text.h"
#include "app/main_window/start_file/start_file_io.h"
#include "app/main_window/start_file/start_file_message.h"
#include "app/month_window/month_model.h"
#include "astro/civil_time.h"

namespace app {

namespace {

constexpr int MONTHS_PER_YEAR = 12;
constexpr int JST_OFFSET_SECONDS = 9 * 3600;

// Point size of the table, in the main window's face.
constexpr double TEXT_POINT_SIZE = 10.0;

const char FOOTNOTE[] =
    "時刻は日本標準時で、1分未満を四捨五入しています。方位は北を 0°、東を 90° とする、"
    "その時刻の天体の方位です。昼の長さは日の出から日の入りまで、正午月齢は 12 時の月齢です。";

std::string decimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

// The date of the system clock in Japan Standard Time.
QDate systemToday() {
    return QDateTime::currentDateTimeUtc().addSecs(JST_OFFSET_SECONDS).date();
}

// "東京　北緯 35.6895°・東経 139.6917°": the built-in place's name when the coordinates are
// one's, then the coordinates in the shortest text that reads back as each.
QString placeText(double latitude_deg, double longitude_deg) {
    const QString name = builtInPlaceAt(latitude_deg, longitude_deg);
    return (name.isEmpty() ? QString() : name + QStringLiteral("　")) +
           coordinatesCaption(latitude_deg, longitude_deg);
}

// Writes `contents` at `path` with the start file's safe save; what the user is told on
// failure: what could not be saved, the reason and the file.
std::optional<QString> saveSafely(const QString& path, const std::string& contents,
                                  const QString& what) {
    const std::optional<StartFileWriteFailure> failure = writeStartFileAt(path, contents);
    if (!failure) return std::nullopt;
    return what + QStringLiteral("を保存できませんでした。元のファイルはそのままです。") +
           QStringLiteral("\n理由：") + startFileFailureReason(*failure) +
           QStringLiteral("\nファイル：") + QDir::toNativeSeparators(failure->path);
}

// The word joiner, which forbids a line break where it stands.
constexpr char16_t WORD_JOINER = 0x2060;
constexpr char16_t NO_BREAK_SPACE = 0x00A0;

// Given `text`; returns it with no place left where a line may break.
QString unbreakable(const QString& text) {
    QString joined;
    for (const QChar c : text) {
        if (!joined.isEmpty()) joined += QChar(WORD_JOINER);
        joined += c == QLatin1Char(' ') ? QChar(NO_BREAK_SPACE) : c;
    }
    return joined;
}

// Given a text made by `unbreakable`; returns it as it reads.
QString readable(QString text) {
    return text.remove(QChar(WORD_JOINER)).replace(QChar(NO_BREAK_SPACE), QLatin1Char(' '));
}

}  // namespace

MonthWindow::MonthWindow(QWidget* parent, Today today)
    : QWidget(parent, Qt::Window), today_(today ? std::move(today) : Today(systemToday)) {
    dressSideWindow(*this, "MonthWindow", "月の暦", TEXT_POINT_SIZE);

    SideWindowTop top{};
    QVBoxLayout* layout =
        sideWindowLayout(*this, "月と場所", "◀ 前の月", "前の月を表示します (PageUp)", "次の月 ▶",
                         "次の月を表示します (PageDown)", top);
    heading_ = top.heading;
    previous_ = top.previous;
    next_ = top.next;

    phasesAndTerms_ = new QLabel(this);
    phasesAndTerms_->setWordWrap(true);
    phasesAndTerms_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    phasesAndTerms_->setAccessibleName(QStringLiteral("この月の月相と二十四節気"));
    layout->addWidget(phasesAndTerms_);

    message_ = reasonLabel(this);
    layout->addWidget(message_);

    model_ = new MonthModel(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->setAccessibleName(QStringLiteral("日ごとの暦"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_, 1);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        const int day = model_->dayOfRow(index.row());
        if (shown_ && day != 0) emit dayChosen(shown_->year, shown_->month, day);
    });

    auto* bottom = new QHBoxLayout;
    saveCsv_ = sideButton("CSVで保存…", "この月を CSV ファイルに保存します", this);
    saveCalendar_ =
        sideButton("カレンダーに書き出す…",
                   "この年の月相・二十四節気・雑節を iCalendar ファイルに書き出します", this);
    bottom->addWidget(saveCsv_);
    bottom->addWidget(saveCalendar_);
    bottom->addStretch(1);
    layout->addLayout(bottom);

    layout->addWidget(footnoteLabel(FOOTNOTE, this));

    connect(previous_, &QPushButton::clicked, this, [this] { stepMonth(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { stepMonth(1); });
    connect(saveCsv_, &QPushButton::clicked, this, &MonthWindow::askAndSaveCsv);
    connect(saveCalendar_, &QPushButton::clicked, this, &MonthWindow::askAndSaveCalendar);
    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {QKeySequence(Qt::Key_PageUp), [this] { stepMonth(-1); }},
        {QKeySequence(Qt::Key_PageDown), [this] { stepMonth(1); }},
        {QKeySequence(QStringLiteral("Ctrl+Shift+C")), [this] { copyTabText(); }},
    };
    for (const auto& [key, action] : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
    for (QPushButton* b : {previous_, next_, saveCsv_, saveCalendar_}) b->setEnabled(false);

    resize(1180, 720);
}

void MonthWindow::showCalculation(double julianDay, double latitude_deg, double longitude_deg) {
    const std::optional<astro::CivilTime> instant = astro::civilTimeOf(julianDay);
    if (!instant) {
        showRefusal(
            QStringLiteral("この日時の日付は表示できる範囲（年 -32768〜32767）を超えています。"));
        return;
    }
    instantDate_ = QDate(instant->year, instant->month, instant->day);
    const bool sameMonth =
        shown_ && shown_->year == instant->year && shown_->month == instant->month &&
        shown_->latitude_deg == latitude_deg && shown_->longitude_deg == longitude_deg;
    if (sameMonth) {
        markDays();
    } else {
        showMonth(instant->year, instant->month, latitude_deg, longitude_deg);
    }
    const int row = model_->rowOfDay(instant->day);
    if (shown_ && row >= 0) table_->selectRow(row);
}

void MonthWindow::showRefusal(const QString& reason) {
    shown_.reset();
    model_->clear();
    heading_->clear();
    phasesAndTerms_->clear();
    message_->setText(reason);
    message_->show();
    for (QPushButton* b : {previous_, next_, saveCsv_, saveCalendar_}) b->setEnabled(false);
}

void MonthWindow::stepMonth(int months) {
    if (!shown_) return;
    const int index = shown_->year * MONTHS_PER_YEAR + (shown_->month - 1) + months;
    const int year = static_cast<int>(std::floor(static_cast<double>(index) / MONTHS_PER_YEAR));
    showMonth(year, index - year * MONTHS_PER_YEAR + 1, shown_->latitude_deg,
              shown_->longitude_deg);
}

void MonthWindow::showMonth(int year, int month, double latitude_deg, double longitude_deg) {
    ++monthComputations_;
    std::optional<MonthTable> table = monthTable(year, month, latitude_deg, longitude_deg);
    if (!table) {
        showRefusal(
            QStringLiteral("%1年%2月は計算できる範囲を超えています。").arg(year).arg(month));
        return;
    }
    shown_ = std::move(table);
    model_->setTable(*shown_, decimalSeparator());
    markDays();
    heading_->setText(QStringLiteral("%1年%2月　").arg(year).arg(month) +
                      placeText(latitude_deg, longitude_deg));
    QStringList marks;
    // Each entry stays on one line when the list wraps: its characters are held together by
    // word joiners and no-break spaces; the entries are separated by ideographic spaces.
    for (const AlmanacMark& mark : shown_->phasesAndTerms)
        marks << unbreakable(QString::fromStdString(markListText(mark)));
    phasesAndTerms_->setText(marks.isEmpty() ? QStringLiteral("（この月の月相と二十四節気は、"
                                                              "1800〜2400年の間で求めます。）")
                                             : marks.join(QStringLiteral("　")));
    message_->clear();
    message_->hide();
    for (QPushButton* b : {previous_, next_, saveCsv_, saveCalendar_}) b->setEnabled(true);
}

void MonthWindow::markDays() {
    if (!shown_) return;
    const auto dayIn = [this](const std::optional<QDate>& date) {
        return date && date->year() == shown_->year && date->month() == shown_->month ? date->day()
                                                                                      : 0;
    };
    model_->setMarkedDays(dayIn(today_()), dayIn(instantDate_));
}

std::optional<std::pair<int, int>> MonthWindow::shownMonth() const {
    if (!shown_) return std::nullopt;
    return std::pair{shown_->year, shown_->month};
}

QString MonthWindow::heading() const {
    return heading_->text();
}

QString MonthWindow::phasesAndTerms() const {
    return readable(phasesAndTerms_->text());
}

QString MonthWindow::message() const {
    return message_->text();
}

QString MonthWindow::tabText() const {
    return shown_ ? QString::fromStdString(monthTabText(*shown_, decimalSeparator())) : QString();
}

void MonthWindow::copyTabText() const {
    if (shown_) QGuiApplication::clipboard()->setText(tabText());
}

std::optional<QString> MonthWindow::saveCsvTo(const QString& path) const {
    if (!shown_) return QStringLiteral("表示している月がありません。");
    return saveSafely(path, monthCsv(*shown_, decimalSeparator()), QStringLiteral("CSV ファイル"));
}

std::optional<QString> MonthWindow::saveCalendarTo(const QString& path) const {
    if (!shown_) return QStringLiteral("表示している月がありません。");
    const std::string calendar = almanacCalendar(shown_->year);
    if (calendar.empty()) {
        return QStringLiteral(
                   "%1年の月相・二十四節気・雑節は求められません（1800〜2400年の間で"
                   "求めます）。")
            .arg(shown_->year);
    }
    return saveSafely(path, calendar, QStringLiteral("カレンダーのファイル"));
}

void MonthWindow::askAndSaveCsv() {
    if (!shown_) return;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("CSVで保存"),
        QStringLiteral("月の暦_%1-%2.csv").arg(shown_->year).arg(shown_->month, 2, 10, QChar('0')),
        QStringLiteral("CSV ファイル (*.csv)"));
    if (path.isEmpty()) return;
    if (const std::optional<QString> failure = saveCsvTo(path)) tellFailure(*failure);
}

void MonthWindow::askAndSaveCalendar() {
    if (!shown_) return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("カレンダーに書き出す"),
                                                      QStringLiteral("暦_%1.ics").arg(shown_->year),
                                                      QStringLiteral("iCalendar ファイル (*.ics)"));
    if (path.isEmpty()) return;
    if (const std::optional<QString> failure = saveCalendarTo(path)) tellFailure(*failure);
}

void MonthWindow::tellFailure(const QString& text) {
    QMessageBox::warning(this, windowTitle(), text);
}

}  // namespace app
