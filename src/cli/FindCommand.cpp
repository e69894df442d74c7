// find daily|weekly|timetables|workers [--year YYYY] [--FIELD TEXT]...: the search of the
// program's search screen, with the same filters matched by the same rule,
// printing the result lines in list order. Only reads: a missing archive
// lists nothing and is left missing.
#include "Commands.h"

#include "domain/ArchiveSearch.h"
#include "domain/SearchTables.h"

#include <QDir>

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

const Searched& searched(const QString& name) {
    for (const Searched& s : kSearches)
        if (name == QLatin1String(s.name)) return s;
    usageError(
        QStringLiteral("unknown search '%1' (daily, weekly, timetables or workers)").arg(name),
        kUsage);
}

// The options of a search: --year for a yearly archive, then its fields.
std::vector<OptionDef> optionsOf(const Searched& what) {
    std::vector<OptionDef> known;
    if (what.yearly) known.push_back({{QStringLiteral("--year")}});
    for (const QString& field : what.table().filterFields)
        known.push_back({{QStringLiteral("--") + field}});
    return known;
}

} // namespace

QStringList findKinds() {
    QStringList kinds;
    for (const Searched& s : kSearches)
        kinds << QLatin1String(s.name);
    return kinds;
}

QStringList findOptions(const QString& kind) {
    QStringList names;
    for (const Searched& s : kSearches)
        if (kind == QLatin1String(s.name))
            for (const OptionDef& o : optionsOf(s))
                names << o.names.first();
    return names;
}

int runFind(const Options& options, const QStringList& args) {
    if (args.isEmpty()) usageError(QStringLiteral("no search given"), kUsage);
    const Searched& what = searched(args.first());
    const SearchTable& table = what.table();

    const std::vector<OptionDef> known = optionsOf(what);
    const ParsedArgs parsed = parseArgs(args.mid(1), known, 0, kUsage,
                                        QStringLiteral("; the fields of %1 are --%2")
                                            .arg(args.first(), table.filterFields.join(u", --")));
    const QString year = parsed.value(QStringLiteral("--year"));
    if (what.yearly && !isYear(year))
        usageError(QStringLiteral("--year needs a four-digit year"), kUsage);

    const QString file = what.yearly ? year + QLatin1String(what.file) : QLatin1String(what.file);
    const QString path = QDir::cleanPath(QDir(options.folder).filePath(file));
    // Missing, the archive lists nothing; there but unreadable, it is an error.
    if (!archiveThere(path, *table.layout)) return kExitOk;
    std::vector<SearchFilter> filters;
    for (const QString& field : table.filterFields)
        filters.push_back({parsed.value(QStringLiteral("--") + field), field});
    writeLines(
        searchArchive(path, *table.layout, filters, table.line, MissingArchive::ListNothing));
    return kExitOk;
}

} // namespace cli
