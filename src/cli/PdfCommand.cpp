#include "PdfCommand.h"

#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/Environment.h"
#include "reports/DailySheet.h"
#include "reports/Render.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

namespace cli {

namespace {

struct PdfRequest {
    QString sheet;
    QString year;
    QString number;
    QString output;
};

PdfRequest parse(const QStringList& args) {
    const QString usage =
        QStringLiteral("usage: velmora-cli [--folder DIR] pdf daily --year YYYY N -o FILE.pdf");
    PdfRequest r;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool takesValue = a == u"--year" || a == u"-o" || a == u"--output";
        if (takesValue && i + 1 >= args.size())
            throw CliError(QStringLiteral("%1 needs a value\n%2").arg(a, usage));
        if (a == u"--year")
            r.year = args[++i];
        else if (takesValue)
            r.output = args[++i];
        else if (a.startsWith(u'-') && a.size() > 1)
            throw CliError(QStringLiteral("unknown option '%1'\n%2").arg(a, usage));
        else if (r.sheet.isEmpty())
            r.sheet = a;
        else if (r.number.isEmpty())
            r.number = a;
        else
            throw CliError(QStringLiteral("unexpected argument '%1'\n%2").arg(a, usage));
    }
    if (r.sheet != u"daily")
        throw CliError(QStringLiteral("unknown sheet '%1' (only daily is printed so far)\n%2")
                           .arg(r.sheet, usage));
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    if (!fourDigits.match(r.year).hasMatch())
        throw CliError(QStringLiteral("--year needs a four-digit year\n%1").arg(usage));
    if (r.number.isEmpty()) throw CliError(QStringLiteral("no record number given\n%1").arg(usage));
    if (r.output.isEmpty())
        throw CliError(QStringLiteral("no output file given (-o)\n%1").arg(usage));
    return r;
}

// The record the user numbered from 1, as the editor shows it in lblPosizione.
TRecord readRecord(const QString& path, const QString& numberText) {
    const TRecordLayout& layout = TRecordLayout::daily();
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

    const QString archivePath =
        QDir::cleanPath(QDir(options.folder).filePath(request.year + QStringLiteral(".ore")));
    const TRecord record = readRecord(archivePath, request.number);

    report::Report sheet = report::DailySheet::create();
    report::DailySheet::fill(
        sheet, [&record](const QString& field) { return record.text(field); },
        Clock::current().now());
    sheet.prepare();
    QString error;
    if (!report::writePdf(sheet.prepared(), request.output, &error))
        throw CliError(QStringLiteral("cannot write %1: %2").arg(request.output, error));
    return kExitOk;
}

} // namespace cli
