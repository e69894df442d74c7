#pragma once
// Text rules shared by every archive: the Windows-1252 code page of the
// archive files, the trim rule and the ASCII-only case folding.
//
// The trim rule and the folding hold for the archive's bytes as they are:
// Windows-1252 maps the blanks and control characters to the bytes
// 0x00-0x20 and only ASCII bytes to ASCII letters, so trimming and folding
// the bytes is trimming and folding their text. The passes over a whole
// archive (searches, bookings) work on the bytes and decode only what they
// keep.

#include <QByteArray>
#include <QString>

#include <string_view>

namespace vtext {

// Converts to Windows-1252; a character the code page lacks becomes "?".
QByteArray toWin1252(QStringView text);
// Converts Windows-1252 bytes to text (every byte has a character).
QString fromWin1252(const char* data, qsizetype size);
inline QString fromWin1252(const QByteArray& bytes) {
    return fromWin1252(bytes.constData(), bytes.size());
}
inline QString fromWin1252(std::string_view bytes) {
    return fromWin1252(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The trim rule's blanks: the characters of code 32 or lower.
constexpr bool isBlank(char16_t c) {
    return c <= 32;
}
constexpr bool isBlank(char byte) {
    return static_cast<unsigned char>(byte) <= 32;
}

// Removes leading and trailing characters of code 32 or lower; inner ones stay.
QString trimmed(QStringView text);
inline std::string_view trimmedBytes(std::string_view bytes) {
    while (!bytes.empty() && isBlank(bytes.front()))
        bytes.remove_prefix(1);
    while (!bytes.empty() && isBlank(bytes.back()))
        bytes.remove_suffix(1);
    return bytes;
}

// Upper- and lower-casing that touch only the ASCII letters a-z / A-Z.
QString asciiUpper(QStringView text);
QString asciiLower(QStringView text);
constexpr char16_t asciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}
constexpr char asciiLower(char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte + 32) : byte;
}
// The same bytes but for the case of A to Z.
inline bool sameAsciiFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

} // namespace vtext
