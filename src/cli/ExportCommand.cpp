// export daily --year YYYY | timetables | workers [-o FILE]: the spreadsheet
// file the export screen writes, from the archive as it is on disk; by
// default under the screen's own name in the folder. Only reads the archive.
#include "Commands.h"
#include "KindArgs.h"

#include "domain/SpreadsheetExport.h"

#include <QDir>

namespace cli {

namespace {

bool exported(const ArchiveKind& kind) {
    return kind.exported != nullptr;
}

// "daily --year YYYY | timetables | workers"
QString exportUsage() {
    QStringList kinds;
    for (const ArchiveKind& k : archiveKinds())
        if (exported(k))
            kinds << k.name + (k.yearly() ? QStringLiteral(" --year YYYY") : QString());
    return QStringLiteral("usage: velmora-cli [--folder DIR] export %1 [-o FILE]")
        .arg(kinds.join(QStringLiteral(" | ")));
}

} // namespace

int runExport(const Options& options, const QStringList& args) {
    const QString usage = exportUsage();
    const ParsedArgs parsed = parseArgs(
        args, {{{QStringLiteral("--year")}}, {{QStringLiteral("-o"), QStringLiteral("--output")}}},
        1, usage);
    const QString given = parsed.value(QStringLiteral("-o"));
    if (parsed.has(QStringLiteral("-o")) && given.isEmpty())
        usageError(QStringLiteral("no output file given (-o)"), usage);
    const ArchiveKind& kind =
        offeredKind(parsed.positional.value(0), exported, QStringLiteral("export"), usage);
    const QString year = kindYear(kind, parsed, exported, usage);

    const ExportTable& table = *kind.exported;
    const OutputFile output = checkedOutput(
        options, given.isEmpty() ? QDir(options.folder).filePath(table.fileName) : given);
    const QString path = kindArchive(options, kind, year);
    if (!archiveThere(path, *table.layout))
        throw CliError(QStringLiteral("no archive at %1").arg(path));

    std::vector<QStringList> rows;
    readExportRows(path, table, TRecordArchive::Mode::ReadOnly,
                   [&rows](QStringList cells) { rows.push_back(std::move(cells)); });
    // As the screen's grid: an empty archive keeps its empty rows.
    if (rows.empty()) rows.resize(kEmptyExportRows);
    output.save(spreadsheetBytes(table, rows));
    return kExitOk;
}

} // namespace cli
