#include "app/day_window/day_tools.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <functional>

#include "app/controls/box_text.h"
#include "app/day_window/day_window.h"
#include "app/main_window/form1.h"
#include "app/main_window/time_stepping.h"

namespace app {

namespace {

// Room left between the main window and the day window, logical pixels.
constexpr int WINDOW_GAP = 8;

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

DayViewController::DayViewController(Form1& form) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("DayViewController"));
    connect(&form_, &Form1::calculated, this, &DayViewController::followCalculation);
    connect(&form_, &Form1::calculationRefused, this, &DayViewController::followRefusal);
    form_.installEventFilter(new CloseWithMainWindow(this, [this] {
        if (window_) window_->close();
    }));
}

void DayViewController::open() {
    if (!window_) {
        window_ = new DayWindow(&form_);
        connect(window_, &DayWindow::timePointed, this, &DayViewController::pointAt);
        const QScreen* screen = form_.screen();
        if (screen != nullptr) {
            const QRect available = screen->availableGeometry();
            // The frame the window system adds, as it added it to the main window.
            const QSize frame = form_.frameGeometry().size() - form_.size();
            const QSize wanted = window_->size().boundedTo(available.size() - frame);
            window_->resize(wanted.expandedTo(window_->minimumSizeHint()));
            window_->move(placeBeside(form_.frameGeometry(), window_->size() + frame, available));
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
        const astro::WorkingVariables& vars = form_.workingVariables();
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
    const bool sameDate = readBox(form_.txtYMD[0]) == date->year &&
                          readBox(form_.txtYMD[1]) == date->month &&
                          readBox(form_.txtYMD[2]) == date->day;
    const int fields[] = {date->year,       date->month,      date->day,
                          minuteOfDay / 60, minuteOfDay % 60, 0};
    for (int i = sameDate ? 3 : 0; i < 6; ++i) {
        form_.txtYMD[static_cast<std::size_t>(i)]->setText(QString::number(fields[i]));
    }
    form_.Command4_Click();
}

void installDayTools(Form1& form) {
    auto* controller = new DayViewController(form);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F2), &form);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, controller, &DayViewController::open);

    QWidget* clientArea = form.clientArea();
    auto* action = new QAction(QString::fromUtf8(DAY_WINDOW_ACTION_TEXT), clientArea);
    QObject::connect(action, &QAction::triggered, controller, &DayViewController::open);
    clientArea->addAction(action);
    clientArea->setContextMenuPolicy(Qt::ActionsContextMenu);

    form.Command4->setToolTip(
        form.Command4->toolTip() +
        QStringLiteral("\nF2 キー、またはウィンドウの右クリックの「一日の動き (F2)」で、"
                       "その日の太陽と月の高度と出入りの時刻を別のウィンドウに表示します。"
                       "\n年・月・日・時・分・秒の欄では ↑ ↓ キーで1つずつ進め・戻して"
                       "計算します。"));
    new TimeStepping(form);
}

DayViewController* dayViewOf(const Form1& form) {
    return form.findChild<DayViewController*>(QStringLiteral("DayViewController"),
                                              Qt::FindDirectChildrenOnly);
}

QPoint placeBeside(const QRect& mainFrame, const QSize& size, const QRect& available) {
    int x = available.right() + 1 - size.width();
    if (mainFrame.right() + 1 + WINDOW_GAP + size.width() <= available.right() + 1) {
        x = mainFrame.right() + 1 + WINDOW_GAP;
    } else if (mainFrame.left() - WINDOW_GAP - size.width() >= available.left()) {
        x = mainFrame.left() - WINDOW_GAP - size.width();
    }
    x = std::max(x, available.left());
    const int lowestTop = std::max(available.top(), available.bottom() + 1 - size.height());
    const int y = std::clamp(mainFrame.top(), available.top(), lowestTop);
    return {x, y};
}

}  // namespace app
