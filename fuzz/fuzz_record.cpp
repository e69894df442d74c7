// Decoding a record of every archive kind from arbitrary bytes: the input is
// read as one record of each layout in turn (padded with zeros when it is
// short), every field is loaded, and a loaded text stored back must load
// again unchanged. Whole archives of many records are the companion's target.
#include "archive/FixedText.h"
#include "archive/Record.h"
#include "archive/RecordLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void decode(const TRecordLayout& layout, const uint8_t* data, size_t size) {
    QByteArray bytes(layout.size(), '\0');
    std::memcpy(bytes.data(), data, std::min(static_cast<size_t>(layout.size()), size));
    TRecord record(layout);
    record.assign(bytes.constData());
    TRecord copy(layout);
    for (int i = 0; i < static_cast<int>(layout.fields().size()); ++i) {
        const TFieldDef& f = layout.field(i);
        const QString text = record.text(i);
        // A length byte beyond the capacity is clamped, never trusted.
        if (text.size() > f.capacity) std::abort();
        if (TFixedText::isDamaged(bytes.constData() + f.offset, f.capacity) !=
            (static_cast<unsigned char>(bytes[f.offset]) > f.capacity))
            std::abort();
        copy.setText(i, text);
        if (copy.text(i) != text) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const TRecordLayout* layout : {&TRecordLayout::daily(), &TRecordLayout::weekly(),
                                        &TRecordLayout::timetables(), &TRecordLayout::workers()})
        decode(*layout, data, size);
    return 0;
}
