#include "ListOrder.h"

#include <cstdint>
#include <cstring>

namespace {
char16_t folded(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}
} // namespace

int compareListText(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* p = a.utf16();
    const char16_t* q = b.utf16();
    // The lines of a list often share long prefixes: skip equal characters
    // four at a time and fold only where they differ.
    qsizetype i = 0;
    for (; i + 4 <= common; i += 4) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, p + i, sizeof x);
        std::memcpy(&y, q + i, sizeof y);
        if (x != y) break;
    }
    for (; i < common; ++i) {
        if (p[i] == q[i]) continue;
        const char16_t x = folded(p[i]);
        const char16_t y = folded(q[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void sortInListOrder(QStringList& lines) {
    std::stable_sort(lines.begin(), lines.end(), listOrderLess);
}
