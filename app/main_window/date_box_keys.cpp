#include "app/main_window/date_box_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/core/stepped_instant.h"
#include "app/main_window/main_window_door.h"

namespace app {

DateBoxKeys::DateBoxKeys(MainWindowDoor& door, const std::array<QWidget*, 6>& boxes,
                         QObject* parent)
    : QObject(parent), door_(door), boxes_(boxes) {
    for (QWidget* box : boxes_) box->installEventFilter(this);
}

bool DateBoxKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    for (std::size_t box = 0; box < boxes_.size(); ++box) {
        if (watched == boxes_[box]) {
            step(box, key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return false;
}

void DateBoxKeys::step(std::size_t box, int steps) {
    const std::optional<astro::CivilTime> stepped =
        steppedInstant(door_.enteredDateAndTime(), static_cast<astro::EnteredField>(box), steps);
    if (!stepped) {
        QApplication::beep();
        return;
    }
    door_.calculateAt(*stepped, astro::YEAR);
}

}  // namespace app
