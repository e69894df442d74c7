#pragma once
// The daily copies of the archives. Before an archive's first change of a
// calendar day the program copies it whole into Backup/ in the data folder,
// as NAME.YYYYMMDD (Backup/2024.ore.20241211), while the archive is locked
// by the action that changes it. Each archive keeps the copies of its last
// kDaysKept days, and always its newest. The password store and the
// attachments are not copied.
//
// The archive layer knows neither the clock nor the data folder: it only
// calls a hook before the first write of each opening
// (TRecordArchive::setBeforeFirstWrite). install() puts the copy there.

#include "archive/RecordArchive.h"

#include <QDate>
#include <QString>

#include <vector>

namespace Backups {

inline const QString kFolderName = QStringLiteral("Backup");
inline constexpr int kDaysKept = 30;

// Backup/ in the data folder, with its trailing separator.
QString folder();

// NAME.YYYYMMDD.
QString copyName(const QString& archiveName, QDate day);

struct Copy {
    QString archive; // the archive's file name: "2024.ore"
    QDate day;
    QString path;
    qint64 size = 0;
};

// The copies in `backupFolder`, by archive name and then by day; files that
// are not NAME.YYYYMMDD of an archive's name are left out.
std::vector<Copy> copies(const QString& backupFolder);

enum class Outcome {
    Made,      // today's copy was made
    NotNeeded, // there was one already, or the archive is empty
    Failed,    // no copy: `error` says why
};

// Today's copy of `archive` in `backupFolder` (made when missing), through
// the atomic save, read through the archive's own descriptor; once made,
// the archive's copies older than the days kept go, but never its newest.
// Never throws.
Outcome copyBeforeChange(const ArchiveBytes& archive, const QString& backupFolder, QDate today,
                         QString* error = nullptr);

// Removes the copies of `archiveName` in `backupFolder` older than the last
// kDaysKept days up to `today`, never the newest of them.
void prune(const QString& backupFolder, const QString& archiveName, QDate today);

// Makes the copy before every archive's first change of a day, in folder()
// and on the Clock's day (the program, at its start). A copy that fails
// never stops the change; it leaves a warning for takeWarning(), once a day
// for each archive.
void install();
// Takes the hook away again and forgets what it had done (tests).
void uninstall();

// What the hint line says when an archive could not be copied.
QString warning(const QString& archiveName);
// The warnings of copies that failed since the last call, in one line, or
// an empty text.
QString takeWarning();

} // namespace Backups
