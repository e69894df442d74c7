#include "Bookings.h"

#include "ListOrder.h"

#include "archive/FixedText.h"
#include "archive/Text.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>

namespace bookings {

namespace {

constexpr qint64 kNoDay = std::numeric_limits<qint64>::min();

// The tables are read as the file holds them, trimmed and folded as bytes
// (see archive/Text.h): a year is hundreds of thousands of boxes, and only
// the names kept are decoded.
std::string_view trimmedField(const char* record, const TFieldDef& field) {
    return vtext::trimmedBytes(fieldBytes(record, field));
}

// "hh:mm", "h:mm", "hh.mm" or "h.mm"; `at(i)` gives the i-th character.
template <class At> std::optional<int> readTime(qsizetype size, At at, bool asEnd) {
    if (size != 4 && size != 5) return std::nullopt;
    const qsizetype separator = size - 3;
    if (at(separator) != ':' && at(separator) != '.') return std::nullopt;
    auto digit = [&at](qsizetype i) {
        const int c = at(i);
        return (c >= '0' && c <= '9') ? c - '0' : -1;
    };
    int hours = 0;
    for (qsizetype i = 0; i < separator; ++i) {
        if (digit(i) < 0) return std::nullopt;
        hours = hours * 10 + digit(i);
    }
    const int tens = digit(separator + 1);
    const int units = digit(separator + 2);
    if (tens < 0 || units < 0) return std::nullopt;
    const int minutes = tens * 10 + units;
    if (minutes > 59) return std::nullopt;
    if (hours > 23 && !(asEnd && hours == 24 && minutes == 0)) return std::nullopt;
    return hours * 60 + minutes;
}

std::optional<int> timeOfBytes(std::string_view b, bool asEnd) {
    return readTime(
        static_cast<qsizetype>(b.size()),
        [&b](qsizetype i) {
            return static_cast<int>(static_cast<unsigned char>(b[static_cast<std::size_t>(i)]));
        },
        asEnd);
}

std::optional<Span> spanOf(std::optional<int> start, std::optional<int> end) {
    if (!start || !end || *start == *end) return std::nullopt;
    Span span{*start, *end};
    if (span.end < span.start) span.end += kMinutesPerDay;
    return span;
}

// "dd/mm/yyyy" as the date picker writes it, as a Julian day.
std::optional<qint64> julianDay(std::string_view b) {
    if (b.size() != 10 || b[2] != '/' || b[5] != '/') return std::nullopt;
    auto number = [&b](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (b[i] < '0' || b[i] > '9') return -1;
            value = value * 10 + (b[i] - '0');
        }
        return value;
    };
    const int day = number(0, 2);
    const int month = number(3, 2);
    const int year = number(6, 4);
    if (!QDate::isValid(year, month, day)) return std::nullopt;
    return QDate(year, month, day).toJulianDay();
}

// Where a table of one kind keeps its name, its date and each slot of each
// day: twelve cells for a daily table, twelve by seven for a weekly one.
struct Cell {
    int slot;
    int day;
    TFieldDef start, end, workers;
};
struct ShiftFields {
    TFieldDef name;
    TFieldDef date;
    bool weekly;
    std::vector<Cell> cells;
};

ShiftFields makeShiftFields(const TRecordLayout& layout, bool weekly) {
    ShiftFields f{
        requireField(layout, QStringLiteral("Nome")),
        requireField(layout, weekly ? QStringLiteral("DataInizio") : QStringLiteral("Data")),
        weekly,
        {}};
    static const char* const kDays[] = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
    for (int day = 0; day < (weekly ? 7 : 1); ++day)
        for (int slot = 1; slot <= kSlots; ++slot) {
            const QString suffix = slotSuffix(slot);
            const QString workers = weekly ? QString::fromLatin1(kDays[day]) + suffix
                                           : QStringLiteral("Lavoratore") + suffix;
            f.cells.push_back({slot, day, requireField(layout, QStringLiteral("Inizio") + suffix),
                               requireField(layout, QStringLiteral("Fine") + suffix),
                               requireField(layout, workers)});
        }
    return f;
}

const ShiftFields& shiftFields(const TRecordLayout& layout) {
    static const ShiftFields daily = makeShiftFields(TRecordLayout::daily(), false);
    static const ShiftFields weekly = makeShiftFields(TRecordLayout::weekly(), true);
    if (layout.kind() == u"daily") return daily;
    if (layout.kind() == u"weekly") return weekly;
    throw std::logic_error("bookings are read from shift tables only");
}

// The names of a workers box, each once, as views into the record; at most
// 61 fit in 120 bytes.
struct Names {
    std::array<std::string_view, 64> names;
    int count = 0;
};

Names namesOf(std::string_view box) {
    Names out;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= box.size(); ++i) {
        if (i < box.size() && box[i] != ',') continue;
        const std::string_view name = vtext::trimmedBytes(box.substr(from, i - from));
        from = i + 1;
        if (name.empty()) continue;
        const auto end = out.names.begin() + out.count;
        if (std::none_of(out.names.begin(), end,
                         [&](std::string_view n) { return vtext::sameAsciiFolded(n, name); }) &&
            out.count < static_cast<int>(out.names.size()))
            out.names[static_cast<std::size_t>(out.count++)] = name;
    }
    return out;
}

// Hands `visit` every cell of a table that names at least one worker, with
// the cell's Julian day and time span (nothing for what cannot be read).
template <class Visit> void forEachCell(const char* record, const ShiftFields& f, Visit&& visit) {
    const std::optional<qint64> first = julianDay(trimmedField(record, f.date));
    const int firstWeekday = first ? QDate::fromJulianDay(*first).dayOfWeek() - 1 : 0;
    for (const Cell& c : f.cells) {
        const std::string_view box = trimmedField(record, c.workers);
        if (box.empty()) continue;
        const Names names = namesOf(box);
        if (names.count == 0) continue;
        std::optional<qint64> day;
        if (first) day = *first + (f.weekly ? (c.day - firstWeekday + 7) % 7 : 0);
        const std::optional<Span> span = spanOf(timeOfBytes(trimmedField(record, c.start), false),
                                                timeOfBytes(trimmedField(record, c.end), true));
        visit(c, day, span, names);
    }
}

// FNV-1a, over the folded bytes of a name.
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

} // namespace

std::optional<int> minuteOfDay(QStringView text, bool asEnd) {
    const QString t = vtext::trimmed(text);
    return readTime(
        t.size(), [&t](qsizetype i) { return static_cast<int>(t[i].unicode()); }, asEnd);
}

std::optional<Span> slotSpan(QStringView start, QStringView end) {
    return spanOf(minuteOfDay(start, false), minuteOfDay(end, true));
}

QStringList workerNames(QStringView box) {
    const QByteArray bytes = vtext::toWin1252(box);
    const Names names = namesOf({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    QStringList out;
    for (int i = 0; i < names.count; ++i)
        out << vtext::fromWin1252(names.names[static_cast<std::size_t>(i)]);
    return out;
}

QString workerKey(QStringView name) {
    return vtext::asciiLower(vtext::trimmed(name));
}

TableBookings bookingsOf(const TRecord& table, qint64 number) {
    TableBookings out;
    forEachCell(table.bytes().constData(), shiftFields(table.layout()),
                [&](const Cell& c, std::optional<qint64> day, std::optional<Span> span,
                    const Names& names) {
                    QStringList written;
                    for (int i = 0; i < names.count; ++i)
                        written << vtext::fromWin1252(names.names[static_cast<std::size_t>(i)]);
                    if (!day || !span) {
                        out.leftOut.push_back(written);
                        return;
                    }
                    for (const QString& name : written)
                        out.bookings.push_back(
                            {number, c.slot, c.day, QDate::fromJulianDay(*day), *span, name});
                });
    return out;
}

Ledger::Ledger(const TRecordLayout& layout) : layout_(&layout) {
    shiftFields(layout); // refuses a layout that is not a shift table's
}

int Ledger::workerId(std::string_view name) {
    // An open-addressing table of the folded names: a year holds hundreds of
    // thousands of names and few people, so this lookup is the hot path. The
    // name is folded and hashed in one pass, and a stored hash spares most
    // comparisons of the texts.
    std::array<char, 256> folding;
    std::uint64_t hash = kFnvOffset;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = vtext::asciiLower(name[i]);
        folding[i] = c;
        hash = (hash ^ static_cast<unsigned char>(c)) * kFnvPrime;
    }
    const std::string_view key(folding.data(), name.size());
    if (buckets_.empty()) buckets_.assign(1024, -1);
    auto bucketOf = [this](std::uint64_t h, std::string_view k) {
        const std::size_t mask = buckets_.size() - 1;
        std::size_t at = h & mask;
        for (int id = buckets_[at]; id >= 0; id = buckets_[at]) {
            const auto i = static_cast<std::size_t>(id);
            if (hashes_[i] == h && keys_[i] == k) break;
            at = (at + 1) & mask;
        }
        return at;
    };
    const std::size_t at = bucketOf(hash, key);
    if (buckets_[at] >= 0) return buckets_[at];

    const int id = static_cast<int>(keys_.size());
    keys_.emplace_back(key);
    hashes_.push_back(hash);
    names_.push_back(vtext::fromWin1252(name));
    buckets_[at] = id;
    if (keys_.size() * 2 > buckets_.size()) {
        buckets_.assign(buckets_.size() * 2, -1);
        for (std::size_t k = 0; k < keys_.size(); ++k)
            buckets_[bucketOf(hashes_[k], keys_[k])] = static_cast<int>(k);
    }
    return id;
}

void Ledger::add(const TRecord& table, qint64 number) {
    if (&table.layout() != layout_) throw std::logic_error("a table of another kind");
    add(table.bytes().constData(), number);
}

void Ledger::add(const char* record, qint64 number) {
    const ShiftFields& f = shiftFields(*layout_);
    const int table = static_cast<int>(tables_.size());
    tables_.push_back({number, TFixedText::load(record + f.name.offset, f.name.capacity)});
    forEachCell(record, f,
                [&](const Cell& c, std::optional<qint64> day, std::optional<Span> span,
                    const Names& names) {
                    if (!day || !span) {
                        leftOut_.push_back(day ? *day : kNoDay);
                        return;
                    }
                    for (int i = 0; i < names.count; ++i)
                        entries_.push_back({*day * kMinutesPerDay + span->start, span->minutes(),
                                            workerId(names.names[static_cast<std::size_t>(i)]),
                                            table, static_cast<qint8>(c.slot),
                                            static_cast<qint8>(c.day)});
                });
}

BookedSlot Ledger::slotOf(const Entry& e) const {
    const Table& t = tables_[static_cast<std::size_t>(e.table)];
    const int start = static_cast<int>(e.start % kMinutesPerDay);
    return {t.number,
            t.name,
            e.slot,
            e.day,
            QDate::fromJulianDay(e.start / kMinutesPerDay),
            Span{start, start + e.minutes}};
}

std::vector<Conflict> Ledger::conflicts() const {
    // Each worker's bookings together (a counting sort by worker), then in
    // time order: only a worker's own bookings can overlap, and each
    // worker's are few, so a year sorts in one linear pass and many small
    // sorts.
    std::vector<std::size_t> first(names_.size() + 1, 0);
    for (const Entry& e : entries_)
        ++first[static_cast<std::size_t>(e.worker) + 1];
    std::partial_sum(first.begin(), first.end(), first.begin());
    std::vector<Entry> byWorker(entries_.size());
    {
        std::vector<std::size_t> next(first.begin(), first.end() - 1);
        for (const Entry& e : entries_)
            byWorker[next[static_cast<std::size_t>(e.worker)]++] = e;
    }
    auto inTime = [](const Entry& a, const Entry& b) {
        return std::tie(a.start, a.table, a.slot, a.day) <
               std::tie(b.start, b.table, b.slot, b.day);
    };
    struct Found {
        const Entry* first;
        const Entry* second;
    };
    std::vector<Found> found;
    for (std::size_t w = 0; w + 1 < first.size(); ++w) {
        const auto begin = byWorker.begin() + static_cast<std::ptrdiff_t>(first[w]);
        const auto end = byWorker.begin() + static_cast<std::ptrdiff_t>(first[w + 1]);
        std::sort(begin, end, inTime);
        for (auto a = begin; a != end; ++a)
            for (auto b = a + 1; b != end && b->start < a->start + a->minutes; ++b)
                found.push_back({&*a, &*b});
    }
    std::stable_sort(found.begin(), found.end(), [this](const Found& x, const Found& y) {
        const qint64 dx = x.first->start / kMinutesPerDay, dy = y.first->start / kMinutesPerDay;
        if (dx != dy) return dx < dy;
        if (x.first->worker != y.first->worker) {
            const int names = compareListText(names_[static_cast<std::size_t>(x.first->worker)],
                                              names_[static_cast<std::size_t>(y.first->worker)]);
            if (names != 0) return names < 0;
            return x.first->worker < y.first->worker;
        }
        return false; // already in time order within a worker
    });
    std::vector<Conflict> out;
    out.reserve(found.size());
    for (const Found& f : found)
        out.push_back({names_[static_cast<std::size_t>(f.first->worker)], slotOf(*f.first),
                       slotOf(*f.second)});
    return out;
}

HoursReport Ledger::hours(const QDate& from, const QDate& to) const {
    const qint64 low = from.isValid() ? from.toJulianDay() : std::numeric_limits<qint64>::min();
    const qint64 high = to.isValid() ? to.toJulianDay() : std::numeric_limits<qint64>::max();
    std::vector<int> minutes(names_.size(), 0);
    std::vector<bool> booked(names_.size(), false);
    for (const Entry& e : entries_) {
        const qint64 day = e.start / kMinutesPerDay;
        if (day < low || day > high) continue;
        minutes[static_cast<std::size_t>(e.worker)] += e.minutes;
        booked[static_cast<std::size_t>(e.worker)] = true;
    }
    HoursReport report;
    for (std::size_t w = 0; w < names_.size(); ++w)
        if (booked[w]) report.workers.push_back({names_[w], minutes[w]});
    std::stable_sort(report.workers.begin(), report.workers.end(),
                     [](const WorkerHours& a, const WorkerHours& b) {
                         return listOrderLess(a.worker, b.worker);
                     });
    report.unreadable =
        static_cast<int>(std::count_if(leftOut_.begin(), leftOut_.end(), [&](qint64 day) {
            return day == kNoDay || (day >= low && day <= high);
        }));
    return report;
}

Ledger readLedger(const QString& path, const TRecordLayout& layout, MissingArchive missing) {
    Ledger ledger(layout);
    // Room for a typical year at once: two workers in each of the twelve
    // slots of every table.
    const qint64 tables = QFileInfo(path).size() / layout.size();
    ledger.entries_.reserve(static_cast<std::size_t>(tables) * kSlots * 2);
    ledger.tables_.reserve(static_cast<std::size_t>(tables));
    passOverArchive(path, layout.size(), missing,
                    [&ledger](qint64 number, const char* record) { ledger.add(record, number); });
    return ledger;
}

} // namespace bookings
