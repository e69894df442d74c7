#pragma once
// TFixedText: one length byte followed by `capacity` bytes of Windows-1252
// text, inside a record buffer.

#include <QString>

namespace TFixedText {

// Stores `text` trimmed, converted and cut to the capacity; the unused bytes
// of the field are zeroed so no older text lingers in the file.
void store(char* field, int capacity, QStringView text);

// Loads the field's text, trimmed. A length byte larger than the capacity
// (a damaged or foreign file) is clamped: reading never leaves the field.
QString load(const char* field, int capacity);

// True when the length byte exceeds the capacity.
bool isDamaged(const char* field, int capacity);

} // namespace TFixedText
