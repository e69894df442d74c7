#pragma once
// What the shell's completion offers for a word of a velmora-cli command
// line: `velmora-cli --complete WORD...` prints the candidates for the last
// WORD (perhaps empty), the words before it being those typed so far. Every
// candidate comes from the companion's own tables (its commands and their
// usage lines, the fields each search filters, the global options of the
// help) or from the archives in the folder the line would read, so the
// completion cannot drift from the companion.

#include <QStringList>

namespace cli {

// The candidates that start with the last word. Alone, ":files" or
// ":folders" asks the shell to offer its own file or folder names.
QStringList completions(const QStringList& words);

} // namespace cli
