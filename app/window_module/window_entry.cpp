// The window's program: the toolkit with its widgets, started only when sunmoonpos opens the
// window. It is built as a module of its own, which sunmoonpos loads for the window alone, so
// that the commands start without loading the widget and graphics libraries.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/controls/application_setup.h"
#include "app/main_window/form1.h"
#include "app/window_module/window_entry.h"

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

extern "C" int sunmoonposOpenWindow(int argc, char* argv[]) {
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
