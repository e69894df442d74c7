// find daily|weekly|timetables|workers [--year YYYY] [--FIELD TEXT]...: the search of the
// program's search screen, with the same filters matched by the same rule,
// printing the result lines in list order. Only reads: a missing archive
// lists nothing and is left missing.
#include "Commands.h"

#include "domain/ArchiveSearch.h"
#include "domain/SearchTables.h"

#include <QDir>
#include <QRegularExpression>

#include <map>

namespace cli {

namespace {

const QString kUsage =
    QStringLiteral("usage: velmora-cli [--folder DIR] find "
                   "daily|weekly|timetables|workers [--year YYYY] [--FIELD TEXT]...");

struct Searched {
    const char* name;
    const SearchTable& (*table)();
    bool yearly; // one archive a year, NNNN.ore
    const char* file;
};

const Searched kSearches[] = {
    {"daily", dailySearch, true, ".ore"},
    {"weekly", weeklySearch, true, ".set"},
    {"timetables", timetableSearch, false, "Orari.pro"},
    {"workers", workerSearch, false, "Dipendenti.pro"},
};

[[noreturn]] void usageError(const QString& what) {
    throw CliError(what + u'\n' + kUsage);
}

const Searched& searched(const QString& name) {
    for (const Searched& s : kSearches)
        if (name == QLatin1String(s.name)) return s;
    usageError(
        QStringLiteral("unknown search '%1' (daily, weekly, timetables or workers)").arg(name));
}

} // namespace

int runFind(const Options& options, const QStringList& args) {
    if (args.isEmpty()) usageError(QStringLiteral("no search given"));
    const Searched& what = searched(args.first());
    const SearchTable& table = what.table();

    QString year;
    std::map<QString, QString> typed;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        const QString& option = args[i];
        if (!option.startsWith(QStringLiteral("--")))
            usageError(QStringLiteral("unexpected argument '%1'").arg(option));
        if (i + 1 >= args.size()) usageError(QStringLiteral("%1 needs a value").arg(option));
        const QString name = option.mid(2);
        if (name == u"year" && what.yearly) {
            year = args[i + 1];
        } else if (table.filterFields.contains(name)) {
            if (typed.count(name)) usageError(QStringLiteral("%1 given twice").arg(option));
            typed[name] = args[i + 1];
        } else {
            usageError(QStringLiteral("unknown option '%1'; the fields of %2 are --%3")
                           .arg(option, args.first(), table.filterFields.join(u", --")));
        }
    }
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    if (what.yearly && !fourDigits.match(year).hasMatch())
        usageError(QStringLiteral("--year needs a four-digit year"));

    const QString file = what.yearly ? year + QLatin1String(what.file) : QLatin1String(what.file);
    std::vector<SearchFilter> filters;
    for (const QString& field : table.filterFields)
        filters.push_back({typed.count(field) ? typed.at(field) : QString(), field});
    const std::vector<FoundLine> found =
        searchArchive(QDir::cleanPath(QDir(options.folder).filePath(file)), *table.layout, filters,
                      table.line, MissingArchive::ListNothing);
    writeLines(found);
    return kExitOk;
}

} // namespace cli
