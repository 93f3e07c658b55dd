#include "app/day_window/day_window.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "app/controls/application_setup.h"
#include "app/controls/box_text.h"
#include "app/controls/side_window_look.h"
#include "app/core/city_table.h"
#include "app/core/coordinate_text.h"
#include "app/core/day_almanac.h"
#include "app/core/day_summary.h"
#include "app/core/month_table.h"
#include "app/day_window/day_chart.h"
#include "astro/day_events.h"
#include "astro/moon_age.h"

namespace app {

namespace {

// Samples of the curves over the day: one every five minutes, a few pixels apart on the
// chart; the curves bend little enough between them to look smooth.
constexpr int ALTITUDE_STEPS = 288;

// The list's columns in its grid: name and value of each, a stretching gap between.
constexpr int SUN_COLUMN = 0;
constexpr int TWILIGHT_COLUMN = 3;
constexpr int MOON_COLUMN = 6;
constexpr int CALENDAR_COLUMN = 9;

// The most sentences of one day: the Sun's (up or down all day), a night in twilight, the
// Moon's.
constexpr int MAX_NOTE_LINES = 3;

// The row of the Moon's age at the instant, as summariseDay names it.
constexpr char MOON_AGE_ROW[] = "月齢";

// Point size of the list, in the face the main window uses.
constexpr double TEXT_POINT_SIZE = 11.0;

std::string decimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

QString dateText(const astro::CivilTime& date) {
    return QStringLiteral("%1年%2月%3日").arg(date.year).arg(date.month).arg(date.day);
}

// A button beside the heading, which leaves Enter to the window.
const char FOOTNOTE[] =
    "時刻は精密な太陽・月の位置から新聞や暦と同じ決め方で求めた日本標準時（1分未満四捨五入）で、"
    "日の出・日の入りは太陽の上の縁が、月の出・月の入りは月の中心が地平線を通る時刻（大気差 "
    "35′08″、標高 0 m）、薄明は太陽の中心が高度 −6°・−12°・−18° になる時刻です。";

}  // namespace

DayWindow::DayWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    dressSideWindow(*this, "DayWindow", "一日の動き", TEXT_POINT_SIZE);

    SideWindowTop top{};
    QVBoxLayout* layout =
        sideWindowLayout(*this, "日付と場所", "◀ 前日", "前の日を計算します (PageUp)", "翌日 ▶",
                         "次の日を計算します (PageDown)", top);
    heading_ = top.heading;
    previousDay_ = top.previous;
    nextDay_ = top.next;
    connect(previousDay_, &QPushButton::clicked, this, [this] { emit daysStepped(-1); });
    connect(nextDay_, &QPushButton::clicked, this, [this] { emit daysStepped(1); });

    chart_ = new DayChart(this);
    layout->addWidget(chart_, 1);
    connect(chart_, &DayChart::timePointed, this, &DayWindow::timePointed);

    // The rows in a strip that scrolls sideways where the window is narrower than they are
    // (a small screen, where the window stands beside the main window's controls).
    rowsArea_ = new QScrollArea(this);
    rowsArea_->setFrameShape(QFrame::NoFrame);
    rowsArea_->setWidgetResizable(true);
    rowsArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowsArea_->setFocusPolicy(Qt::NoFocus);
    auto* rowsWidget = new QWidget(rowsArea_);
    rowsArea_->setWidget(rowsWidget);
    rowsGrid_ = new QGridLayout(rowsWidget);
    rowsGrid_->setContentsMargins(0, 0, 0, 0);
    rowsGrid_->setHorizontalSpacing(14);
    rowsGrid_->setVerticalSpacing(2);
    QFont bold = font();
    bold.setBold(true);
    for (const auto& [column, title] :
         {std::pair{SUN_COLUMN, "太陽"}, std::pair{TWILIGHT_COLUMN, "薄明"},
          std::pair{MOON_COLUMN, "月"}, std::pair{CALENDAR_COLUMN, "暦"}}) {
        auto* header = new QLabel(QString::fromUtf8(title), rowsWidget);
        header->setFont(bold);
        rowsGrid_->addWidget(header, 0, column, 1, 2);
    }
    for (const int gap : {SUN_COLUMN + 2, TWILIGHT_COLUMN + 2, MOON_COLUMN + 2}) {
        rowsGrid_->setColumnMinimumWidth(gap, 12);
        rowsGrid_->setColumnStretch(gap, 1);
    }
    layout->addWidget(rowsArea_);

    notes_ = new QLabel(this);
    notes_->setWordWrap(true);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->setAccessibleName(QStringLiteral("一日中出ている・出ない天体"));
    // Room for the most sentences a day has, kept on every day, so that the chart keeps its
    // height while the user steps through the days.
    notes_->setMinimumHeight(MAX_NOTE_LINES * notes_->fontMetrics().lineSpacing());
    layout->addWidget(notes_);

    message_ = reasonLabel(this);
    layout->addWidget(message_);

    layout->addWidget(footnoteLabel(FOOTNOTE, this));

    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {QKeySequence(QStringLiteral("Ctrl+Shift+C")), [this] { copyEventText(); }},
        {QKeySequence(Qt::Key_PageUp), [this] { emit daysStepped(-1); }},
        {QKeySequence(Qt::Key_PageDown), [this] { emit daysStepped(1); }},
        {QKeySequence(Qt::Key_Left), [this] { emit minutesStepped(-1); }},
        {QKeySequence(Qt::Key_Right), [this] { emit minutesStepped(1); }},
        {QKeySequence(Qt::Key_Escape), [this] { close(); }},
        {QKeySequence(Qt::Key_F2), [this] { close(); }},
    };
    for (const auto& [key, action] : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }

    resize(940, 660);
}

void DayWindow::showCalculation(double julianDay, double latitude, double longitude) {
    const std::optional<astro::CivilTime> instant = astro::civilTimeOf(julianDay);
    if (!instant) {
        showRefusal(
            QStringLiteral("この日時の日付は表示できる範囲（年 -32768〜32767）を超えています。"));
        return;
    }
    const double moonAgeDays = astro::moonAge(julianDay);
    const bool sameDay = shown_ && shown_->date.year == instant->year &&
                         shown_->date.month == instant->month && shown_->date.day == instant->day &&
                         shown_->latitude == latitude && shown_->longitude == longitude;
    instantClock_ = QStringLiteral("%1:%2")
                        .arg(instant->hour, 2, 10, QLatin1Char('0'))
                        .arg(instant->minute, 2, 10, QLatin1Char('0'));
    if (sameDay) {
        if (QLabel* age = moonAgeValue()) {
            age->setText(QString::fromStdString(moonAgeText(moonAgeDays, decimalSeparator())));
        }
    } else {
        computeDay({instant->year, instant->month, instant->day, 0, 0, 0}, latitude, longitude,
                   moonAgeDays);
        if (!shown_) {
            showRefusal(QStringLiteral("この日は計算できる範囲を超えています。"));
            return;
        }
    }
    if (!message_->isHidden()) {
        message_->clear();
        message_->hide();
    }
    chart_->setInstant((julianDay - shown_->dayStartJulianDay) * 24.0);
}

void DayWindow::computeDay(const astro::CivilTime& date, double latitude, double longitude,
                           double moonAgeDays) {
    ++dayComputations_;
    shown_.reset();
    std::vector<astro::AltitudeSample> samples =
        astro::dayAltitudes(date.year, date.month, date.day, latitude, longitude, ALTITUDE_STEPS);
    if (samples.empty()) {
        chart_->clear();
        clearRows();
        return;
    }
    std::vector<astro::DayEvent> events =
        astro::dayEvents(date.year, date.month, date.day, latitude, longitude);
    DaySummary summary = summariseDay(events, samples, moonAgeDays, decimalSeparator());
    std::vector<DayRow> calendar;
    if (const std::optional<MonthRow> row =
            monthRowOf(date.year, date.month, date.day, latitude, longitude, events)) {
        DayAlmanacRows almanac = dayAlmanacRows(date.year, date.month, *row, decimalSeparator());
        summary.sun.push_back(almanac.daylight);
        summary.moon.push_back(almanac.noonMoonAge);
        calendar = std::move(almanac.calendar);
    }
    shown_ = ShownDay{date, latitude, longitude, samples.front().julianDay};
    placeName_ = builtInPlaceAt(latitude, longitude);
    heading_->setText(dateText(date) + QStringLiteral("　") +
                      (placeName_.isEmpty() ? QString() : placeName_ + QStringLiteral("　")) +
                      coordinatesCaption(latitude, longitude));
    fillRows(sunRows_, SUN_COLUMN, summary.sun);
    fillRows(twilightRows_, TWILIGHT_COLUMN, summary.twilight);
    fillRows(moonRows_, MOON_COLUMN, summary.moon);
    fillRows(calendarRows_, CALENDAR_COLUMN, calendar);
    // As tall as the rows and a scroll bar, whether or not it shows, so that the chart keeps
    // its height.
    rowsArea_->setFixedHeight(rowsArea_->widget()->sizeHint().height() +
                              rowsArea_->horizontalScrollBar()->sizeHint().height());
    QStringList notes;
    for (const std::string& note : summary.notes) notes << QString::fromStdString(note);
    notes_->setText(notes.join(QLatin1Char('\n')));
    chart_->setDay(std::move(samples), std::move(events));
}

QLabel* DayWindow::moonAgeValue() const {
    for (const Row& row : moonRows_) {
        if (row.name->text() == QString::fromUtf8(MOON_AGE_ROW)) return row.value;
    }
    return nullptr;
}

void DayWindow::fillRows(std::vector<Row>& rows, int column, const std::vector<DayRow>& values) {
    while (rows.size() < values.size()) {
        const int line = static_cast<int>(rows.size()) + 1;
        QWidget* rowsWidget = rowsArea_->widget();
        Row row{new QLabel(rowsWidget), new QLabel(rowsWidget)};
        row.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        rowsGrid_->addWidget(row.name, line, column);
        rowsGrid_->addWidget(row.value, line, column + 1);
        rows.push_back(row);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool used = i < values.size();
        rows[i].name->setText(used ? QString::fromStdString(values[i].name) : QString());
        rows[i].value->setText(used ? QString::fromStdString(values[i].value) : QString());
        rows[i].value->setAccessibleName(rows[i].name->text());
    }
}

void DayWindow::clearRows() {
    for (std::vector<Row>* rows : {&sunRows_, &twilightRows_, &moonRows_, &calendarRows_}) {
        for (Row& row : *rows) row.value->clear();
    }
    notes_->clear();
}

void DayWindow::showRefusal(const QString& reason) {
    shown_.reset();
    placeName_.clear();
    heading_->clear();
    chart_->clear();
    clearRows();
    message_->setText(QStringLiteral("表示できません：") + reason);
    message_->show();
}

std::optional<astro::CivilTime> DayWindow::shownDate() const {
    if (!shown_) return std::nullopt;
    return shown_->date;
}

QString DayWindow::heading() const {
    return heading_->text();
}

QString DayWindow::message() const {
    return message_->text();
}

QStringList DayWindow::notes() const {
    return notes_->text().isEmpty() ? QStringList() : notes_->text().split(QLatin1Char('\n'));
}

QString DayWindow::rowValue(const QString& name) const {
    for (const std::vector<Row>* rows : {&sunRows_, &twilightRows_, &moonRows_, &calendarRows_}) {
        for (const Row& row : *rows) {
            if (row.name->text() == name) return row.value->text();
        }
    }
    return {};
}

QString DayWindow::eventText() const {
    QStringList lines;
    auto line = [&](const QString& name, const QString& value) {
        lines << name + QLatin1Char('\t') + value;
    };
    if (shown_) {
        line(QStringLiteral("日付"), dateText(shown_->date));
        if (!placeName_.isEmpty()) line(QStringLiteral("場所"), placeName_);
        line(QStringLiteral("緯度"), QString::fromStdString(coordinateText(shown_->latitude)));
        line(QStringLiteral("経度"), QString::fromStdString(coordinateText(shown_->longitude)));
        for (const std::vector<Row>* rows :
             {&sunRows_, &twilightRows_, &moonRows_, &calendarRows_}) {
            for (const Row& row : *rows) {
                if (row.name->text().isEmpty()) continue;
                const bool age = row.value == moonAgeValue();
                line(age ? row.name->text() + QStringLiteral("（") + instantClock_ +
                               QStringLiteral("）")
                         : row.name->text(),
                     row.value->text());
            }
        }
        for (const QString& note : notes()) line(QStringLiteral("備考"), note);
    } else if (!message_->text().isEmpty()) {
        line(QStringLiteral("備考"), message_->text());
    }
    QString text;
    for (const QString& l : lines) text += l + QLatin1Char('\n');
    return text;
}

void DayWindow::copyEventText() const {
    QGuiApplication::clipboard()->setText(eventText());
}

}  // namespace app
