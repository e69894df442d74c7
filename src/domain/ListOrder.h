#pragma once
// The order of every list of the program: by the whole line text, ignoring
// case for the ASCII letters only and comparing every other character by its
// code. Letters compare as capitals, so the signs between "Z" and "a" in the
// code table ("[", "_", ...) come after every letter. Equal lines keep the
// order they came in, which is the archive's.

#include <QStringList>

#include <algorithm>
#include <vector>

// Negative, zero or positive as `a` comes before, with or after `b`.
int compareListText(QStringView a, QStringView b);
inline bool listOrderLess(QStringView a, QStringView b) {
    return compareListText(a, b) < 0;
}

void sortInListOrder(QStringList& lines);

// Sorts items that carry a line, `textOf(item)` giving it.
template <typename T, typename TextOf> void sortInListOrder(std::vector<T>& items, TextOf textOf) {
    std::stable_sort(items.begin(), items.end(),
                     [&](const T& a, const T& b) { return listOrderLess(textOf(a), textOf(b)); });
}
