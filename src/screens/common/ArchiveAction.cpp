#include "ArchiveAction.h"

#include "Platform.h"

bool archiveAction(QWidget* parent, const QString& path, int recordSize,
                   const std::function<QString(TRecordArchive&)>& work) {
    QString information;
    try {
        TRecordArchive archive(recordSize);
        archive.open(path);
        information = work(archive);
        archive.close();
    } catch (const ArchiveError&) {
        Platform::messages().error(parent, kArchiveErrorMessage);
        return false;
    }
    if (!information.isEmpty()) Platform::messages().information(parent, information);
    return true;
}
