#include "app/month_window/month_model.h"

#include <QColor>

#include "app/core/month_text.h"

namespace app {

namespace {

constexpr int SUNDAY = 0;
constexpr int SATURDAY = 6;
// The columns whose text is the day itself: the date and the weekday.
constexpr int LAST_DATE_COLUMN = 1;

// Sunday's red and Saturday's blue, dark enough to read on white and on the marks' grounds.
const QColor SUNDAY_INK(0xb0, 0x1f, 0x2e);
const QColor SATURDAY_INK(0x1f, 0x4f, 0xa8);
// The grounds of the instant's day and of today.
const QColor INSTANT_GROUND(0xff, 0xf1, 0xb8);
const QColor TODAY_GROUND(0xdc, 0xec, 0xff);

}  // namespace

void MonthModel::setTable(const MonthTable& table, const std::string& decimalSeparator) {
    beginResetModel();
    days_.clear();
    weekdays_.clear();
    cells_.clear();
    for (const MonthRow& row : table.rows) {
        days_.push_back(row.day);
        weekdays_.push_back(row.weekday);
        QStringList cells;
        for (const std::string& cell : monthRowCells(table, row, decimalSeparator))
            cells << QString::fromStdString(cell);
        cells_.push_back(cells);
    }
    today_ = 0;
    instantDay_ = 0;
    endResetModel();
}

void MonthModel::clear() {
    beginResetModel();
    days_.clear();
    weekdays_.clear();
    cells_.clear();
    endResetModel();
}

void MonthModel::setMarkedDays(int today, int instantDay) {
    if (today == today_ && instantDay == instantDay_) return;
    today_ = today;
    instantDay_ = instantDay;
    if (!cells_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::AccessibleDescriptionRole});
}

int MonthModel::dayOfRow(int row) const {
    return row >= 0 && row < static_cast<int>(days_.size()) ? days_[row] : 0;
}

int MonthModel::rowOfDay(int day) const {
    for (std::size_t i = 0; i < days_.size(); ++i) {
        if (days_[i] == day) return static_cast<int>(i);
    }
    return -1;
}

int MonthModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int MonthModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(monthColumnNames().size());
}

QVariant MonthModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
            return cells_[row].value(index.column());
        case Qt::ForegroundRole:
            if (index.column() > LAST_DATE_COLUMN) return {};
            if (weekdays_[row] == SUNDAY) return SUNDAY_INK;
            if (weekdays_[row] == SATURDAY) return SATURDAY_INK;
            return {};
        case Qt::BackgroundRole:
            if (isInstantDay(row)) return INSTANT_GROUND;
            if (isToday(row)) return TODAY_GROUND;
            return {};
        case Qt::AccessibleDescriptionRole:
            // What the grounds show, for a screen reader.
            if (isInstantDay(row) && isToday(row)) return QStringLiteral("計算した日、今日");
            if (isInstantDay(row)) return QStringLiteral("計算した日");
            if (isToday(row)) return QStringLiteral("今日");
            return {};
        default:
            return {};
    }
}

QVariant MonthModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromStdString(monthColumnNames()[section]);
}

}  // namespace app
