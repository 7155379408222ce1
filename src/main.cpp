#include "shell/windows.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::Program program(platform::desktopServices(), shell::createForm);
    program.start();
    return QApplication::exec();
}
