// What the program sets up before its first window: the name under which a desktop matches
// the running program with the menu entry it was installed with.
#include "app/controls/application_setup.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QString>

namespace {

// The menu entry that app/CMakeLists.txt installs, as the build hands it over.
constexpr char INSTALLED_DESKTOP_ENTRY[] = SUNMOON_DESKTOP_ENTRY;

TEST(ApplicationSetup, DesktopFileNameIsTheInstalledMenuEntrysName) {
    app::prepareApplication();  // as the program's main does before its window
    const QFileInfo entry(QString::fromUtf8(INSTALLED_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.isFile()) << INSTALLED_DESKTOP_ENTRY;
    ASSERT_EQ(entry.suffix(), QStringLiteral("desktop"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), entry.completeBaseName());
}

}  // namespace
