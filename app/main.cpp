// Starts the window, or with a command prints its figures and exits without one.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/cli/command_line.h"
#include "app/controls/application_setup.h"
#include "app/main_window/form1.h"

namespace {

// True when the toolkit has somewhere to show the window: a platform chosen explicitly,
// or an X11 or Wayland display.
bool hasDisplay() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (app::cli::wantsCommand(argc, argv)) return app::cli::commandMain(argc, argv);
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "%s: no display to open the window on; start it from a desktop session, or "
                     "under a virtual display: xvfb-run -a %s\n",
                     argv[0], argv[0]);
        return 1;
    }
    QApplication application(argc, argv);
    app::prepareApplication();
    app::Form1 window;
    window.show();
    return application.exec();
}
