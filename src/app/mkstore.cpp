// velmora-mkstore: writes the password store that is installed beside the
// program, holding the first-access password. The program itself never
// creates a store; the build runs this to place one next to the executable.
//
//   velmora-mkstore <store file> [password]

#include "Crypt.h"
#include "archive/AtomicSave.h"
#include "domain/HelpTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: velmora-mkstore <store file> [password]\n");
        return 2;
    }
    const QString password = Crypt::storedForm(
        args.size() == 3 ? args[2] : QString::fromLatin1(HelpTexts::kFirstPassword));
    if (password.isEmpty() || password.size() > Crypt::kMaxPlainLength ||
        !Crypt::keepsEveryCharacter(password)) {
        std::fprintf(stderr,
                     "velmora-mkstore: the password must hold 1 to %d characters, each with a "
                     "code below 256\n",
                     int(Crypt::kMaxPlainLength));
        return 2;
    }

    // A fresh store with the one section and key the program reads.
    const QByteArray text = "[Accesso]\nValore=" + Crypt::ScrambleToHex(password).toLatin1() + "\n";
    QString error;
    if (!AtomicSave::save(args[1], text, &error)) {
        std::fprintf(stderr, "velmora-mkstore: cannot write %s: %s\n", qPrintable(args[1]),
                     qPrintable(error));
        return 1;
    }
    return 0;
}
