// verify FILE: how many records the archive holds and whether anything in it
// cannot be trusted: an incomplete record at the end (never read by the
// program) or a length byte beyond its field's capacity (clamped on reading).
#include "Commands.h"

#include "archive/FixedText.h"

namespace cli {

int runVerify(const Options& options, const QStringList& args) {
    const ArchiveRef ref = resolveArchive(options, args.at(0));
    const TRecordLayout& layout = *ref.layout;
    const ArchiveSnapshot snapshot = readArchive(ref);

    writeOut(QStringLiteral("archive: %1 (%2, %3 bytes per record)\n")
                 .arg(shownText(ref.path), layout.kind())
                 .arg(layout.size()));
    writeOut(QStringLiteral("records: %1\n").arg(snapshot.count));
    const qint64 trailing = snapshot.trailingBytes;
    writeOut(QStringLiteral("trailing bytes: %1\n").arg(trailing));

    qint64 damaged = 0;
    for (qint64 index = 0; index < snapshot.count; ++index) {
        const char* record = snapshot.record(index, layout.size());
        for (const TFieldDef& f : layout.fields()) {
            if (!TFixedText::isDamaged(record + f.offset, f.capacity)) continue;
            ++damaged;
            writeOut(QStringLiteral("record %1 field %2: length %3 exceeds capacity %4\n")
                         .arg(index + 1)
                         .arg(f.name)
                         .arg(static_cast<unsigned char>(record[f.offset]))
                         .arg(f.capacity));
        }
    }

    const bool clean = trailing == 0 && damaged == 0;
    writeOut(clean ? QStringLiteral("clean\n")
                   : QStringLiteral("damaged: %1 field(s), %2 trailing byte(s)\n")
                         .arg(damaged)
                         .arg(trailing));
    if (!clean)
        writeOut(QStringLiteral("to write a repaired copy: velmora-cli %1repair %2 -o NEW\n")
                     .arg(options.kind.isEmpty() ? QString()
                                                 : QStringLiteral("--kind %1 ").arg(options.kind),
                          shownText(args.at(0))));
    return clean ? kExitOk : kExitDamaged;
}

} // namespace cli
