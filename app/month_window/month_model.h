// The month table as a table model: a row per day, the columns of the month's text, with
// Saturday and Sunday in their colours and the marked days (today, the day of the instant
// calculated) on a tinted ground.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "app/core/month_table.h"

namespace app {

class MonthModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows `table` with numbers in `decimalSeparator` (UTF-8).
    void setTable(const MonthTable& table, const std::string& decimalSeparator);
    // Shows no days.
    void clear();
    // The days of the shown month to mark: today's and the instant's (0 for none).
    void setMarkedDays(int today, int instantDay);

    // The day whose row is `row` (1 to 31), or 0.
    int dayOfRow(int row) const;
    // The row of `day`, or -1.
    int rowOfDay(int day) const;
    // Whether the row of `row` is marked as today / as the instant's day.
    bool isToday(int row) const { return dayOfRow(row) != 0 && dayOfRow(row) == today_; }
    bool isInstantDay(int row) const { return dayOfRow(row) != 0 && dayOfRow(row) == instantDay_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<int> days_;
    std::vector<int> weekdays_;
    std::vector<QStringList> cells_;
    int today_ = 0;
    int instantDay_ = 0;
};

}  // namespace app
