// Runs GoogleTest cases inside a QApplication on the offscreen platform, so that tests can
// build and drive real widgets.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/controls/application_setup.h"

int main(int argc, char* argv[]) {
    // The offscreen platform always; a caller may give it options (a screen of its own).
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QStringLiteral("offscreen"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    app::prepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
