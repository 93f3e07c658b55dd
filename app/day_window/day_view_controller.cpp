#include "app/day_window/day_view_controller.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <functional>

#include "app/controls/window_placement.h"
#include "app/day_window/day_window.h"
#include "app/main_window/main_window_door.h"

namespace app {

namespace {

// Closes the day window when the main window closes, so that 終了 ends the program with it.
class CloseWithMainWindow : public QObject {
  public:
    CloseWithMainWindow(QObject* parent, std::function<void()> closeOthers)
        : QObject(parent), closeOthers_(std::move(closeOthers)) {}

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Close) closeOthers_();
        return false;
    }

  private:
    std::function<void()> closeOthers_;
};

}  // namespace

DayViewController::DayViewController(MainWindowDoor& door, QWidget& mainWindow)
    : QObject(&mainWindow), door_(door), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("DayViewController"));
    connect(&door_, &MainWindowDoor::calculated, this, &DayViewController::followCalculation);
    connect(&door_, &MainWindowDoor::calculationRefused, this, &DayViewController::followRefusal);
    mainWindow_.installEventFilter(new CloseWithMainWindow(this, [this] {
        if (window_) window_->close();
    }));
}

void DayViewController::open() {
    if (!window_) {
        window_ = new DayWindow(&mainWindow_);
        connect(window_, &DayWindow::timePointed, this, &DayViewController::pointAt);
        const QScreen* screen = mainWindow_.screen();
        if (screen != nullptr) {
            const QRect available = screen->availableGeometry();
            // The frame the window system adds, as it added it to the main window.
            const QSize frame = mainWindow_.frameGeometry().size() - mainWindow_.size();
            const QSize wanted = window_->size().boundedTo(available.size() - frame);
            window_->resize(wanted.expandedTo(window_->minimumSizeHint()));
            window_->move(
                placeBeside(mainWindow_.frameGeometry(), window_->size() + frame, available));
        }
    }
    showLatest();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void DayViewController::followCalculation() {
    calculated_ = true;
    refusal_.clear();
    if (window_ && window_->isVisible()) showLatest();
}

void DayViewController::followRefusal(const QString& reason) {
    refusal_ = reason;
    if (window_ && window_->isVisible()) showLatest();
}

void DayViewController::showLatest() {
    if (!refusal_.isEmpty()) {
        window_->showRefusal(refusal_);
    } else if (!calculated_) {
        window_->showRefusal(QStringLiteral("まだ計算していません。"));
    } else {
        const astro::WorkingVariables& vars = door_.latestCalculation();
        window_->showCalculation(vars.julianDay, vars.latitude, vars.longitude);
    }
}

void DayViewController::pointAt(int minuteOfDay) {
    if (!window_) return;
    const std::optional<astro::CivilTime> date = window_->shownDate();
    if (!date) return;
    // Boxes holding the chart's date as it is keep their texts; boxes whose date only comes
    // to the chart's day through out-of-range fields (hour 25, day 0) get the date written
    // out, since the time pointed at belongs to the chart's day.
    const DateBoxValues entered = door_.enteredDateAndTime();
    const bool sameDate = entered[astro::YEAR] == date->year &&
                          entered[astro::MONTH] == date->month && entered[astro::DAY] == date->day;
    const astro::CivilTime pointed{date->year,       date->month,      date->day,
                                   minuteOfDay / 60, minuteOfDay % 60, 0};
    door_.calculateAt(pointed, sameDate ? astro::HOUR : astro::YEAR);
}

void installDayView(MainWindowDoor& door, QWidget& mainWindow, QWidget& menuArea) {
    auto* controller = new DayViewController(door, mainWindow);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F2), &mainWindow);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, controller, &DayViewController::open);

    auto* action = new QAction(QString::fromUtf8(DAY_WINDOW_ACTION_TEXT), &menuArea);
    QObject::connect(action, &QAction::triggered, controller, &DayViewController::open);
    menuArea.addAction(action);
    menuArea.setContextMenuPolicy(Qt::ActionsContextMenu);
}

DayViewController* dayViewOf(const QWidget& mainWindow) {
    return mainWindow.findChild<DayViewController*>(QStringLiteral("DayViewController"),
                                                    Qt::FindDirectChildrenOnly);
}

}  // namespace app
