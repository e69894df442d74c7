#pragma once
// A worker's shifts as a calendar file (iCalendar, RFC 5545) that a phone or
// a desktop calendar imports: one event per slot the worker is in, in the
// local time of Italy, with the Europe/Rome time zone defined in the file.
// Each event's UID names the archive, the record number, the slot and the
// day's column, which never change for a table once saved, so importing a
// newer file updates the events instead of adding them twice.

#include "ArchiveSearch.h"
#include "Bookings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace calendar {

struct Event {
    QString uid;
    QDate date; // the day the slot starts
    bookings::Span span;
    QString summary;     // the table's name, and the slot's activity when it has one
    QString location;    // the table's site
    QString description; // the table's instructions
};

struct WorkerEvents {
    std::vector<Event> events; // by start, then UID
    int unreadable = 0;        // the worker's slots left out: times or date unreadable
};

// The events of `worker` (compared as bookings::workerKey compares) in the
// shift archive at `path`. Throws ArchiveError when the file cannot be read.
WorkerEvents workerEvents(const QString& path, const TRecordLayout& layout, const QString& worker,
                          MissingArchive missing);

// The calendar file: CRLF line ends, long lines folded at 75 bytes, texts
// escaped; `stamp` (UTC) is the moment of the export.
QByteArray icsText(const QString& calendarName, const std::vector<Event>& events,
                   const QDateTime& stamp);

} // namespace calendar
