// velmora-mkguide: writes the printable manual, Guida.pdf, that lies beside
// the program and that the help screen opens. The build runs it, so the
// manual always says what the help screen says.
//
//   velmora-mkguide <pdf file>

#include "Manual.h"
#include "archive/AtomicSave.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: velmora-mkguide <pdf file>\n");
        return 2;
    }
    QString error;
    if (!AtomicSave::save(args[1], Manual::pdf(), &error)) {
        std::fprintf(stderr, "velmora-mkguide: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
