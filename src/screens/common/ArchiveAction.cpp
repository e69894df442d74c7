#include "ArchiveAction.h"

#include "Platform.h"
#include "domain/Backups.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>

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

// The daily copy of an archive that could not be made is told on the hint
// line of the window whose action changed it, and the change went on. A
// window without one leaves the warning for the next that has one.
void tellFailedBackup(QWidget* parent) {
    auto* line = parent ? parent->findChild<QLabel*>(QStringLiteral("panInfo")) : nullptr;
    if (!line) return;
    if (const QString warning = Backups::takeWarning(); !warning.isEmpty()) line->setText(warning);
}

} // namespace

bool guardArchive(QWidget* parent, std::optional<Messages::Kind> errorBox,
                  const std::function<void()>& work) {
    TRecordArchive::setLockWaitHook(whileWaitingForLock);
    bool done = false;
    try {
        work();
        done = true;
    } catch (const ArchiveBusy&) {
        if (errorBox) Platform::messages().warning(parent, kArchiveBusyMessage);
    } catch (const ArchiveError&) {
        if (errorBox) Platform::messages().show(parent, *errorBox, kArchiveErrorMessage);
    }
    tellFailedBackup(parent);
    return done;
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
