#include "KeywordFind.h"

#include "archive/Text.h"

std::optional<qsizetype> KeywordFinder::next(const QStringList& lines, qsizetype selected,
                                             QStringView typed) {
    const qsizetype n = lines.size();
    if (n == 0) return std::nullopt;
    if (selected < 0 || selected >= n) selected = 0;
    const QString keyword = vtext::asciiLower(typed);
    const bool again = keyword == remembered_;
    remembered_ = keyword;
    if (keyword.isEmpty()) return std::nullopt;
    const auto holds = [&](qsizetype i) { return vtext::asciiLower(lines[i]).contains(keyword); };

    // A new keyword tests the first line before stepping; the same keyword
    // steps first, so the line it found last time comes round again only
    // after every other line.
    const qsizetype start = again ? selected : 0;
    if (!again && holds(start)) return start;
    for (qsizetype step = 1; step <= n; ++step) {
        const qsizetype i = (start + step) % n;
        if (holds(i)) return i;
    }
    return std::nullopt;
}
