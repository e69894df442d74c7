// The search screens' rule over an arbitrary archive: filters typed into the
// boxes of one of the four searches, the archive's lines the filters let
// through, and the double click that must find each listed record again from
// its line.
#include "FuzzSupport.h"

#include "domain/ArchiveSearch.h"
#include "domain/FilterRule.h"
#include "domain/SearchTables.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
const SearchTable* const kTables[] = {&dailySearch(), &weeklySearch(), &timetableSearch(),
                                      &workerSearch()};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte picks the search, a piece each fills its boxes, the
    // rest is the archive.
    fuzz::Pieces input(data, size);
    const SearchTable& table = *kTables[input.byte() % 4];
    std::vector<SearchFilter> filters;
    QStringList texts;
    for (const QString& field : table.filterFields) {
        filters.push_back({QString::fromLatin1(input.piece()), field});
        texts << filters.back().text;
    }
    // With no filter in use every record is listed, whatever its fields.
    if (filtersInUse(texts) == 0 && !recordListed(texts, QStringList(texts.size(), QString())))
        std::abort();

    const QString path =
        fuzz::putFile(QStringLiteral("archivio.dat"), input.rest(), input.restSize());
    const std::vector<FoundLine> lines =
        searchArchive(path, *table.layout, filters, table.line, MissingArchive::ListNothing);
    if (lines.empty()) return 0;
    const FoundLine& chosen = lines[lines.size() / 2];
    const std::vector<FoundRecord> found = recordsBehindLine(
        path, *table.layout, table.line, chosen.text, MissingArchive::ListNothing);
    if (std::none_of(found.begin(), found.end(),
                     [&](const FoundRecord& r) { return r.number == chosen.recordNumber; }))
        std::abort();
    return 0;
}
