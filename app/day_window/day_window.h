// The window "一日の動き": the day of the instant last calculated at its place, as a chart
// of the Sun's and the Moon's altitude and as a list of the day's events.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "app/core/day_summary.h"
#include "astro/civil_time.h"

class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace app {

class DayChart;

class DayWindow : public QWidget {
    Q_OBJECT
  public:
    // A window of its own (owned by `parent`, if any), hidden until shown.
    explicit DayWindow(QWidget* parent = nullptr);

    // Shows the JST calendar day of the instant `julianDay` (UT) at the place (degrees,
    // north and east positive), with the line of the instant and the Moon's age at it. The
    // events and the curves are computed again only when the day or the place changed.
    void showCalculation(double julianDay, double latitude, double longitude);
    // Shows nothing of a day, and in one line why.
    void showRefusal(const QString& reason);

    DayChart* chart() const { return chart_; }
    // The date the chart shows, its time fields 0; nothing while no day is shown.
    std::optional<astro::CivilTime> shownDate() const;
    // The line above the chart (the date and the place), the refusal shown (empty if none),
    // the sentences for a body up or down all day.
    QString heading() const;
    QString message() const;
    QStringList notes() const;
    // What a row of the list shows ("日の出" gives "06:37"); empty for no such row.
    QString rowValue(const QString& name) const;
    // Every row as "name<TAB>value" lines, preceded by the date and the place, as
    // Ctrl+Shift+C copies them; the Moon's age named with its instant, "月齢（19:30）".
    QString eventText() const;
    // How many times the day's events and curves were computed.
    int dayComputations() const { return dayComputations_; }

    // The buttons that move the main window's date a day back and on.
    QPushButton* previousDayButton() const { return previousDay_; }
    QPushButton* nextDayButton() const { return nextDay_; }

  signals:
    // The user pointed at a time of the chart's day: minutes since 00:00 JST.
    void timePointed(int minuteOfDay);
    // The user asked for the instant `days` days on (前日, 翌日, PageUp, PageDown: -1 or 1).
    void daysStepped(int days);
    // The user asked for the instant `minutes` minutes on (Left, Right: -1 or 1).
    void minutesStepped(int minutes);

  private:
    // The day and the place whose events are shown.
    struct ShownDay {
        astro::CivilTime date;
        double latitude;
        double longitude;
        double dayStartJulianDay;
    };
    struct Row {
        QLabel* name;
        QLabel* value;
    };
    void computeDay(const astro::CivilTime& date, double latitude, double longitude,
                    double moonAgeDays);
    // The rows of one column of the list, made when first needed.
    void fillRows(std::vector<Row>& rows, int column, const std::vector<DayRow>& values);
    void clearRows();
    // The value of the row of the Moon's age at the instant; null before a day is shown.
    QLabel* moonAgeValue() const;
    void copyEventText() const;

    QLabel* heading_ = nullptr;
    QPushButton* previousDay_ = nullptr;
    QPushButton* nextDay_ = nullptr;
    DayChart* chart_ = nullptr;
    QScrollArea* rowsArea_ = nullptr;
    QGridLayout* rowsGrid_ = nullptr;
    std::vector<Row> sunRows_;
    std::vector<Row> twilightRows_;
    std::vector<Row> moonRows_;
    std::vector<Row> calendarRows_;
    // The clock time of the instant shown, "19:30", which the copy gives the Moon's age at.
    QString instantClock_;
    QLabel* notes_ = nullptr;
    QLabel* message_ = nullptr;
    std::optional<ShownDay> shown_;
    QString placeName_;
    int dayComputations_ = 0;
};

}  // namespace app
