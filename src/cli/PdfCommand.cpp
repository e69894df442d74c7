#include "PdfCommand.h"
#include "KindArgs.h"

#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/Environment.h"
#include "reports/Render.h"
#include "reports/SheetDesigns.h"

#include <QGuiApplication>

namespace cli {

namespace {

bool printed(const ArchiveKind& kind) {
    return kind.sheet.has_value();
}

// A line for the yearly sheets, with --year, and one for the others.
QString pdfUsage() {
    QStringList yearly;
    QStringList single;
    for (const ArchiveKind& k : archiveKinds())
        if (printed(k)) (k.yearly() ? yearly : single) << k.name;
    return QStringLiteral("usage: velmora-cli [--folder DIR] pdf %1 --year YYYY N -o FILE.pdf\n"
                          "       velmora-cli [--folder DIR] pdf %2 N -o FILE.pdf")
        .arg(yearly.join(u'|'), single.join(u'|'));
}

struct PdfRequest {
    const ArchiveKind* kind = nullptr;
    QString year;
    QString number;
    QString output;
};

PdfRequest parse(const QStringList& args) {
    const QString usage = pdfUsage();
    const ParsedArgs parsed = parseArgs(
        args, {{{QStringLiteral("--year")}}, {{QStringLiteral("-o"), QStringLiteral("--output")}}},
        2, usage);
    PdfRequest r;
    if (parsed.positional.isEmpty()) usageError(QStringLiteral("no sheet given"), usage);
    r.kind = &offeredKind(parsed.positional.first(), printed, QStringLiteral("sheet"), usage);
    r.number = parsed.positional.value(1);
    r.output = parsed.value(QStringLiteral("-o"));
    r.year = kindYear(*r.kind, parsed, printed, usage);
    if (r.number.isEmpty()) usageError(QStringLiteral("no record number given"), usage);
    if (r.output.isEmpty()) usageError(QStringLiteral("no output file given (-o)"), usage);
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

    const ArchiveKind& kind = *request.kind;
    const TRecord record =
        readRecord(*kind.layout, kindArchive(options, kind, request.year), request.number);

    const report::SheetDesign& design = report::sheetDesign(*kind.sheet);
    report::Report sheet = report::makeSheet(design);
    report::fillSheet(
        sheet, design, [&record](const QString& field) { return record.text(field); },
        Clock::current().now());
    sheet.prepare();
    output.save(report::pdfBytes(sheet.prepared()));
    return kExitOk;
}

} // namespace cli
