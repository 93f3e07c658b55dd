// The entry of the window's module (app/window_module/window_entry.cpp) and how sunmoonpos reaches
// it.
#pragma once

// Given the program's arguments; opens the window and runs it until it is closed, returning
// the exit status (1 without a display to open it on).
extern "C" __attribute__((visibility("default"))) int sunmoonposOpenWindow(int argc, char* argv[]);

namespace app {

// The name of sunmoonposOpenWindow, as the loader looks it up.
inline constexpr char OPEN_WINDOW_SYMBOL[] = "sunmoonposOpenWindow";

// Loads the window's module, found beside the program (in the build tree) or where it is
// installed relative to the program, and runs sunmoonposOpenWindow from it. Returns its exit
// status, or 1 with the reason on stderr when the module cannot be loaded.
int openWindow(int argc, char* argv[]);

}  // namespace app
