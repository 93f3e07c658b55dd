#include "app/main_window/time_stepping.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/controls/box_text.h"
#include "app/core/date_stepping.h"
#include "app/main_window/form1.h"

namespace app {

TimeStepping::TimeStepping(Form1& form) : QObject(&form), form_(form) {
    for (QLineEdit* box : form_.txtYMD) box->installEventFilter(this);
}

bool TimeStepping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    for (int box = 0; box < DATE_BOX_COUNT; ++box) {
        if (watched == form_.txtYMD[static_cast<std::size_t>(box)]) {
            step(box, key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return false;
}

void TimeStepping::step(int box, int steps) {
    DateBoxValues values{};
    for (int i = 0; i < DATE_BOX_COUNT; ++i) {
        values[static_cast<std::size_t>(i)] = readBox(form_.txtYMD[static_cast<std::size_t>(i)]);
    }
    const std::optional<astro::CivilTime> stepped = steppedInstant(values, box, steps);
    if (!stepped) {
        QApplication::beep();
        return;
    }
    const int fields[] = {stepped->year, stepped->month,  stepped->day,
                          stepped->hour, stepped->minute, stepped->second};
    for (int i = 0; i < DATE_BOX_COUNT; ++i) {
        QLineEdit* target = form_.txtYMD[static_cast<std::size_t>(i)];
        const QString text = QString::number(fields[i]);
        if (target->text() != text) target->setText(text);
    }
    form_.Command4_Click();
}

}  // namespace app
