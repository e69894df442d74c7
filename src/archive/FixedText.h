#pragma once
// TFixedText: one length byte followed by `capacity` bytes of Windows-1252
// text, inside a record buffer.

#include <QString>

#include <algorithm>
#include <string_view>

namespace TFixedText {

// The field's stored bytes, undecoded: what its length byte covers. A length
// byte larger than the capacity (a damaged or foreign file) is clamped:
// reading never leaves the field.
inline std::string_view storedBytes(const char* field, int capacity) {
    const int length = std::min(static_cast<int>(static_cast<unsigned char>(field[0])), capacity);
    return {field + 1, static_cast<std::size_t>(length)};
}

// Stores `text` trimmed, converted and cut to the capacity; the unused bytes
// of the field are zeroed so no older text lingers in the file.
void store(char* field, int capacity, QStringView text);

// Loads the field's stored text, trimmed.
QString load(const char* field, int capacity);

// True when the length byte exceeds the capacity.
bool isDamaged(const char* field, int capacity);

} // namespace TFixedText
