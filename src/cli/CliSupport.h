#pragma once
// What the commands of velmora-cli share: the options, the exit codes, how a
// FILE argument becomes an archive path and layout, the file a command
// writes, and output.

#include "archive/RecordLayout.h"
#include "domain/ArchiveSearch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

namespace AtomicSave {
class Writer;
}

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
    explicit CliError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    // The message as given, with any bytes of a file name kept.
    const QString& message() const { return message_; }

  private:
    QString message_;
};

// A usage error: the reason, then the command's usage line.
[[noreturn]] void usageError(const QString& what, const QString& usage);

struct Options {
    QString folder; // where relative FILE arguments are found
    QString kind;   // "daily", "weekly", ... or empty: from the file name
};

// ---- The command line

// One argument as text. On Unix a file name is bytes, and bytes that are not
// UTF-8 are kept as the lone surrogates U+DC80 to U+DCFF, so that a file
// name goes on to the system exactly as it was typed.
QString argumentText(const char* argument);

// A folder given on the command line, as a path by which every file
// function reaches it (a name that is not UTF-8 is reached through the
// folder opened by its own bytes). CliError when such a folder cannot be
// opened.
QString folderPath(const QString& given);

// A text for the user: kept bytes written \xHH, and a folder reached by its
// bytes shown by the name given.
QString shownText(const QString& text);

// One option a command knows: its spellings (the first names it in
// ParsedArgs) and whether a value follows it.
struct OptionDef {
    QStringList names;
    bool takesValue = true;
};

struct ParsedArgs {
    std::map<QString, QString> values; // option -> value, for those given
    std::set<QString> flags;           // options without a value, given
    QStringList positional;
    bool has(const QString& option) const {
        return values.count(option) > 0 || flags.count(option) > 0;
    }
    QString value(const QString& option) const {
        const auto found = values.find(option);
        return found == values.end() ? QString() : found->second;
    }
};

// Reads a command's arguments: an unknown option (told with `unknownHint`
// after it), an option without its value, an option given twice or more
// than `maxPositional` other arguments is a usage error.
ParsedArgs parseArgs(const QStringList& args, const std::vector<OptionDef>& options,
                     int maxPositional, const QString& usage, const QString& unknownHint = {});

// True for exactly four digits 0 to 9, nothing before or after.
bool isYear(const QString& text);

// ---- Archives

struct ArchiveRef {
    QString path;
    const TRecordLayout* layout = nullptr;
};

// Resolves FILE against the folder and picks the layout from --kind or the
// file name. The file must exist: nothing here ever creates one.
ArchiveRef resolveArchive(const Options& options, const QString& file);

// Whether an archive is at `path`: false when nothing is there at all. What
// is there but cannot be read as an archive (a folder, a symbolic link that
// loops or points nowhere, a named pipe, a file without read access) is an
// ArchiveError with the system's reason, so a report never mistakes it for
// an empty or a missing archive.
bool archiveThere(const QString& path, const TRecordLayout& layout);

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

// ---- The file a command writes

// The output of a writing command (pdf, export, ical and any to come), made
// with checkedOutput() before the command does any work.
class OutputFile {
  public:
    // The name to show in messages.
    const QString& shown() const { return shown_; }
    // Writes the whole file through the atomic save, or throws CliError;
    // the old file stays as it was then.
    void save(const QByteArray& bytes) const;
    // The same for a file written as it is made: `produce` hands its bytes
    // to the writer piece by piece and returns false once one fails.
    void save(const std::function<bool(AtomicSave::Writer&)>& produce) const;

  private:
    friend OutputFile checkedOutput(const Options& options, const QString& given);
    QString shown_;
    QString path_; // what the atomic save writes
#ifndef _WIN32
    // A final name that is not UTF-8: the file is saved under path_ in the
    // same folder, then renamed to these bytes.
    QByteArray nativeName_;
    int folder_ = -1;
#endif
};

// The one check every writing command makes of its output, however the path
// reaches it (relative, "..", symbolic links), refusing with CliError:
// - a file named as an archive or the password store (NNNN.ore, NNNN.set,
//   Orari.pro, Dipendenti.pro, unins000.dll, in any case) in any folder, by
//   the name given or the name of the file a link leads to;
// - the program folder's own guide and executables;
// - an existing file that is not a regular file or a link to one (a folder,
//   a named pipe, a device), looked at without opening it.
OutputFile checkedOutput(const Options& options, const QString& given);

// ---- Output

// Output goes out as UTF-8, whatever the terminal's locale.
void writeOut(const QByteArray& utf8);
void writeOut(const QString& text);
void writeErr(const QString& text);
// The lines of a text report (find, renewals, conflicts, hours), each
// followed by a line feed. A control character in a field (every byte below
// 32 but the tab, 127, and the C1 controls of the archives' code page) is
// written as \xHH of its UTF-8 bytes, so a field can neither split a line nor
// command the terminal.
void writeTextLines(const QStringList& lines);
void writeLines(const std::vector<FoundLine>& lines);

} // namespace cli
