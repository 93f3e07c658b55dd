// What the other windows and the keys may do with the main window: read the date and time
// its boxes hold and the latest calculation, calculate at another date and time, and hear
// when a calculation ran or was refused. Nothing else of the window is theirs to touch.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

#include "app/core/stepped_instant.h"
#include "astro/civil_time.h"
#include "astro/working_variables.h"

namespace app {

class MainWindowDoor : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // The numbers the six date and time boxes hold (year ... second, JST), read as a
    // calculation reads them.
    virtual DateBoxValues enteredDateAndTime() const = 0;

    // Shows the fields of `instant` from `firstBox` on (astro::YEAR for the whole date and
    // time, astro::HOUR for the time alone) in their boxes, then calculates as 計算 does. A
    // box that already shows its number as written keeps its text.
    virtual void calculateAt(const astro::CivilTime& instant, astro::EnteredField firstBox) = 0;

    // The working variables of the latest calculation that ran.
    virtual const astro::WorkingVariables& latestCalculation() const = 0;

    // Where the boxes, the list and the buttons stand on the screen (logical pixels), which
    // a window opened beside the main window must not hide.
    virtual std::vector<QRect> controlsOnScreen() const = 0;

  signals:
    // After every calculation that ran.
    void calculated();
    // After every refused calculation, with what the user was told.
    void calculationRefused(const QString& reason);
};

}  // namespace app
