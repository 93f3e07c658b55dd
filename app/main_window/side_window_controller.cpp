#include "app/main_window/side_window_controller.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <functional>

#include "app/controls/window_placement.h"
#include "app/main_window/main_window_door.h"

namespace app {

namespace {

// Closes a side window when the main window closes, so that 終了 ends the program with it.
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

SideWindowController::SideWindowController(MainWindowDoor& door, QWidget& mainWindow,
                                           const QString& objectName)
    : QObject(&mainWindow), door_(door), mainWindow_(mainWindow) {
    setObjectName(objectName);
    connect(&door_, &MainWindowDoor::calculated, this, &SideWindowController::followCalculation);
    connect(&door_, &MainWindowDoor::calculationRefused, this,
            &SideWindowController::followRefusal);
    mainWindow_.installEventFilter(new CloseWithMainWindow(this, [this] {
        if (window_) window_->close();
    }));
}

void SideWindowController::open() {
    if (!window_) {
        window_ = makeWindow(mainWindow_);
        const QScreen* screen = mainWindow_.screen();
        if (screen != nullptr) {
            const QRect available = screen->availableGeometry();
            // The frame the window system adds, as it added it to the main window.
            const QSize frame = mainWindow_.frameGeometry().size() - mainWindow_.size();
            const QSize wanted = window_->size().boundedTo(available.size() - frame);
            const QSize minimum = window_->minimumSizeHint().boundedTo(available.size() - frame);
            const QRect placed =
                placeClearOf(mainWindow_.frameGeometry(), door_.controlsOnScreen(),
                             wanted.expandedTo(minimum) + frame, minimum + frame, available);
            window_->resize(placed.size() - frame);
            window_->move(placed.topLeft());
        }
    }
    showLatest();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void SideWindowController::toggle() {
    if (window_ && window_->isVisible()) {
        window_->close();
    } else {
        open();
    }
}

void SideWindowController::followCalculation() {
    calculated_ = true;
    refusal_.clear();
    if (window_ && window_->isVisible()) showLatest();
}

void SideWindowController::followRefusal(const QString& reason) {
    refusal_ = reason;
    if (window_ && window_->isVisible()) showLatest();
}

void SideWindowController::showLatest() {
    if (!refusal_.isEmpty()) {
        showRefusal(refusal_);
    } else if (!calculated_) {
        showRefusal(QStringLiteral("まだ計算していません。"));
    } else {
        showCalculation(door_.latestCalculation());
    }
}

void installSideWindow(SideWindowController& controller, const QKeySequence& key,
                       const char* actionText, QWidget& mainWindow, QWidget& menuArea,
                       KeyAction keyAction) {
    auto* shortcut = new QShortcut(key, &mainWindow);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &controller,
                     keyAction == KeyAction::Toggles ? &SideWindowController::toggle
                                                     : &SideWindowController::open);

    auto* action = new QAction(QString::fromUtf8(actionText), &menuArea);
    QObject::connect(action, &QAction::triggered, &controller, &SideWindowController::open);
    menuArea.addAction(action);
    menuArea.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace app
