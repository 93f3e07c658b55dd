// The program's one window: the date, time and place boxes, the place list, the result
// fields, the Moon drawing and the three commands.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "app/core/calculation_sequence.h"
#include "app/core/moon_drawing.h"
#include "app/core/stepped_instant.h"
#include "app/main_window/drawing_surface.h"
#include "astro/civil_time.h"
#include "astro/working_variables.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPushButton;
class QScrollArea;

namespace app {

class MainWindowDoor;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    // The present instant, in any time zone; start-up shows it in Japan Standard Time.
    using Clock = std::function<QDateTime()>;

    // Builds the window and runs start-up: the remembered place, the present moment from
    // `clock`, and one calculation. The start file is looked for in the working directory.
    explicit Form1(Clock clock = &QDateTime::currentDateTimeUtc, QWidget* parent = nullptr);
    ~Form1() override;

    // The commands, as the buttons run them.
    void Command4_Click();  // 計算
    void Command3_Click();  // 場所の決定
    void Command1_Click();  // 終了

    // The whole window as text, one line per field, name TAB text, as Ctrl+Shift+C copies it.
    QString windowText() const;

    // The working variables of the latest calculation.
    const astro::WorkingVariables& workingVariables() const { return vars_; }
    // What other windows and the keys may do with this window (main_window_door.h).
    MainWindowDoor& door() const { return *door_; }
    // The message shown for the latest refused calculation or failed write; empty if none.
    QString lastMessage() const;

    // The controls, under their names in the layout; arrays indexed from 0.
    std::array<QLineEdit*, 6> txtYMD{};
    QLineEdit* txtIDO = nullptr;
    QLineEdit* txtKEIDO = nullptr;
    QListWidget* lstCITY = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    std::array<QLabel*, 2> Label11{};
    std::array<QLabel*, 2> Label12{};
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    std::array<QLabel*, 2> Label15{};
    std::array<QLabel*, 2> Label16{};
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

    // The client area with the controls and the drawing.
    DrawingSurface* clientArea() const { return clientArea_; }
    // Every label, both members of each array included.
    std::vector<QLabel*> labels() const;

  protected:
    // Fits the window into the screen's available area the first time it is shown.
    void showEvent(QShowEvent* event) override;

  private:
    friend class Form1Door;

    // The numbers the date and time boxes hold, as a calculation reads them.
    DateBoxValues enteredDateAndTime() const;
    // Shows the fields of `instant` from `firstBox` on in their boxes (a box already showing
    // its number as written keeps its text) and calculates.
    void calculateAt(const astro::CivilTime& instant, astro::EnteredField firstBox);
    // Start-up: defaults, the day scheme, the start file, the clock, the places, one
    // calculation.
    void Form_Load();
    // The eight numbers of the date, time and place boxes, as a calculation reads them.
    astro::EnteredValues enteredValues() const;
    // Shows the figures of the latest calculation, its phase and its drawing.
    void showCalculation(const CalculationShown& shown);
    // Takes the scheme of the day-or-night flag and colours the window in it.
    void applyColourScheme();

    // A control as users and assistive tools know it: its name, its tooltip (may be empty),
    // and whether Ctrl+Shift+C copies it.
    struct NamedControl {
        QWidget* control;
        QString name;
        QString tip;
        bool copied;
    };
    // Every control with a name of its own, the copied ones in the order they are copied.
    std::vector<NamedControl> namedControls() const;

    void createControls();
    void connectCommands();
    void describeForUsers();
    // Empties every result field and the drawing, after a calculation was refused.
    void clearResults();
    void showMessage(const QString& text);
    void fillDateAndTimeFromClock();
    void putCoordinatesOfListPosition(int listPosition);
    void copyWindowText() const;

    Clock clock_;
    // Every label, in the order of the layout table.
    std::vector<QLabel*> labels_;
    MainWindowDoor* door_ = nullptr;
    astro::WorkingVariables vars_;
    QScrollArea* scrollArea_ = nullptr;
    DrawingSurface* clientArea_ = nullptr;
    QMessageBox* messageBox_ = nullptr;
    bool placed_ = false;
};

}  // namespace app
