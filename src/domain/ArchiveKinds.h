#pragma once
// The kinds of archive the program keeps, one row each: the word the
// companion names it by, its record layout, its file in the program folder
// (one fixed file, or one a calendar year), its search, its spreadsheet
// export, its printed sheet and the help topic of its editor. The companion's
// commands and the screens read these rows, so a new archive is one row here
// plus its screens.

#include "HelpTexts.h"

#include "archive/RecordLayout.h"

#include <QString>

#include <optional>
#include <span>

struct SearchTable;
struct ExportTable;

enum class ArchiveKindId { Daily, Weekly, Timetables, Workers };

// The printed sheet of one record. The designs are drawn in the report layer
// (report::sheetDesign), which sits above this one: a row names its sheet,
// and the report layer maps each name to its design.
enum class PrintedSheet { DailyTable, WeeklyTable, Timetable, WorkerCard };

struct ArchiveKind {
    ArchiveKindId id;
    QString name; // "daily": the companion's word for it
    const TRecordLayout* layout;
    QString fileName;     // the one file ("Orari.pro"); empty for a yearly kind
    QString yearlySuffix; // a yearly kind's file is the year followed by this (".ore")
    const SearchTable* search;
    const ExportTable* exported; // nullptr: not exported to a spreadsheet
    std::optional<PrintedSheet> sheet;
    HelpTopic help; // what the editor's Guida shows

    // One archive a calendar year.
    bool yearly() const { return fileName.isEmpty(); }
};

// Every kind, in the order the companion lists them.
std::span<const ArchiveKind> archiveKinds();
const ArchiveKind& archiveKind(ArchiveKindId id);
// "daily", "weekly", "timetables", "workers"; nullptr for anything else.
const ArchiveKind* archiveKindNamed(QStringView name);
// NNNN.ore, NNNN.set, Orari.pro, Dipendenti.pro (letters in any case);
// nullptr for anything else.
const ArchiveKind* archiveKindOfFile(QStringView fileName);

// The file name of the kind's archive: the fixed one, or for a yearly kind
// `year` (trimmed) followed by its suffix.
QString archiveFileName(const ArchiveKind& kind, QStringView year = {});
// The same in the program folder. No file is opened or created here.
QString archivePath(ArchiveKindId id, QStringView year = {});

// The layout of a kind, by its name or by its archive's file name (as above).
const TRecordLayout* layoutForKind(QStringView kind);
const TRecordLayout* layoutForFileName(QStringView fileName);
