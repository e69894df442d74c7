#include "FilterRule.h"

#include "archive/Text.h"

bool filterInUse(QStringView filter) {
    return !vtext::trimmed(filter).isEmpty();
}

qsizetype filtersInUse(const QStringList& filters) {
    return std::count_if(filters.begin(), filters.end(),
                         [](const QString& f) { return filterInUse(f); });
}

bool filterHits(QStringView filter, QStringView field) {
    if (filter.isEmpty()) return false;
    return vtext::asciiLower(field).contains(vtext::asciiLower(filter));
}

bool recordListed(const QStringList& filters, const QStringList& fields) {
    qsizetype hits = 0;
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filterHits(filters[i], fields.value(i))) ++hits;
    return hits >= filtersInUse(filters);
}
