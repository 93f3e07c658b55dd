// Texts between the toolkit's strings and the UTF-8 that the window's own rules work on.
#pragma once

#include <QString>
#include <string_view>

class QLineEdit;

namespace app {

// The toolkit's string of a UTF-8 text.
QString fromUtf8(std::string_view text);

// The number a box holds, read by the number-reading rule (number_reading.h): never fails,
// 0 for a box without a leading number.
double readBox(const QLineEdit* box);

}  // namespace app
