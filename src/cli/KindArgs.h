#pragma once
// The archive kind a command is given by name (find, pdf, export), its year,
// and its archive in the folder, all read from the one table of kinds, so a
// new kind reaches the commands, their usage and their messages by itself.

#include "CliSupport.h"

#include "domain/ArchiveKinds.h"

#include <QStringList>

namespace cli {

// Which kinds a command takes (those with a printed sheet, say).
using KindOffer = bool (*)(const ArchiveKind& kind);
bool everyKind(const ArchiveKind& kind);

// The names of the kinds the command takes, in table order.
QStringList kindNames(KindOffer offers);
// "a, b or c" (with `last` "or"), "a and b" (with "and").
QString spokenList(const QStringList& items, const QString& last);

// The kind named `name` among those `offers` takes; otherwise a usage error
// "unknown WHAT 'NAME' (a, b or c)".
const ArchiveKind& offeredKind(const QString& name, KindOffer offers, const QString& what,
                               const QString& usage);

// The --year of a command over `kind`: four digits for a yearly kind, which
// needs one; an empty text for a kind of one archive, which refuses one
// (naming the yearly kinds among those `offers` takes).
QString kindYear(const ArchiveKind& kind, const ParsedArgs& parsed, KindOffer offers,
                 const QString& usage);

// The kind's archive in the command's folder (the year's, for a yearly kind).
QString kindArchive(const Options& options, const ArchiveKind& kind, const QString& year = {});

} // namespace cli
