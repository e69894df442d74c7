// "Trova" in a result list, pressed over and over as a user does.
#include "domain/KeywordFind.h"

#include <gtest/gtest.h>

namespace {

const QStringList kLines = {"Rossi Anna", "Bianchi Luca", "rossi Mario", "Verdi Èlia"};

TEST(KeywordFind, NewKeywordFromTheTopSameKeywordOnwardWithWrap) {
    constexpr qsizetype kNone = -2;
    struct Press {
        qsizetype selected; // -1: no line selected
        const char* typed;
        qsizetype found; // kNone: no match, selection stays
    } presses[] = {
        {-1, "ROSSI", 0}, // no selection: the first line, tested first
        {0, "rossi", 2},  // same keyword, lower-cased: from the selected line onward
        {2, "Rossi", 0},  // wraps past the last line
        {0, "verdi", 3},  // a new keyword
        {3, "verdi", 3},  // the only match comes round to itself
        {3, "rossi", 0},  // changed keyword restarts at the top, not after line 3
        {0, "luca", 1},     {1, "nessuno", kNone},
        {1, "èlia", kNone},                 // accented letters keep their case
        {1, "Èlia", 3},     {3, "", kNone}, // an empty keyword never matches
        {3, "", kNone},
    };
    KeywordFinder finder;
    for (const Press& p : presses) {
        const std::optional<qsizetype> found = finder.next(kLines, p.selected, QString(p.typed));
        EXPECT_EQ(found.value_or(kNone), p.found) << "'" << p.typed << "' from " << p.selected;
    }
}

TEST(KeywordFind, ForgettingOrAnEmptyListMakesTheNextKeywordNew) {
    // From line 0, "rossi" gives 0 as a new keyword and 2 as the same one.
    KeywordFinder finder;
    EXPECT_EQ(finder.next(kLines, -1, u"rossi"), 0);
    finder.forget();
    EXPECT_EQ(finder.next(kLines, 0, u"rossi"), 0);

    KeywordFinder other;
    EXPECT_EQ(other.next(kLines, -1, u"bianchi"), 1);
    EXPECT_EQ(other.next({}, 0, u"rossi"), std::nullopt); // the screen says the list is empty
    EXPECT_EQ(other.next(kLines, 0, u"rossi"), 0);
}

} // namespace
