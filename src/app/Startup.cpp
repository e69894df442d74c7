#include "Startup.h"

#include "reports/Printing.h"
#include "screens/common/Platform.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>

void Startup::beforeApplication() {
#ifndef _WIN32
    // A file-size limit reached while saving is a failed write, reported
    // like a full disk, not a reason for the system to stop the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Draw with the software rasteriser, never the graphics hardware.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
}

void Startup::configure(QApplication& app) {
    app.setApplicationName(QStringLiteral("Velmora"));
    // Screens hand over to each other by hiding; only the start menu's close
    // ends the program.
    app.setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own texts in Italian: from translations/ beside the program when
    // it was installed with them, otherwise from Qt's folder.
    auto* translator = new QTranslator(&app);
    const QLocale italian(QLocale::Italian);
    const QString folders[] = {QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/translations"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        if (translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QApplication::installTranslator(translator);
            break;
        }
    }

    // A print that did not reach the printer or its file is told in the
    // program's own error box.
    report::setPrintFailureHandler(
        [](QWidget* parent, const QString& text) { Platform::messages().error(parent, text); });

    // Without a desktop session Qt knows no icon theme; Adwaita is the one
    // the set-up installs.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}
