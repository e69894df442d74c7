// dump FILE: one line per record, {"n": <record number>, "<Field>": "<text>", ...},
// the fields in record order and their texts as the program shows them.
#include "Commands.h"
#include "JsonText.h"

#include "archive/FixedText.h"

namespace cli {

int runDump(const Options& options, const QStringList& args) {
    const ArchiveRef ref = resolveArchive(options, args.at(0));
    const TRecordLayout& layout = *ref.layout;
    const ArchiveSnapshot snapshot = readArchive(ref);
    QString line;
    for (qint64 index = 0; index < snapshot.count; ++index) {
        const char* record = snapshot.record(index, layout.size());
        line = QStringLiteral("{\"n\": %1").arg(index + 1);
        for (const TFieldDef& f : layout.fields()) {
            line += u", ";
            appendJsonString(line, f.name);
            line += u": ";
            appendJsonString(line, TFixedText::load(record + f.offset, f.capacity));
        }
        line += u"}\n";
        writeOut(line);
    }
    return kExitOk;
}

} // namespace cli
