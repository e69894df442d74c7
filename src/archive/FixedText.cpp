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
    const int length = std::min(static_cast<int>(static_cast<unsigned char>(field[0])), capacity);
    // Blanks and control characters are the bytes 0x00-0x20 in Windows-1252,
    // so the text is trimmed before it is converted: one string, not two.
    const auto* text = reinterpret_cast<const unsigned char*>(field + 1);
    int begin = 0;
    int end = length;
    while (begin < end && text[begin] <= 32)
        ++begin;
    while (end > begin && text[end - 1] <= 32)
        --end;
    return vtext::fromWin1252(field + 1 + begin, end - begin);
}

bool isDamaged(const char* field, int capacity) {
    return static_cast<unsigned char>(field[0]) > capacity;
}

} // namespace TFixedText
