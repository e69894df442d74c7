#pragma once
// Reading and changing one value of a settings file (INI) as its bytes, the
// way the system's settings-file routines treat it: section and key names
// without regard to case, the first section and key of a name win, a line
// starting with ';' is a comment. A change touches only the value's bytes,
// so every other line, comment, order, line ending and encoding stays.

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace IniText {

// The value of `key` in `section`, without the blanks around it; nullopt when
// the section or the key is missing.
std::optional<QByteArray> value(QByteArrayView file, QByteArrayView section, QByteArrayView key);

// `file` with the value of `key` in `section` set to `value`. A missing key
// is added at the end of its section, a missing section at the end of the
// file, with the file's own line ending.
QByteArray withValue(QByteArrayView file, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value);

} // namespace IniText
