#include "PdfCommand.h"

#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/ArchiveKinds.h"
#include "domain/Environment.h"
#include "reports/DailySheet.h"
#include "reports/Render.h"
#include "reports/TimetableSheet.h"
#include "reports/WeeklySheet.h"
#include "reports/WorkerCard.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>

namespace cli {

namespace {

const QString kUsage =
    QStringLiteral("usage: velmora-cli [--folder DIR] pdf daily|weekly --year YYYY N -o FILE.pdf\n"
                   "       velmora-cli [--folder DIR] pdf timetables|workers N -o FILE.pdf");

// The sheets the command prints, each from the archive its editor keeps.
struct PrintedSheet {
    const char* name;
    const TRecordLayout& (*layout)();
    const report::SheetDesign& (*design)();
    const QString* file;      // nullptr: one archive a year,
    const char* yearlySuffix; // YYYY followed by this
};
const PrintedSheet kSheets[] = {
    {"daily", TRecordLayout::daily, report::DailySheet::design, nullptr, ".ore"},
    {"weekly", TRecordLayout::weekly, report::WeeklySheet::design, nullptr, ".set"},
    {"timetables", TRecordLayout::timetables, report::TimetableSheet::design, &kTimetablesFile,
     nullptr},
    {"workers", TRecordLayout::workers, report::WorkerCard::design, &kWorkersFile, nullptr},
};

struct PdfRequest {
    const PrintedSheet* sheet = nullptr;
    QString year;
    QString number;
    QString output;
};

PdfRequest parse(const QStringList& args) {
    const ParsedArgs parsed = parseArgs(
        args, {{{QStringLiteral("--year")}}, {{QStringLiteral("-o"), QStringLiteral("--output")}}},
        2, kUsage);
    PdfRequest r;
    if (parsed.positional.isEmpty()) usageError(QStringLiteral("no sheet given"), kUsage);
    const QString& name = parsed.positional.first();
    const auto* s =
        std::find_if(std::begin(kSheets), std::end(kSheets),
                     [&name](const PrintedSheet& s) { return name == QLatin1String(s.name); });
    if (s == std::end(kSheets))
        usageError(
            QStringLiteral("unknown sheet '%1' (daily, weekly, timetables or workers)").arg(name),
            kUsage);
    r.sheet = s;
    r.number = parsed.positional.value(1);
    r.year = parsed.value(QStringLiteral("--year"));
    r.output = parsed.value(QStringLiteral("-o"));
    const bool yearly = r.sheet->file == nullptr;
    if (yearly && !isYear(r.year))
        usageError(QStringLiteral("--year needs a four-digit year"), kUsage);
    if (!yearly && parsed.has(QStringLiteral("--year")))
        usageError(QStringLiteral("--year is for daily and weekly only: %1 has one archive")
                       .arg(QLatin1String(r.sheet->name)),
                   kUsage);
    if (r.number.isEmpty()) usageError(QStringLiteral("no record number given"), kUsage);
    if (r.output.isEmpty()) usageError(QStringLiteral("no output file given (-o)"), kUsage);
    return r;
}

// The record the user numbered from 1, as the editor shows it in lblPosizione.
TRecord readRecord(const TRecordLayout& layout, const QString& path, const QString& numberText) {
    if (!archiveThere(path, layout)) throw CliError(QStringLiteral("no archive at %1").arg(path));
    bool ok = false;
    const qint64 number = numberText.toLongLong(&ok);
    TRecordArchive archive(layout.size());
    archive.open(path, TRecordArchive::Mode::ReadOnly);
    const qint64 count = archive.count();
    if (!ok || number < 1 || number > count) {
        archive.close();
        throw CliError(QStringLiteral("no record number %1 in %2 (it holds %3)")
                           .arg(numberText, path)
                           .arg(count));
    }
    QByteArray bytes(layout.size(), '\0');
    archive.seek(number - 1);
    archive.read(bytes);
    archive.close();
    TRecord record(layout);
    record.assign(bytes.constData());
    return record;
}

} // namespace

namespace {

QtMessageHandler g_messages = nullptr;

// While the GUI application starts: Qt looks for a Flatpak sandbox's file
// in the session's runtime folder and warns when a run from cron or a
// service account has none. The companion needs no such folder, so that one
// warning is not passed on; every other message is.
void startupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg &&
        text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_messages(type, context, text);
}

} // namespace

std::unique_ptr<QCoreApplication> makePdfApplication(int& argc, char** argv) {
    // The command line never opens a window, whatever the desktop says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_messages = qInstallMessageHandler(startupMessage);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(g_messages);
    return app;
}

int runPdf(const Options& options, const QStringList& args) {
    const PdfRequest request = parse(args);
    const OutputFile output = checkedOutput(options, request.output);
    // Text on a page needs the fonts, which only a GUI application reaches.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw CliError(QStringLiteral("pdf needs a QGuiApplication"));

    const PrintedSheet& printed = *request.sheet;
    const QString file =
        printed.file ? *printed.file : request.year + QLatin1String(printed.yearlySuffix);
    const TRecord record = readRecord(
        printed.layout(), QDir::cleanPath(QDir(options.folder).filePath(file)), request.number);

    const report::SheetDesign& design = printed.design();
    report::Report sheet = report::makeSheet(design);
    report::fillSheet(
        sheet, design, [&record](const QString& field) { return record.text(field); },
        Clock::current().now());
    sheet.prepare();
    output.save(report::pdfBytes(sheet.prepared()));
    return kExitOk;
}

} // namespace cli
