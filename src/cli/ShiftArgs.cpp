#include "ShiftArgs.h"
#include "KindArgs.h"

#include "domain/WorkerRules.h"

namespace cli {

ShiftRequest parseShiftRequest(const Options& options, const QStringList& args,
                               const QStringList& valued, const QString& usage) {
    std::vector<OptionDef> known = {{{QStringLiteral("--year")}},
                                    {{QStringLiteral("--weekly")}, false}};
    for (const QString& option : valued)
        known.push_back({{option}});
    const ParsedArgs parsed = parseArgs(args, known, 0, usage);
    ShiftRequest r;
    r.year = parsed.value(QStringLiteral("--year"));
    if (!isYear(r.year)) usageError(QStringLiteral("--year needs a four-digit year"), usage);
    const bool weekly = parsed.has(QStringLiteral("--weekly"));
    for (const QString& option : valued)
        if (parsed.has(option)) r.values[option] = parsed.value(option);
    const ArchiveKind& kind = archiveKind(weekly ? ArchiveKindId::Weekly : ArchiveKindId::Daily);
    r.layout = kind.layout;
    r.archive = kindArchive(options, kind, r.year);
    if (!archiveThere(r.archive, *r.layout))
        throw CliError(QStringLiteral("no archive at %1").arg(r.archive));
    return r;
}

QDate dateOption(const ShiftRequest& request, const QString& option, const QDate& otherwise,
                 const QString& usage) {
    const auto given = request.values.find(option);
    if (given == request.values.end()) return otherwise;
    const std::optional<QDate> day = worker::contractDate(given->second);
    if (!day) usageError(QStringLiteral("'%1' is not a date dd/mm/yyyy").arg(given->second), usage);
    return *day;
}

} // namespace cli
