// export daily --year YYYY | timetables | workers [-o FILE]: the spreadsheet
// file the export screen writes, from the archive as it is on disk; by
// default under the screen's own name in the folder. Only reads the archive.
#include "Commands.h"

#include "domain/ArchiveKinds.h"
#include "domain/SpreadsheetExport.h"

#include <QDir>

#include <optional>

namespace cli {

namespace {

const QString kUsage = QStringLiteral(
    "usage: velmora-cli [--folder DIR] export daily --year YYYY | timetables | workers [-o FILE]");

struct ExportRequest {
    QString kind;
    std::optional<QString> year;
    QString output; // empty: the screen's own file in the folder
};

ExportRequest parse(const QStringList& args) {
    const ParsedArgs parsed = parseArgs(
        args, {{{QStringLiteral("--year")}}, {{QStringLiteral("-o"), QStringLiteral("--output")}}},
        1, kUsage);
    ExportRequest r;
    r.kind = parsed.positional.value(0);
    if (parsed.has(QStringLiteral("--year"))) r.year = parsed.value(QStringLiteral("--year"));
    r.output = parsed.value(QStringLiteral("-o"));
    if (parsed.has(QStringLiteral("-o")) && r.output.isEmpty())
        usageError(QStringLiteral("no output file given (-o)"), kUsage);
    return r;
}

} // namespace

int runExport(const Options& options, const QStringList& args) {
    const ExportRequest request = parse(args);
    const ExportTable* table = nullptr;
    QString archive;
    if (request.kind == u"daily") {
        if (!request.year || !isYear(*request.year))
            usageError(QStringLiteral("--year needs a four-digit year"), kUsage);
        table = &dailyExport();
        archive = *request.year + QStringLiteral(".ore");
    } else if (request.kind == u"timetables" || request.kind == u"workers") {
        if (request.year)
            usageError(
                QStringLiteral("--year is for daily only: %1 has one archive").arg(request.kind),
                kUsage);
        const bool timetables = request.kind == u"timetables";
        table = timetables ? &timetableExport() : &workerExport();
        archive = timetables ? kTimetablesFile : kWorkersFile;
    } else {
        usageError(
            QStringLiteral("unknown export '%1' (daily, timetables or workers)").arg(request.kind),
            kUsage);
    }
    const QDir folder(options.folder);
    const OutputFile output = checkedOutput(
        options, request.output.isEmpty() ? folder.filePath(table->fileName) : request.output);
    const QString path = QDir::cleanPath(folder.filePath(archive));
    if (!archiveThere(path, *table->layout))
        throw CliError(QStringLiteral("no archive at %1").arg(path));

    std::vector<QStringList> rows;
    readExportRows(path, *table, TRecordArchive::Mode::ReadOnly,
                   [&rows](QStringList cells) { rows.push_back(std::move(cells)); });
    // As the screen's grid: an empty archive keeps its empty rows.
    if (rows.empty()) rows.resize(kEmptyExportRows);
    output.save(spreadsheetBytes(*table, rows));
    return kExitOk;
}

} // namespace cli
