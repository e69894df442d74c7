// find daily|weekly|timetables|workers [--year YYYY] [--FIELD TEXT]...: the search of the
// program's search screen, with the same filters matched by the same rule,
// printing the result lines in list order. Only reads: a missing archive
// lists nothing and is left missing.
#include "Commands.h"
#include "KindArgs.h"

#include "domain/ArchiveSearch.h"
#include "domain/SearchTables.h"

namespace cli {

namespace {

// The options of a search: --year for a yearly archive, then its fields.
std::vector<OptionDef> optionsOf(const ArchiveKind& kind) {
    std::vector<OptionDef> known;
    if (kind.yearly()) known.push_back({{QStringLiteral("--year")}});
    for (const QString& field : kind.search->filterFields)
        known.push_back({{QStringLiteral("--") + field}});
    return known;
}

} // namespace

QStringList findKinds() {
    return kindNames(everyKind);
}

QStringList findOptions(const QString& name) {
    QStringList names;
    if (const ArchiveKind* kind = archiveKindNamed(name))
        for (const OptionDef& o : optionsOf(*kind))
            names << o.names.first();
    return names;
}

int runFind(const Options& options, const QStringList& args) {
    const QString usage = QStringLiteral("usage: velmora-cli [--folder DIR] find %1 [--year YYYY] "
                                         "[--FIELD TEXT]...")
                              .arg(kindNames(everyKind).join(u'|'));
    if (args.isEmpty()) usageError(QStringLiteral("no search given"), usage);
    const ArchiveKind& kind = offeredKind(args.first(), everyKind, QStringLiteral("search"), usage);
    const SearchTable& table = *kind.search;

    const ParsedArgs parsed = parseArgs(args.mid(1), optionsOf(kind), 0, usage,
                                        QStringLiteral("; the fields of %1 are --%2")
                                            .arg(args.first(), table.filterFields.join(u", --")));
    const QString path = kindArchive(options, kind, kindYear(kind, parsed, everyKind, usage));
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
