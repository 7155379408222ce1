// Saves a picture of every window in its first state into the folder given.
#include "shell/windows.h"
#include "support/test_program.h"

#include <cstdio>
#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (int number : shell::existingForms()) {
        testing_support::Pupil pupil;
        platform::Form& f = pupil.open(number);
        const QString file = QStringLiteral("%1/Form%2.png").arg(folder).arg(number);
        if (!f.window()->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
