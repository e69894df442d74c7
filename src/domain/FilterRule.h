#pragma once
// The hit rule of the search screens: which records a set of filters lets
// through. Users have learnt its quirks, so they stay: a filter is compared
// exactly as typed, blanks included, while only its trimmed text decides
// whether it counts; and only the letters A to Z ignore case.

#include <QStringList>

// A filter is in use when its text, trimmed, is not empty.
bool filterInUse(QStringView filter);
qsizetype filtersInUse(const QStringList& filters);

// The filter, as typed, hits when it occurs as one piece anywhere in the
// field's text, both folded to lower case for A to Z only (an accented letter
// must match its own case). An empty filter never hits.
bool filterHits(QStringView filter, QStringView field);

// A record is listed when at least as many filters hit as are in use. So
// every filter in use must hit and an unused one imposes nothing; but a
// filter of blanks only, not in use, still hits a field holding those blanks
// and makes up for a filter in use that missed. `fields[i]` is the field
// that `filters[i]` looks at.
bool recordListed(const QStringList& filters, const QStringList& fields);
