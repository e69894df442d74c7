#include "ArchiveRepair.h"

#include "FixedText.h"
#include "RecordArchive.h"

#include <QByteArray>

#include <algorithm>

RepairReport repairArchive(const QString& path, const TRecordLayout& layout,
                           const std::function<bool(QByteArrayView)>& write) {
    const int size = layout.size();
    const std::vector<TFieldDef>& fields = layout.fields();
    TRecordArchive archive(size);
    archive.open(path, TRecordArchive::Mode::ReadOnly);
    RepairReport report;
    const qint64 total = archive.count();
    report.droppedBytes = archive.trailingBytes();

    constexpr qint64 kBlockBytes = 1 << 20;
    const qint64 perBlock = std::max<qint64>(1, kBlockBytes / size);
    QByteArray block;
    for (qint64 first = 0; first < total; first += perBlock) {
        const qint64 n = std::min(perBlock, total - first);
        block.resize(n * size);
        archive.seek(first);
        archive.read(block);
        for (qint64 i = 0; i < n; ++i) {
            char* record = block.data() + i * size;
            for (std::size_t f = 0; f < fields.size(); ++f) {
                char* field = record + fields[f].offset;
                if (!TFixedText::isDamaged(field, fields[f].capacity)) continue;
                if (report.listed.size() < RepairReport::kListed)
                    report.listed.push_back(
                        {first + i + 1, static_cast<int>(f), static_cast<unsigned char>(field[0])});
                ++report.clamped;
                field[0] = static_cast<char>(fields[f].capacity);
            }
        }
        if (!write(block)) {
            report.written = false;
            break;
        }
        report.records += n;
    }
    archive.close();
    return report;
}
