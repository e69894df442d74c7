#pragma once
// The two whole-archive passes of a search screen: "Cerca", which lists the
// records the filters let through as sorted lines, and the double click,
// which reads the records behind a chosen line again by rebuilding each
// record's line. Both read the archive once from the first record to the
// last and decode only the fields they need.

#include "ListLine.h"

#include "archive/Record.h"
#include "archive/RecordLayout.h"

#include <QString>

#include <functional>
#include <vector>

struct SearchFilter {
    QString text;  // as typed in its box, not trimmed
    QString field; // the record field it looks at
};

struct FoundLine {
    QString text;
    qint64 recordNumber; // 1-based, as the editors show it
};

// What a search does when the archive file does not exist: the search
// screens create it empty, as every archive action of the program does; the
// command line only reads and leaves the folder as it was.
enum class MissingArchive { CreateEmpty, ListNothing };

// One pass over an archive from the first record to the last, handing
// `visit` each record's bytes as the file holds them, with its 1-based
// number. False, with nothing visited, when the file is missing and
// `missing` says to leave it so. Throws ArchiveError when the file cannot be
// opened or read.
bool passOverArchive(const QString& path, int recordSize, MissingArchive missing,
                     const std::function<void(qint64 number, const char* record)>& visit);

// The lines of the records `listed` lets through, in list order: the pass
// every list of the program makes over its archive. `listed` is handed each
// record's bytes as the file holds them. Throws ArchiveError when the file
// cannot be opened or read.
std::vector<FoundLine> listArchive(const QString& path, const TRecordLayout& layout,
                                   const LineFormat& line,
                                   const std::function<bool(const char* record)>& listed,
                                   MissingArchive missing);

// The lines of the records that `filters` let through (see FilterRule.h), in
// list order. Throws ArchiveError when the file cannot be opened or read, and
// std::logic_error for a field the layout lacks.
std::vector<FoundLine> searchArchive(const QString& path, const TRecordLayout& layout,
                                     const std::vector<SearchFilter>& filters,
                                     const LineFormat& line, MissingArchive missing);

struct FoundRecord {
    TRecord record;
    qint64 number; // 1-based
};

// Every record, in archive order and with its number, whose line, trimmed,
// equals `chosen` trimmed, read in the same pass that finds it. Equal lines
// give every one of their records: the screen loads each in turn and the
// last one stays. Throws ArchiveError when the file cannot be opened or
// read.
std::vector<FoundRecord> recordsBehindLine(const QString& path, const TRecordLayout& layout,
                                           const LineFormat& line, QStringView chosen,
                                           MissingArchive missing);
