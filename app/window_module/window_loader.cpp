#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/window_module/window_entry.h"

namespace app {

namespace {

// The module's file name.
constexpr char MODULE_FILE[] = "sunmoonpos-window.so";

// The folder the running program stands in, from /proc/self/exe; empty where it is not told.
std::string programFolder() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return std::string();
    const std::string program(path.data(), static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

}  // namespace

int openWindow(int argc, char* argv[]) {
    const std::string folder = programFolder();
    // Beside the program in the build tree; where the install rules put it otherwise.
    const std::string candidates[] = {
        folder + "/" + MODULE_FILE,
        folder + "/" + SUNMOON_WINDOW_MODULE_FOLDER + "/" + MODULE_FILE};
    std::string reasons;
    for (const std::string& candidate : candidates) {
        if (access(candidate.c_str(), R_OK) != 0) continue;
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reasons += std::string(" ") + dlerror();
            continue;
        }
        using Entry = int (*)(int, char**);
        auto* entry = reinterpret_cast<Entry>(dlsym(module, OPEN_WINDOW_SYMBOL));
        if (entry == nullptr) {
            reasons += std::string(" ") + dlerror();
            continue;
        }
        // The module stays loaded until the process ends: the toolkit's objects outlive the
        // call.
        return entry(argc, argv);
    }
    std::fprintf(stderr, "%s: ウィンドウのモジュール %s を読み込めません。%s\n", argv[0],
                 MODULE_FILE, reasons.c_str());
    return 1;
}

}  // namespace app
