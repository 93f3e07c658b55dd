#include "app/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QStringList>

#include "app/window_layout.h"

namespace app {

namespace {

// Without a substitution Qt would fall back to a Latin face, whose missing glyphs would show
// as boxes. Where the face is missing, the stand-in of near metrics takes its place, then
// any installed face that covers Japanese.
void registerControlFontSubstitutes() {
    const QString wanted = QString::fromUtf8(CONTROL_FONT_FAMILY.data(),
                                             static_cast<qsizetype>(CONTROL_FONT_FAMILY.size()));
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(wanted)) return;
    QStringList substitutes;
    const QString standIn = QString::fromUtf8(CONTROL_FONT_STAND_IN.data(),
                                              static_cast<qsizetype>(CONTROL_FONT_STAND_IN.size()));
    if (installed.contains(standIn)) substitutes << standIn;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (!substitutes.contains(family)) substitutes << family;
    }
    QFont::insertSubstitutions(wanted, substitutes);
}

}  // namespace

void prepareApplication() {
    // One style on every platform, whose look the colours of the schemes were checked in.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sunmoonpos.SunMoonPos"));
    // The icon built into the program: the same as the installed one, without a search of
    // the icon themes at every start.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/moon.png")));
    registerControlFontSubstitutes();
}

}  // namespace app
