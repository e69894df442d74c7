// Velmora: shift planning for a small organisation.
#include "ScreenRegistry.h"
#include "Startup.h"

#include "domain/Backups.h"
#include "domain/Environment.h"
#include "screens/common/Platform.h"

#include <QApplication>

int main(int argc, char** argv) {
    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::configure(app);
    // A user's first start from a shared program folder makes the data folder.
    const QString unprepared = ProgramFolder::prepare(ProgramFolder::programPath());
    // Each archive is copied into Backup/ before its first change of the day.
    Backups::install();
    ScreenSet screens;
    screens.first()->show();
    if (!unprepared.isEmpty()) Platform::messages().error(screens.first(), unprepared);
    return QApplication::exec();
}
