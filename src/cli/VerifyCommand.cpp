// verify FILE: how many records the archive holds and whether anything in it
// cannot be trusted: an incomplete record at the end (never read by the
// program) or a length byte beyond its field's capacity (clamped on reading).
#include "Commands.h"

#include "archive/FixedText.h"
#include "archive/RecordArchive.h"

namespace cli {

int runVerify(const Options& options, const QStringList& args) {
    const ArchiveRef ref = resolveArchive(options, args.at(0));
    const TRecordLayout& layout = *ref.layout;
    TRecordArchive archive(layout.size());
    archive.open(ref.path, TRecordArchive::Mode::ReadOnly);

    writeOut(QStringLiteral("archive: %1 (%2, %3 bytes per record)\n")
                 .arg(ref.path, layout.kind())
                 .arg(layout.size()));
    writeOut(QStringLiteral("records: %1\n").arg(archive.count()));
    const qint64 trailing = archive.trailingBytes();
    writeOut(QStringLiteral("trailing bytes: %1\n").arg(trailing));

    qint64 damaged = 0;
    archive.forEach([&](qint64 index, const char* record) {
        for (const TFieldDef& f : layout.fields()) {
            if (!TFixedText::isDamaged(record + f.offset, f.capacity)) continue;
            ++damaged;
            writeOut(QStringLiteral("record %1 field %2: length %3 exceeds capacity %4\n")
                         .arg(index + 1)
                         .arg(f.name)
                         .arg(static_cast<unsigned char>(record[f.offset]))
                         .arg(f.capacity));
        }
    });
    archive.close();

    const bool clean = trailing == 0 && damaged == 0;
    writeOut(clean ? QStringLiteral("clean\n")
                   : QStringLiteral("damaged: %1 field(s), %2 trailing byte(s)\n")
                         .arg(damaged)
                         .arg(trailing));
    return clean ? kExitOk : kExitDamaged;
}

} // namespace cli
