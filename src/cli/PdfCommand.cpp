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
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

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

[[noreturn]] void usageError(const QString& what) {
    throw CliError(what + u'\n' + kUsage);
}

PdfRequest parse(const QStringList& args) {
    PdfRequest r;
    bool yearGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool takesValue = a == u"--year" || a == u"-o" || a == u"--output";
        if (takesValue && i + 1 >= args.size())
            usageError(QStringLiteral("%1 needs a value").arg(a));
        if (a == u"--year") {
            r.year = args[++i];
            yearGiven = true;
        } else if (takesValue) {
            r.output = args[++i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            usageError(QStringLiteral("unknown option '%1'").arg(a));
        } else if (!r.sheet) {
            const auto* s =
                std::find_if(std::begin(kSheets), std::end(kSheets),
                             [&a](const PrintedSheet& s) { return a == QLatin1String(s.name); });
            if (s == std::end(kSheets))
                usageError(
                    QStringLiteral("unknown sheet '%1' (daily, weekly, timetables or workers)")
                        .arg(a));
            r.sheet = s;
        } else if (r.number.isEmpty()) {
            r.number = a;
        } else {
            usageError(QStringLiteral("unexpected argument '%1'").arg(a));
        }
    }
    if (!r.sheet) usageError(QStringLiteral("no sheet given"));
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    const bool yearly = r.sheet->file == nullptr;
    if (yearly && !fourDigits.match(r.year).hasMatch())
        usageError(QStringLiteral("--year needs a four-digit year"));
    if (!yearly && yearGiven)
        usageError(QStringLiteral("--year is for daily and weekly only: %1 has one archive")
                       .arg(QLatin1String(r.sheet->name)));
    if (r.number.isEmpty()) usageError(QStringLiteral("no record number given"));
    if (r.output.isEmpty()) usageError(QStringLiteral("no output file given (-o)"));
    return r;
}

// The record the user numbered from 1, as the editor shows it in lblPosizione.
TRecord readRecord(const TRecordLayout& layout, const QString& path, const QString& numberText) {
    if (!QFileInfo(path).isFile()) throw CliError(QStringLiteral("no archive at %1").arg(path));
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

std::unique_ptr<QCoreApplication> makePdfApplication(int& argc, char** argv) {
    // The command line never opens a window, whatever the desktop says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runPdf(const Options& options, const QStringList& args) {
    const PdfRequest request = parse(args);
    refuseProtectedOutput(options, request.output);
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
    QString error;
    if (!report::writePdf(sheet.prepared(), request.output, &error))
        throw CliError(QStringLiteral("cannot write %1: %2").arg(request.output, error));
    return kExitOk;
}

} // namespace cli
