#include "Startup.h"

#include "reports/Printing.h"
#include "screens/common/Platform.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTranslator>

#include <csignal>

namespace {

// The desktop's own style, with a frame a user can see around the push
// button that holds the focus: the style alone marks it with a hairline of
// colour, and only after a Tab, so Enter and Space act on a button nobody
// can pick out. The colour is the one the picture buttons' focus frame has.
class FocusFrames : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(kFocusColour, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
        painter->restore();
    }

  private:
    static inline const QColor kFocusColour{0x2c, 0x7b, 0xe5};
};

} // namespace

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

    applyLook(app);
}

void Startup::applyLook(QApplication& app) {
    app.setStyle(new FocusFrames(QApplication::style()->name()));

    // Without a desktop session Qt knows no icon theme, and on a platform
    // without a desktop not even where themes live; Adwaita, from the
    // system's icon folders, is the one the set-up installs.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) {
        QStringList folders = QIcon::themeSearchPaths();
        for (const QString& folder :
             QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                       QStandardPaths::LocateDirectory))
            if (!folders.contains(folder)) folders << folder;
        QIcon::setThemeSearchPaths(folders);
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
}
