// The window 「月の暦」: the JST month of the instant last calculated at its place, a row per
// day, with the month's phases and solar terms above; the previous and next month; the month
// copied as tab-separated text, saved as CSV, and the year written out as a calendar file.
#pragma once

#include <QDate>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/core/month_table.h"

class QLabel;
class QPushButton;
class QTableView;

namespace app {

class MonthModel;

class MonthWindow : public QWidget {
    Q_OBJECT
  public:
    // Today's date in JST, asked for whenever the rows are marked.
    using Today = std::function<QDate()>;

    // A window of its own (owned by `parent`, if any), hidden until shown. `today` defaults
    // to the system clock's date in JST.
    explicit MonthWindow(QWidget* parent = nullptr, Today today = {});

    // Shows the JST month of the instant `julianDay` (UT) at the place (degrees, north and
    // east positive), its day marked. The month is computed again only when the month or
    // the place changed.
    void showCalculation(double julianDay, double latitude_deg, double longitude_deg);
    // Shows no month, and in one line why.
    void showRefusal(const QString& reason);
    // Shows the month `months` after (before, when negative) the one shown, at its place.
    void stepMonth(int months);

    // The year and month shown; nothing while none is.
    std::optional<std::pair<int, int>> shownMonth() const;
    QTableView* table() const { return table_; }
    MonthModel* model() const { return model_; }
    // The line above the list (the month and the place), the month's phases and terms, and
    // the refusal shown (empty if none).
    QString heading() const;
    QString phasesAndTerms() const;
    QString message() const;
    // The month as tab-separated text with its header row, as Ctrl+Shift+C copies it; empty
    // while no month is shown.
    QString tabText() const;
    // Writes the month as a CSV file, or the year of the month as an iCalendar file, at
    // `path` through the start file's safe save (the old file kept on any failure). Returns
    // nothing on success, else what the user is told, in Japanese.
    std::optional<QString> saveCsvTo(const QString& path) const;
    std::optional<QString> saveCalendarTo(const QString& path) const;
    // How many times a month was computed.
    int monthComputations() const { return monthComputations_; }

  signals:
    // The user chose a day of the shown month (double click or Enter on its row).
    void dayChosen(int year, int month, int day);

  private:
    void showMonth(int year, int month, double latitude_deg, double longitude_deg);
    void markDays();
    void copyTabText() const;
    void askAndSaveCsv();
    void askAndSaveCalendar();
    void tellFailure(const QString& text);

    Today today_;
    QLabel* heading_ = nullptr;
    QLabel* phasesAndTerms_ = nullptr;
    QLabel* message_ = nullptr;
    QTableView* table_ = nullptr;
    MonthModel* model_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    QPushButton* saveCalendar_ = nullptr;
    std::optional<MonthTable> shown_;
    // The JST date of the instant last calculated, when it lies in the month shown or not.
    std::optional<QDate> instantDate_;
    int monthComputations_ = 0;
};

}  // namespace app
