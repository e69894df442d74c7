// export daily --year YYYY | timetables | workers [-o FILE]: the spreadsheet
// file the export screen writes, from the archive as it is on disk; by
// default under the screen's own name in the folder. Only reads the archive.
#include "Commands.h"

#include "domain/ArchiveKinds.h"
#include "domain/SpreadsheetExport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace cli {

namespace {

const QString kUsage = QStringLiteral(
    "usage: velmora-cli [--folder DIR] export daily --year YYYY | timetables | workers [-o FILE]");

[[noreturn]] void usageError(const QString& what) {
    throw CliError(what + u'\n' + kUsage);
}

struct ExportRequest {
    QString kind;
    QString year;
    QString output;
};

ExportRequest parse(const QStringList& args) {
    ExportRequest r;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString* value = a == u"--year"                     ? &r.year
                         : (a == u"-o" || a == u"--output") ? &r.output
                                                            : nullptr;
        if (value) {
            if (++i >= args.size()) usageError(QStringLiteral("%1 needs a value").arg(a));
            *value = args[i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            usageError(QStringLiteral("unknown option '%1'").arg(a));
        } else if (r.kind.isEmpty()) {
            r.kind = a;
        } else {
            usageError(QStringLiteral("unexpected argument '%1'").arg(a));
        }
    }
    return r;
}

} // namespace

int runExport(const Options& options, const QStringList& args) {
    const ExportRequest request = parse(args);
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    const ExportTable* table = nullptr;
    QString archive;
    if (request.kind == u"daily") {
        if (!fourDigits.match(request.year).hasMatch())
            usageError(QStringLiteral("--year needs a four-digit year"));
        table = &dailyExport();
        archive = request.year + QStringLiteral(".ore");
    } else if (request.kind == u"timetables" || request.kind == u"workers") {
        if (!request.year.isEmpty())
            usageError(
                QStringLiteral("--year is for daily only: %1 has one archive").arg(request.kind));
        const bool timetables = request.kind == u"timetables";
        table = timetables ? &timetableExport() : &workerExport();
        archive = timetables ? kTimetablesFile : kWorkersFile;
    } else {
        usageError(
            QStringLiteral("unknown export '%1' (daily, timetables or workers)").arg(request.kind));
    }
    const QDir folder(options.folder);
    const QString output =
        request.output.isEmpty() ? folder.filePath(table->fileName) : request.output;
    refuseProtectedOutput(options, output);
    const QString path = QDir::cleanPath(folder.filePath(archive));
    if (!QFileInfo(path).isFile()) throw CliError(QStringLiteral("no archive at %1").arg(path));

    std::vector<QStringList> rows;
    readExportRows(path, *table, TRecordArchive::Mode::ReadOnly,
                   [&rows](QStringList cells) { rows.push_back(std::move(cells)); });
    // As the screen's grid: an empty archive keeps its empty rows.
    if (rows.empty()) rows.resize(kEmptyExportRows);
    QString error;
    if (!writeSpreadsheet(output, *table, rows, &error))
        throw CliError(QStringLiteral("cannot write %1: %2").arg(output, error));
    return kExitOk;
}

} // namespace cli
