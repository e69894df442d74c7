// repair FILE -o NEW: a damaged archive of any kind read back into a sound
// one, written to NEW: every whole record, each length byte beyond its
// field's capacity set to the capacity, the incomplete record at the end
// left out. The archive is read in blocks and NEW written as it goes, in
// flat memory; NEW is never an archive or the password store, so putting
// the repaired file in the archive's place is the user's own step, with
// the program closed. Exit 0 when nothing needed repair, 1 when something
// did, 2 when the archive could not be read or NEW not written.
#include "Commands.h"

#include "archive/ArchiveRepair.h"
#include "archive/AtomicSave.h"

namespace cli {

int runRepair(const Options& options, const QStringList& args) {
    const QString usage =
        QStringLiteral("usage: velmora-cli [--folder DIR] [--kind KIND] repair FILE -o NEW");
    const QString output = QStringLiteral("-o");
    const ParsedArgs parsed = parseArgs(args, {{{output}}}, 1, usage);
    if (parsed.positional.isEmpty()) throw CliError(QStringLiteral("no archive given\n") + usage);
    if (!parsed.has(output)) throw CliError(QStringLiteral("no output file given (-o)\n") + usage);
    const OutputFile file = checkedOutput(options, parsed.value(output));
    const ArchiveRef ref = resolveArchive(options, parsed.positional.first());
    const TRecordLayout& layout = *ref.layout;

    RepairReport report;
    file.save([&](AtomicSave::Writer& out) {
        report = repairArchive(ref.path, layout,
                               [&out](QByteArrayView block) { return out.write(block); });
        return report.written;
    });

    // Told once the archive is released and NEW is in place.
    QString text = QStringLiteral("archive: %1 (%2, %3 bytes per record)\n")
                       .arg(shownText(ref.path), layout.kind())
                       .arg(layout.size());
    for (const RepairReport::Clamp& c : report.listed) {
        const TFieldDef& f = layout.field(c.field);
        text += QStringLiteral("record %1 field %2: length %3 clamped to %4\n")
                    .arg(c.record)
                    .arg(f.name)
                    .arg(c.length)
                    .arg(f.capacity);
    }
    const qint64 unlisted = report.clamped - static_cast<qint64>(report.listed.size());
    if (unlisted > 0) text += QStringLiteral("and %1 more length byte(s) clamped\n").arg(unlisted);
    text += QStringLiteral("records kept: %1\n").arg(report.records);
    text += QStringLiteral("bytes dropped: %1%2\n")
                .arg(report.droppedBytes)
                .arg(report.droppedBytes > 0 ? QStringLiteral(" (an incomplete record at the end)")
                                             : QString());
    text += QStringLiteral("fields clamped: %1\n").arg(report.clamped);
    text += report.changed()
                ? QStringLiteral("repaired: written to %1\n").arg(shownText(file.shown()))
                : QStringLiteral("nothing to repair: an unchanged copy written to %1\n")
                      .arg(shownText(file.shown()));
    writeOut(text);
    return report.changed() ? kExitDamaged : kExitOk;
}

} // namespace cli
