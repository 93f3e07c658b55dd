// Starts the window, or with a command prints its figures and exits without one.
#include "app/cli/command_line.h"
#include "app/window_module/window_entry.h"

int main(int argc, char* argv[]) {
    if (app::cli::wantsCommand(argc, argv)) return app::cli::commandMain(argc, argv);
    return app::openWindow(argc, argv);
}
