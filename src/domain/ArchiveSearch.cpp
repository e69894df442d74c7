#include "ArchiveSearch.h"

#include "FilterRule.h"
#include "ListOrder.h"

#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "archive/Text.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Opens the archive for one pass; false when it is missing and may not be
// created. An existing file is only read, and a missing one is created only
// where the folder allows it, so a search never needs the right to write.
bool openForPass(TRecordArchive& archive, const QString& path, MissingArchive missing) {
    if (QFileInfo::exists(path)) {
        archive.open(path, TRecordArchive::Mode::ReadOnly);
        return true;
    }
    if (missing == MissingArchive::ListNothing) return false;
    archive.open(path, TRecordArchive::Mode::ReadOrCreate);
    return true;
}

// filterHits() on the record bytes: the filter in Windows-1252, both sides
// folded for A to Z (on bytes as on text, see Text.h), the field's stored
// text untrimmed.
class ByteFilter {
  public:
    ByteFilter(const QString& text, const TFieldDef& field) : field_(&field) {
        const QByteArray bytes = vtext::toWin1252(text);
        // A character the code page lacks cannot occur in an archive text.
        hittable_ = !text.isEmpty() && vtext::fromWin1252(bytes) == text;
        for (char c : bytes)
            folded_.push_back(vtext::asciiLower(c));
    }

    bool hits(const char* record) const {
        if (!hittable_) return false;
        const std::string_view stored = fieldBytes(record, *field_);
        std::array<char, 256> text;
        std::transform(stored.begin(), stored.end(), text.begin(),
                       [](char c) { return vtext::asciiLower(c); });
        return std::string_view(text.data(), stored.size()).find(folded_) != std::string_view::npos;
    }

  private:
    const TFieldDef* field_;
    bool hittable_;
    std::string folded_;
};

} // namespace

bool passOverArchive(const QString& path, int recordSize, MissingArchive missing,
                     const std::function<void(qint64 number, const char* record)>& visit) {
    TRecordArchive archive(recordSize);
    if (!openForPass(archive, path, missing)) return false;
    archive.forEach([&](qint64 index, const char* record) { visit(index + 1, record); });
    archive.close();
    return true;
}

std::vector<FoundLine> listArchive(const QString& path, const TRecordLayout& layout,
                                   const LineFormat& line,
                                   const std::function<bool(const char* record)>& listed,
                                   MissingArchive missing) {
    const LineBuilder builder(line, layout);
    std::vector<FoundLine> found;
    passOverArchive(path, layout.size(), missing, [&](qint64 number, const char* record) {
        if (listed(record)) found.push_back({builder.build(record), number});
    });
    sortInListOrder(found, [](const FoundLine& l) -> const QString& { return l.text; });
    return found;
}

std::vector<FoundLine> searchArchive(const QString& path, const TRecordLayout& layout,
                                     const std::vector<SearchFilter>& filters,
                                     const LineFormat& line, MissingArchive missing) {
    std::vector<ByteFilter> byteFilters;
    qsizetype inUse = 0;
    for (const SearchFilter& f : filters) {
        byteFilters.emplace_back(f.text, requireField(layout, f.field));
        if (filterInUse(f.text)) ++inUse;
    }
    return listArchive(
        path, layout, line,
        [&](const char* record) {
            qsizetype hits = 0;
            for (const ByteFilter& f : byteFilters)
                if (hits < inUse && f.hits(record)) ++hits;
            return hits >= inUse;
        },
        missing);
}

std::vector<FoundRecord> recordsBehindLine(const QString& path, const TRecordLayout& layout,
                                           const LineFormat& line, QStringView chosen,
                                           MissingArchive missing) {
    const LineBuilder builder(line, layout);
    const QString wanted = vtext::trimmed(chosen);
    std::vector<FoundRecord> found;
    passOverArchive(path, layout.size(), missing, [&](qint64 number, const char* record) {
        if (vtext::trimmed(builder.build(record)) != wanted) return;
        TRecord behind(layout);
        behind.assign(record);
        found.push_back({std::move(behind), number});
    });
    return found;
}
