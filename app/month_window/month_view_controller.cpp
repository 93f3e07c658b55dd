#include "app/month_window/month_view_controller.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <functional>

#include "app/controls/window_placement.h"
#include "app/main_window/main_window_door.h"
#include "astro/civil_time.h"

namespace app {

namespace {

// Closes the month window when the main window closes, so that 終了 ends the program with it.
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

MonthViewController::MonthViewController(MainWindowDoor& door, QWidget& mainWindow)
    : QObject(&mainWindow), door_(door), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("MonthViewController"));
    connect(&door_, &MainWindowDoor::calculated, this, &MonthViewController::followCalculation);
    connect(&door_, &MainWindowDoor::calculationRefused, this, &MonthViewController::followRefusal);
    mainWindow_.installEventFilter(new CloseWithMainWindow(this, [this] {
        if (window_) window_->close();
    }));
}

void MonthViewController::open() {
    if (!window_) {
        window_ = new MonthWindow(&mainWindow_);
        connect(window_, &MonthWindow::dayChosen, this, &MonthViewController::chooseDay);
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

void MonthViewController::followCalculation() {
    calculated_ = true;
    refusal_.clear();
    if (window_ && window_->isVisible()) showLatest();
}

void MonthViewController::followRefusal(const QString& reason) {
    refusal_ = reason;
    if (window_ && window_->isVisible()) showLatest();
}

void MonthViewController::showLatest() {
    if (!refusal_.isEmpty()) {
        window_->showRefusal(refusal_);
    } else if (!calculated_) {
        window_->showRefusal(QStringLiteral("まだ計算していません。"));
    } else {
        const astro::WorkingVariables& vars = door_.latestCalculation();
        window_->showCalculation(vars.julianDay, vars.latitude, vars.longitude);
    }
}

void MonthViewController::chooseDay(int year, int month, int day) {
    if (!calculated_) return;
    const std::optional<astro::CivilTime> latest =
        astro::civilTimeOf(door_.latestCalculation().julianDay);
    if (!latest) return;
    door_.calculateAt({year, month, day, latest->hour, latest->minute, latest->second},
                      astro::YEAR);
}

void installMonthView(MainWindowDoor& door, QWidget& mainWindow, QWidget& menuArea) {
    auto* controller = new MonthViewController(door, mainWindow);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F3), &mainWindow);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, controller, &MonthViewController::open);

    auto* action = new QAction(QString::fromUtf8(MONTH_WINDOW_ACTION_TEXT), &menuArea);
    QObject::connect(action, &QAction::triggered, controller, &MonthViewController::open);
    menuArea.addAction(action);
    menuArea.setContextMenuPolicy(Qt::ActionsContextMenu);
}

MonthViewController* monthViewOf(const QWidget& mainWindow) {
    return mainWindow.findChild<MonthViewController*>(QStringLiteral("MonthViewController"),
                                                      Qt::FindDirectChildrenOnly);
}

}  // namespace app
