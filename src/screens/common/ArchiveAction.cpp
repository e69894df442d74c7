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

bool guardArchive(QWidget* parent, std::optional<Messages::Kind> errorBox,
                  const std::function<void()>& work) {
    TRecordArchive::setLockWaitHook(whileWaitingForLock);
    try {
        work();
    } catch (const ArchiveBusy&) {
        if (errorBox) Platform::messages().warning(parent, kArchiveBusyMessage);
        return false;
    } catch (const ArchiveError&) {
        if (errorBox) Platform::messages().show(parent, *errorBox, kArchiveErrorMessage);
        return false;
    }
    return true;
}

bool archiveAction(QWidget* parent, const QString& path, int recordSize, ArchiveAccess access,
                   const std::function<QString(TRecordArchive&)>& work) {
    QString information;
    const bool done = guardArchive(parent, Messages::Kind::Error, [&] {
        TRecordArchive archive(recordSize);
        archive.open(path, access == ArchiveAccess::Write ? TRecordArchive::Mode::OpenOrCreate
                                                          : TRecordArchive::Mode::ReadOrCreate);
        information = work(archive);
        archive.close();
    });
    if (done && !information.isEmpty()) Platform::messages().information(parent, information);
    return done;
}
