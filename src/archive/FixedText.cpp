#include "FixedText.h"

#include "Text.h"

#include <algorithm>
#include <cstring>

namespace TFixedText {

void store(char* field, int capacity, QStringView text) {
    const QByteArray bytes = vtext::toWin1252(vtext::trimmed(text));
    const int kept = static_cast<int>(std::min<qsizetype>({bytes.size(), 255, capacity}));
    field[0] = static_cast<char>(kept);
    std::memcpy(field + 1, bytes.constData(), static_cast<std::size_t>(kept));
    std::memset(field + 1 + kept, 0, static_cast<std::size_t>(capacity - kept));
}

QString load(const char* field, int capacity) {
    // Trimmed before it is converted (see Text.h): one string, not two.
    return vtext::fromWin1252(vtext::trimmedBytes(storedBytes(field, capacity)));
}

bool isDamaged(const char* field, int capacity) {
    return static_cast<unsigned char>(field[0]) > capacity;
}

} // namespace TFixedText
