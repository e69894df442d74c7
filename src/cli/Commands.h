#pragma once
// The commands of velmora-cli, one file each. main() owns the table that maps
// a command name to one of these.

#include "CliSupport.h"

#include <QStringList>

namespace cli {

// dump FILE: every record as one JSON object per line.
int runDump(const Options& options, const QStringList& args);
// verify FILE: record count, incomplete last record, damaged length bytes.
int runVerify(const Options& options, const QStringList& args);
// repair FILE -o NEW: every whole record of a damaged archive, length bytes
// clamped and the incomplete last record left out, written to NEW; exit 0
// when nothing needed repair, 1 when something did.
int runRepair(const Options& options, const QStringList& args);
// backups: the daily copies of the archives in Backup/, with their days,
// records and sizes.
int runBackups(const Options& options, const QStringList& args);
// check codfisc|iva|iban|carta VALUE: the message of the check dialog; exit 0
// valid, 1 wrong, 2 not checked (wrong length, empty).
int runCheck(const Options& options, const QStringList& args);
// find daily|weekly|timetables|workers [--year YYYY] [--FIELD TEXT]...: the lines the
// search screen lists for those filters, in list order.
int runFind(const Options& options, const QStringList& args);
// The kinds find searches, and the options it takes for one of them (for
// the shell's completion): --year for a yearly archive, then --FIELD.
QStringList findKinds();
QStringList findOptions(const QString& kind);
// renewals [--today dd/mm/yyyy]: the lines of the contracts due for renewal,
// in list order.
int runRenewals(const Options& options, const QStringList& args);
// export daily --year YYYY | timetables | workers [-o FILE]: the spreadsheet
// file of the export screen, by default under its name in the folder.
int runExport(const Options& options, const QStringList& args);
// conflicts --year YYYY [--weekly]: every double booking, one tab-separated
// line each; exit 1 when there is any.
int runConflicts(const Options& options, const QStringList& args);
// hours --year YYYY [--weekly] [--from D] [--to D]: each worker's hours.
int runHours(const Options& options, const QStringList& args);
// ical --year YYYY --worker NAME [--weekly] -o FILE.ics: a worker's calendar.
int runIcal(const Options& options, const QStringList& args);

} // namespace cli
