#pragma once
// The contracts due for renewal. A worker is listed from `Preavviso` days
// before the `Scadenza` of the contract onwards, and stays listed after the
// contract has expired until the worker editor moves `Scadenza` forward.

#include "ArchiveSearch.h"
#include "Environment.h"
#include "SearchTables.h"

#include <QString>

#include <vector>

// True when a contract ending on `expiry` (dd/mm/yyyy, as the worker editor
// accepts it) with `notice` days of notice is due on the clock's today: the
// expiry day minus the notice is on or before today. A contract whose
// expiry is not a date or whose notice is not a whole number cannot be
// shown to be in order, so it is due too: the user sees it in the list and
// corrects it in the editor.
bool renewalDue(const QString& expiry, const QString& notice, const Clock& clock);

// The workers' archive listed in renewal lines: surname and name, preferred
// contact, expiry, total, instalment and contract type. It has no filters.
const SearchTable& renewalList();

// The renewal lines of the workers due on the clock's today, in list order;
// today is read once, so a pass that runs over midnight lists by one day.
// Throws ArchiveError when the file cannot be opened or read.
std::vector<FoundLine> dueRenewals(const QString& path, const Clock& clock, MissingArchive missing);
