// The program's commands for scripts and terminals: `sunmoonpos at`, `day`, `month`,
// `almanac`, `series` and `places` print their figures and exit, with the toolkit's core
// only, never touching a window system.
#pragma once

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <string>

namespace app::cli {

// Exit statuses: success, a calculation refused (a year or place outside the range), and a
// command line that cannot be read.
inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_REFUSED = 1;
inline constexpr int EXIT_USAGE = 2;

// Whether the arguments (argv[1] on) ask for a command rather than the window: a first
// argument that is -h or -v, any word not starting with "-" (a command, or an unknown one,
// which is then reported), or any option with two dashes but the toolkit's own. The
// toolkit's options for the window (-platform, --style, ...) still go to the window.
bool wantsCommand(int argc, const char* const* argv);

// What a command printed and how it ended.
struct CommandResult {
    int status = EXIT_OK;
    std::string out;  // for stdout, whole or empty
    std::string err;  // for stderr, Japanese, one line per message
};

// The present instant, in any time zone.
using Clock = std::function<QDateTime()>;

// Runs the command of `arguments` (the program's name first), with the start file looked
// for in the working directory and `clock` for "now". Needs a QCoreApplication.
CommandResult runCommand(const QStringList& arguments,
                         const Clock& clock = &QDateTime::currentDateTimeUtc);

// The program's entry for a command: makes the QCoreApplication, runs the command, writes
// its output and returns the exit status.
int commandMain(int argc, char* argv[]);

}  // namespace app::cli
