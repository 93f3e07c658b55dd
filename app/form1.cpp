#include "app/form1.h"

namespace app {

Form1::Form1(QWidget* parent) : QWidget(parent) {}

}  // namespace app
