#pragma once
// Who works when, read from the shift tables as they are: the names in a
// slot's workers box, the slot's times and the day (daily table) or days
// (weekly table) it falls on. The double bookings, the hours per worker and
// the workers' calendar files are all built on this reading, so they agree.

#include "ArchiveSearch.h"

#include "archive/Record.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bookings {

inline constexpr int kMinutesPerDay = 24 * 60;

// A time of day as typed into a slot, "hh:mm" (a one-digit hour and a dot
// for the colon are read too, as people type them): minutes after midnight.
// With `asEnd`, "24:00" is read as the midnight that ends the day.
std::optional<int> minuteOfDay(QStringView text, bool asEnd = false);

// A slot's time in minutes after the midnight of its day. An end before the
// start runs past midnight, so `end` may reach into the next day.
struct Span {
    int start = 0;
    int end = 0;
    int minutes() const { return end - start; }
};
// Nothing when either time cannot be read, or when the slot lasts no time
// (the same start and end): such a slot is left out and counted.
std::optional<Span> slotSpan(QStringView start, QStringView end);

// The names of a workers box, as the worker picker writes them
// ("Cognome Nome, Cognome Nome") or as typed: split at the commas, trimmed,
// blanks dropped. A name written twice in one box counts once.
QStringList workerNames(QStringView box);
// One person whatever the case of the ASCII letters and the blanks around.
QString workerKey(QStringView name);

// One worker in one slot of one day of a table.
struct Booking {
    qint64 record = 0; // 1-based number in its archive
    int slot = 0;      // 1 to 12
    int day = 0;       // 0 for a daily table; 0 (Monday) to 6 (Sunday) for a weekly one
    QDate date;
    Span span;
    QString worker; // as written in the box
};

// What one table says: its bookings in slot order (weekly: day by day), and
// the slots with workers that were left out because their times or their
// date cannot be read, each with the names it holds.
struct TableBookings {
    std::vector<Booking> bookings;
    std::vector<QStringList> leftOut;
};
// A daily table gives its Data to every slot; a weekly one gives each day's
// column its day of the week starting from DataInizio (normally a Monday;
// a start on another weekday puts each column on its own weekday after it).
TableBookings bookingsOf(const TRecord& table, qint64 number);

// One side of a double booking.
struct BookedSlot {
    qint64 record = 0;
    QString table; // the table's Nome
    int slot = 0;
    int day = 0;
    QDate date;
    Span span;
};
// A worker in two slots whose times overlap, in one table or in two. The
// first slot starts no later than the second.
struct Conflict {
    QString worker; // as first written in the tables
    BookedSlot first;
    BookedSlot second;
};

struct WorkerHours {
    QString worker; // as first written
    int minutes = 0;
};
struct HoursReport {
    std::vector<WorkerHours> workers; // in list order of the names
    int unreadable = 0;               // slots of the period left out
};

// The bookings of many tables of one kind, gathered table by table and kept
// compact, so a year of tens of thousands of tables is read in one pass.
class Ledger {
  public:
    // The daily or the weekly layout; throws std::logic_error for another.
    explicit Ledger(const TRecordLayout& layout);
    // One table, as its bytes sit in the archive, with its 1-based number.
    void add(const char* record, qint64 number);
    // Throws std::logic_error for a table of another layout.
    void add(const TRecord& table, qint64 number);

    // Every double booking, by date (of the first slot), worker (in list
    // order), then time. Slots that only touch (one ends as the other
    // starts) do not overlap; an overnight slot overlaps the next morning.
    std::vector<Conflict> conflicts() const;
    // The hours of every worker booked in a slot that starts within the
    // period; an invalid `from` or `to` leaves that side open.
    HoursReport hours(const QDate& from, const QDate& to) const;

  private:
    friend Ledger readLedger(const QString&, const TRecordLayout&, MissingArchive);
    struct Entry {
        qint64 start; // minutes from the Julian day 0
        int minutes;
        int worker;
        int table;
        qint8 slot;
        qint8 day;
    };
    struct Table {
        qint64 number;
        QString name;
    };
    int workerId(std::string_view name);
    BookedSlot slotOf(const Entry& e) const;

    const TRecordLayout* layout_;
    std::vector<Entry> entries_;
    std::vector<Table> tables_;
    // The folded names, by id, and the open-addressing table over them.
    std::vector<std::string> keys_;
    std::vector<std::uint64_t> hashes_;
    std::vector<int> buckets_;
    std::vector<QString> names_; // as first written, by id
    // The Julian day of each slot left out, or kNoDay when its date itself
    // cannot be read (it is counted in every period).
    std::vector<qint64> leftOut_;
};

// Reads every table of an archive into a ledger in one pass. Throws
// ArchiveError when the file cannot be opened or read.
Ledger readLedger(const QString& path, const TRecordLayout& layout, MissingArchive missing);

} // namespace bookings
