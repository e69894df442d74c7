#pragma once
// The arguments of the commands over one year's shift tables (conflicts,
// hours, ical): --year YYYY, --weekly for the weekly tables instead of the
// daily ones, and the options with a value that each command takes.

#include "CliSupport.h"

#include <QDate>
#include <QStringList>

#include <map>

namespace cli {

struct ShiftRequest {
    QString year;
    const TRecordLayout* layout = nullptr; // daily, or weekly with --weekly
    QString archive;                       // YYYY.ore or YYYY.set in the folder; it exists
    std::map<QString, QString> values;     // option -> value, for the options given
};

// Throws CliError, with `usage` after the reason, for an unknown or a
// repeated option, a missing value or year, and when the year's archive is
// not there or cannot be read: these commands report on tables, so a
// missing archive is a mistake to show.
ShiftRequest parseShiftRequest(const Options& options, const QStringList& args,
                               const QStringList& valued, const QString& usage);

// The value of a --from / --to option as a day, or `otherwise` when it is not
// given; CliError for a text that is not a date dd/mm/yyyy.
QDate dateOption(const ShiftRequest& request, const QString& option, const QDate& otherwise,
                 const QString& usage);

} // namespace cli
