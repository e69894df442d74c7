#pragma once
// What the commands of velmora-cli share: the options, the exit codes, how a
// FILE argument becomes an archive path and layout, and output.

#include "archive/RecordLayout.h"
#include "domain/ArchiveSearch.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace cli {

// Exit codes: 0 all well, 1 the archive is damaged (verify), 2 the command
// could not do its work (bad usage, unknown kind, missing or unreadable file).
inline constexpr int kExitOk = 0;
inline constexpr int kExitDamaged = 1;
inline constexpr int kExitFailure = 2;
// What a report command looked for was found (conflicts: a double booking).
inline constexpr int kExitFound = 1;

// A failure the user can fix; main() prints the message and exits with 2.
class CliError : public std::runtime_error {
  public:
    explicit CliError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

struct Options {
    QString folder; // where relative FILE arguments are found
    QString kind;   // "daily", "weekly", ... or empty: from the file name
};

struct ArchiveRef {
    QString path;
    const TRecordLayout* layout = nullptr;
};

// Resolves FILE against the folder and picks the layout from --kind or the
// file name. The file must exist: nothing here ever creates one.
ArchiveRef resolveArchive(const Options& options, const QString& file);

// Every whole record of the archive, read in one go with the file released
// before the caller prints anything: a reader that waits on a slow pipe
// must not keep the program from saving.
struct ArchiveSnapshot {
    QByteArray records; // count x record size bytes
    qint64 count = 0;
    qint64 trailingBytes = 0;
    const char* record(qint64 index, int recordSize) const {
        return records.constData() + index * recordSize;
    }
};
ArchiveSnapshot readArchive(const ArchiveRef& ref);

// Refuses (CliError) an output file that would land on an archive or on the
// password store of the folder or of the program's own folder, however it
// is reached: relative path, "..", symbolic link.
void refuseProtectedOutput(const Options& options, const QString& output);

// Output goes out as UTF-8, whatever the terminal's locale.
void writeOut(const QByteArray& utf8);
void writeOut(const QString& text);
void writeErr(const QString& text);
// The lines of a list, one an output line, in the order given.
void writeLines(const std::vector<FoundLine>& lines);

} // namespace cli
