// The order of every list: whole line, ASCII letters without case, every
// other character by its code, equal lines as they came.
#include "domain/ListOrder.h"

#include <gtest/gtest.h>

namespace {

TEST(ListOrder, SortsByTheWholeLine) {
    struct Case {
        QStringList in;
        QStringList out;
    } cases[] = {
        {{"Beta", "alfa"}, {"alfa", "Beta"}},
        {{"alfa2", "ALFA10", "alfa"}, {"alfa", "ALFA10", "alfa2"}}, // by character, not number
        // Blank and digits before letters; "_" (after "Z", before "a" in the
        // code table) after every letter; accented letters by their code.
        {{"_x", "àb", "Zeta", "9", " z", "alfa"}, {" z", "9", "alfa", "Zeta", "_x", "àb"}},
        {{"Èra", "era", "Ezra"}, {"era", "Ezra", "Èra"}},
        {{"ab c", "ab", "abc"}, {"ab", "ab c", "abc"}},
    };
    for (Case& c : cases) {
        sortInListOrder(c.in);
        EXPECT_EQ(c.in, c.out) << c.out.join(u'|').toStdString();
    }
}

TEST(ListOrder, EqualLinesKeepTheirOrder) {
    // Enough lines that an unstable sort would show.
    struct Item {
        QString line;
        int record;
    };
    const QStringList spellings = {"beta", "Alfa", "alfa", "ALFA", "BETA"};
    std::vector<Item> items;
    for (int record = 1; record <= 40; ++record)
        items.push_back({spellings[record % spellings.size()], record});
    std::vector<int> expected;
    for (const char* first : {"a", "b"})
        for (const Item& i : items)
            if (i.line.startsWith(QLatin1String(first), Qt::CaseInsensitive))
                expected.push_back(i.record);

    sortInListOrder(items, [](const Item& i) -> const QString& { return i.line; });
    std::vector<int> records;
    for (const Item& i : items)
        records.push_back(i.record);
    EXPECT_EQ(records, expected);
}

} // namespace
