#pragma once
// JSON string literals written by hand, so that the fields of a record keep
// their layout order on output (QJsonObject would sort them by name).

#include <QString>

namespace cli {

// Appends `text` as a quoted JSON string: quote, backslash and control
// characters escaped, everything else as it is.
void appendJsonString(QString& out, QStringView text);

} // namespace cli
