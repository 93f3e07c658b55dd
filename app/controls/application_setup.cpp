#include "app/controls/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>

#include "app/controls/box_text.h"
#include "app/main_window/window_layout.h"

namespace app {

namespace {

// What the toolkit shows in the application's font (tool tips, the message box, a box's
// context menu) is shown in the controls' face at the size of the window's smallest captions
// (the place list, 場所の決定).
constexpr double APPLICATION_FONT_POINT_SIZE = 12;

// The installed face that stands for the layout's face: itself, else the stand-in of near
// metrics, else the first face that covers Japanese; the layout's face where none is found.
QString resolveControlFontFamily() {
    const QString wanted = fromUtf8(CONTROL_FONT_FAMILY);
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(wanted)) return wanted;
    const QString standIn = fromUtf8(CONTROL_FONT_STAND_IN);
    if (installed.contains(standIn)) return standIn;
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    return japanese.isEmpty() ? wanted : japanese.front();
}

// Without a substitution Qt would fall back to a Latin face for a font that asks for the
// layout's face by name, whose missing glyphs would show as boxes: where the face is missing,
// the stand-in takes its place, then any installed face that covers Japanese.
void registerControlFontSubstitutes() {
    const QString wanted = fromUtf8(CONTROL_FONT_FAMILY);
    const QString resolved = controlFontFamily();
    if (resolved == wanted) return;
    QStringList substitutes{resolved};
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (!substitutes.contains(family)) substitutes << family;
    }
    QFont::insertSubstitutions(wanted, substitutes);
}

}  // namespace

const QString& controlFontFamily() {
    static const QString family = resolveControlFontFamily();
    return family;
}

QFont controlFont(double pointSize) {
    QFont font(controlFontFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

void prepareApplication() {
    // One style on every platform, whose look the colours of the schemes were checked in.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sunmoonpos.SunMoonPos"));
    // The icon built into the program: the same as the installed one, without a search of
    // the icon themes at every start.
    QImageReader reader(QStringLiteral(":/icons/moon.png"), "png");
    reader.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(reader.read())));
    registerControlFontSubstitutes();
    // Japanese texts in a Japanese face, and no second face to load at start-up.
    QApplication::setFont(controlFont(APPLICATION_FONT_POINT_SIZE));
}

}  // namespace app
