// A window that stands beside the main window: opened with a key or from the right-click
// menu, made when first opened, following every calculation of the main window through its
// door, and closed with it. The day window and the month window are two.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

#include "astro/working_variables.h"

class QWidget;

namespace app {

class MainWindowDoor;

class SideWindowController : public QObject {
    Q_OBJECT
  public:
    // Shows the side window beside the main window (making it the first time, no taller or
    // wider than the screen), raised, with the latest calculation.
    void open();
    // Closes the side window when it is shown, opens it otherwise.
    void toggle();

  protected:
    // Given the main window's door and the main window itself, which the side window stands
    // beside and closes with; `objectName` names the controller among the main window's
    // children.
    SideWindowController(MainWindowDoor& door, QWidget& mainWindow, const QString& objectName);

    // Makes the side window, a child of `mainWindow`, connected to what the subclass does
    // with it; called once, when first opened.
    virtual QWidget* makeWindow(QWidget& mainWindow) = 0;
    // Shows in the side window why the latest calculation was refused, or that there is none.
    virtual void showRefusal(const QString& reason) = 0;
    // Shows in the side window the latest calculation, `latest`.
    virtual void showCalculation(const astro::WorkingVariables& latest) = 0;

    // The side window, once made; nothing before.
    QWidget* sideWindow() const { return window_; }
    MainWindowDoor& door() const { return door_; }
    // True once a calculation has run.
    bool hasCalculated() const { return calculated_; }

  private:
    void followCalculation();
    void followRefusal(const QString& reason);
    void showLatest();

    MainWindowDoor& door_;
    QWidget& mainWindow_;
    QPointer<QWidget> window_;
    // Why the latest calculation was refused; empty when it ran.
    QString refusal_;
    bool calculated_ = false;
};

// What the key of a side window does in the main window.
enum class KeyAction { Opens, Toggles };

// Installs `controller` (a child of `mainWindow`) on the main window: `key` and an entry
// `actionText` (UTF-8) of `menuArea`'s right-click menu open its side window; the key closes
// it again when it `Toggles`.
void installSideWindow(SideWindowController& controller, const QKeySequence& key,
                       const char* actionText, QWidget& mainWindow, QWidget& menuArea,
                       KeyAction keyAction = KeyAction::Opens);

}  // namespace app
