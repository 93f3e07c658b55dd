// A probe linked into a window program that ends it at its first painted window and tells
// how long that took and how much memory it needed. Linked beside the program's own main(),
// it changes nothing in the program: it starts itself when the application object is made.
//
// It prints one line, read by bench/startup_cost.sh:
//   first_paint launch_ms=… main_ms=… cpu_ms=… maxrss_kb=…
// launch_ms counts from the launch time the caller put in PROBE_LAUNCH_US (microseconds of
// the epoch, as bash's EPOCHREALTIME gives them), or, without it, from the process start the
// kernel records (to a hundredth of a second); main_ms from the static initialisation of
// the program, just before main(); cpu_ms is the processor time used, user and system.
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Seconds on a clock, as a double.
double secondsOn(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// When the program's static objects were made: the dynamic libraries are loaded by then.
const double loadedAt = secondsOn(CLOCK_MONOTONIC);

// Seconds from the launch to now: from PROBE_LAUNCH_US where the caller gave it, else from
// the process start in /proc/self/stat (field 22, clock ticks after boot).
double secondsSinceLaunch() {
    if (const char* launch = std::getenv("PROBE_LAUNCH_US"); launch != nullptr && *launch != '\0') {
        return secondsOn(CLOCK_REALTIME) - std::strtod(launch, nullptr) * 1e-6;
    }
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The command name in parentheses may hold blanks: fields are counted after it.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    return secondsOn(CLOCK_BOOTTIME) - std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Prints the figures at the first painted window and ends the program.
void reportAndQuit() {
    const double sinceLaunch = secondsSinceLaunch();
    const double sinceMain = secondsOn(CLOCK_MONOTONIC) - loadedAt;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    std::printf("first_paint launch_ms=%.2f main_ms=%.2f cpu_ms=%.2f maxrss_kb=%ld\n",
                sinceLaunch * 1e3, sinceMain * 1e3, cpu * 1e3, usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Waits for the first paint event of any window's widgets; once the paint in progress has
// been flushed to the window (the zero timer runs after it), reports.
class FirstPaintFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            QTimer::singleShot(0, &reportAndQuit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

// Run by the application object's constructor: watches every event from then on.
void installProbe() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintFilter(application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
