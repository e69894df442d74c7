#include "ArchiveAction.h"

#include "Platform.h"

#include <QApplication>
#include <QCursor>

namespace {

// The window goes on painting while the lock is waited for, but takes no
// click or key: a second action must not start inside the first.
void whileWaitingForLock(bool waiting) {
    static bool busy = false;
    if (waiting && !busy) QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    if (!waiting && busy) QApplication::restoreOverrideCursor();
    busy = waiting;
    if (waiting) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

bool archiveAction(QWidget* parent, const QString& path, int recordSize, ArchiveAccess access,
                   const std::function<QString(TRecordArchive&)>& work) {
    TRecordArchive::setLockWaitHook(whileWaitingForLock);
    QString information;
    try {
        TRecordArchive archive(recordSize);
        archive.open(path, access == ArchiveAccess::Write ? TRecordArchive::Mode::OpenOrCreate
                                                          : TRecordArchive::Mode::ReadOrCreate);
        information = work(archive);
        archive.close();
    } catch (const ArchiveBusy&) {
        Platform::messages().warning(parent, kArchiveBusyMessage);
        return false;
    } catch (const ArchiveError&) {
        Platform::messages().error(parent, kArchiveErrorMessage);
        return false;
    }
    if (!information.isEmpty()) Platform::messages().information(parent, information);
    return true;
}
