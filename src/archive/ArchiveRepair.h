#pragma once
// A damaged archive read back into a sound one: every whole record, each
// length byte beyond its field's capacity set to that capacity, and the
// incomplete record at the end left out. The archive itself is never
// changed: the repaired records go elsewhere.

#include "RecordLayout.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

struct RepairReport {
    // One length byte set to its field's capacity.
    struct Clamp {
        qint64 record; // 1-based record number
        int field;     // index in the layout
        int length;    // what the length byte said
    };
    qint64 records = 0;      // whole records written
    qint64 droppedBytes = 0; // of the incomplete record at the end
    qint64 clamped = 0;      // length bytes set to their capacity
    // The first kListed of them, in record order; the rest are only counted,
    // so a file of noise does not fill the memory.
    std::vector<Clamp> listed;
    static constexpr std::size_t kListed = 1000;
    // False when `write` refused some bytes and the repair stopped there.
    bool written = true;

    bool changed() const { return droppedBytes > 0 || clamped > 0; }
};

// Reads the archive at `path` as records of `layout`, in blocks, under a
// shared lock and without ever creating it, and hands the repaired records
// to `write` block by block as it goes. Throws ArchiveError when the archive
// cannot be read (missing, a folder, a pipe, unreadable).
RepairReport repairArchive(const QString& path, const TRecordLayout& layout,
                           const std::function<bool(QByteArrayView)>& write);
