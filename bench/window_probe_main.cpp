// The window's program linked into one executable with the first-paint probe: what
// sunmoonpos runs once it has loaded the window's module.
#include "app/window_module/window_entry.h"

int main(int argc, char* argv[]) {
    return sunmoonposOpenWindow(argc, argv);
}
