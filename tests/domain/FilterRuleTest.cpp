// Which records the filters of a search screen let through.
#include "HitCases.h"

#include "domain/FilterRule.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterRule, OneFilterAgainstOneField) {
    for (const HitCase& c : kHitCases)
        EXPECT_EQ(filterHits(QString::fromUtf8(c.filter), QString::fromUtf8(c.field)), c.hits)
            << "'" << c.filter << "' in '" << c.field << "'";
}

TEST(FilterRule, ListedWhenAsManyFiltersHitAsAreInUse) {
    struct Case {
        QStringList filters;
        QStringList fields;
        bool listed;
    } cases[] = {
        {{"", "", ""}, {"alfa", "Via Roma", ""}, true},          // nothing in use: everything
        {{"alfa", "roma", ""}, {"Alfa", "Via Roma", "x"}, true}, // every filter in use hits
        {{"alfa", "milano", ""}, {"Alfa", "Via Roma", "x"}, false},
        {{" \t", "\r\n", ""}, {"beta", "gamma", ""}, true}, // blanks and controls: not in use
        // The name misses, but a filter of two blanks, not in use, hits the
        // site and makes up the count.
        {{"alfa", "  "}, {"beta", "Via  Roma"}, true},
        {{"alfa", "  "}, {"beta", "Via Roma"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recordListed(c.filters, c.fields), c.listed)
            << c.filters.join(u'|').toStdString();
}

} // namespace
