#include "app/controls/box_text.h"

#include <QByteArray>
#include <QLineEdit>

#include "app/core/number_reading.h"

namespace app {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double readBox(const QLineEdit* box) {
    const QByteArray utf8 = box->text().toUtf8();
    return readNumber(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace app
