// backups: the daily copies the program made of the archives in Backup/ of
// the folder, one line each: the archive, the day of the copy, its records
// and its size. There is no restore command: a copy is put back by hand,
// with the program closed.
#include "Commands.h"

#include "domain/ArchiveKinds.h"
#include "domain/Backups.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

int runBackups(const Options& options, const QStringList&) {
    const QString folder = QDir(options.folder).filePath(Backups::kFolderName) + u'/';
    const std::vector<Backups::Copy> copies = Backups::copies(folder);
    if (copies.empty()) {
        writeOut(QStringLiteral("no copies in %1\n").arg(shownText(folder)));
        return kExitOk;
    }
    writeOut(QStringLiteral("copies in %1 (the last %2 days of each archive):\n")
                 .arg(shownText(folder))
                 .arg(Backups::kDaysKept));
    QStringList lines;
    for (const Backups::Copy& c : copies) {
        const int size = layoutForFileName(c.archive)->size();
        const qint64 records = c.size / size;
        QString line = QStringLiteral("%1\t%2\t%3 %4\t%5 bytes")
                           .arg(c.archive, c.day.toString(u"dd/MM/yyyy"))
                           .arg(records)
                           .arg(records == 1 ? QStringLiteral("record") : QStringLiteral("records"))
                           .arg(c.size);
        if (c.size % size != 0)
            line += QStringLiteral("\t%1 bytes of an incomplete record").arg(c.size % size);
        lines << line + u'\t' + QFileInfo(c.path).fileName();
    }
    writeTextLines(lines);
    return kExitOk;
}

} // namespace cli
