#include <QApplication>

#include "app/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::Form1 window;
    window.show();
    return application.exec();
}
