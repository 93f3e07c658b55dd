// A bare console program of the toolkit: a QCoreApplication made and left at once, the
// yardstick of `sunmoonpos at` as a whole process (bench/command_line_speed.sh).
#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    return 0;
}
