#pragma once
// Text rules shared by every archive: the Windows-1252 code page of the
// archive files, the trim rule and the ASCII-only case folding.

#include <QByteArray>
#include <QString>

namespace vtext {

// Converts to Windows-1252; a character the code page lacks becomes "?".
QByteArray toWin1252(QStringView text);
// Converts Windows-1252 bytes to text (every byte has a character).
QString fromWin1252(const char* data, qsizetype size);
inline QString fromWin1252(const QByteArray& bytes) {
    return fromWin1252(bytes.constData(), bytes.size());
}

// Removes leading and trailing characters of code 32 or lower; inner ones stay.
QString trimmed(QStringView text);

// Upper- and lower-casing that touch only the ASCII letters a-z / A-Z.
QString asciiUpper(QStringView text);
QString asciiLower(QStringView text);

} // namespace vtext
