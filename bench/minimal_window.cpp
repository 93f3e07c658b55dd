// The barest window the toolkit makes: one label in a widget, shown. Start-up of the program
// is measured against it (bench/startup_cost.sh).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("label"), &window);
    window.show();
    return application.exec();
}
