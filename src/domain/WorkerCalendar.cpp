#include "WorkerCalendar.h"

#include "archive/Text.h"

#include <QFileInfo>

#include <algorithm>

namespace calendar {

namespace {

// The rules of Italy's clocks since 1996: summer time from the last Sunday
// of March at 02:00 to the last Sunday of October at 03:00.
const char* const kRomeTimeZone = "BEGIN:VTIMEZONE\r\n"
                                  "TZID:Europe/Rome\r\n"
                                  "BEGIN:DAYLIGHT\r\n"
                                  "TZOFFSETFROM:+0100\r\n"
                                  "TZOFFSETTO:+0200\r\n"
                                  "TZNAME:CEST\r\n"
                                  "DTSTART:19700329T020000\r\n"
                                  "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                                  "END:DAYLIGHT\r\n"
                                  "BEGIN:STANDARD\r\n"
                                  "TZOFFSETFROM:+0200\r\n"
                                  "TZOFFSETTO:+0100\r\n"
                                  "TZNAME:CET\r\n"
                                  "DTSTART:19701025T030000\r\n"
                                  "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                                  "END:STANDARD\r\n"
                                  "END:VTIMEZONE\r\n";

// A TEXT value: backslash, semicolon, comma and line breaks escaped; a tab
// kept, as the format allows; other control characters, which it does not
// allow, become blanks.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u';' || c == u',') {
            out += u'\\';
            out += c;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            out += QStringLiteral("\\n");
        } else if ((c.unicode() < 32 && c != u'\t') || c.unicode() == 127) {
            out += u' ';
        } else {
            out += c;
        }
    }
    return out;
}

// One content line, folded so no line passes 75 bytes, never inside a
// UTF-8 sequence.
QByteArray contentLine(const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    qsizetype room = 75;
    qsizetype at = 0;
    while (utf8.size() - at > room) {
        qsizetype cut = at + room;
        while (cut > at && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        out += utf8.mid(at, cut - at) + "\r\n ";
        at = cut;
        room = 74; // the leading blank of a continuation counts
    }
    out += utf8.mid(at) + "\r\n";
    return out;
}

QString localTime(const QDate& date, int minutes) {
    const QDate day = date.addDays(minutes / bookings::kMinutesPerDay);
    const int m = minutes % bookings::kMinutesPerDay;
    return day.toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral("T%1%2").arg(m / 60, 2, 10, QChar(u'0')).arg(m % 60, 2, 10, QChar(u'0')) +
           QStringLiteral("00");
}

} // namespace

WorkerEvents workerEvents(const QString& path, const TRecordLayout& layout, const QString& worker,
                          MissingArchive missing) {
    const QString wanted = bookings::workerKey(worker);
    const QString archive = QFileInfo(path).fileName();
    const bool daily = layout.kind() == u"daily";
    WorkerEvents out;
    passOverArchive(path, layout.size(), missing, [&](qint64 number, const char* bytes) {
        TRecord table(layout);
        table.assign(bytes);
        const bookings::TableBookings booked = bookings::bookingsOf(table, number);
        for (const QStringList& names : booked.leftOut)
            if (std::any_of(names.begin(), names.end(),
                            [&](const QString& n) { return bookings::workerKey(n) == wanted; }))
                ++out.unreadable;
        for (const bookings::Booking& b : booked.bookings) {
            if (bookings::workerKey(b.worker) != wanted) continue;
            QString summary = table.text(u"Nome");
            if (daily) {
                const QString activity =
                    table.text(QStringLiteral("Attivita") + slotSuffix(b.slot));
                if (!activity.isEmpty()) summary += QStringLiteral(" - ") + activity;
            }
            out.events.push_back({QStringLiteral("%1-%2-%3-%4@velmora")
                                      .arg(archive, QString::number(number), slotSuffix(b.slot),
                                           QString::number(b.day)),
                                  b.date, b.span, summary, table.text(u"Sede"),
                                  table.text(u"Disposizioni")});
        }
    });
    std::stable_sort(out.events.begin(), out.events.end(), [](const Event& a, const Event& b) {
        if (a.date != b.date) return a.date < b.date;
        if (a.span.start != b.span.start) return a.span.start < b.span.start;
        return a.uid < b.uid;
    });
    return out;
}

QByteArray icsText(const QString& calendarName, const std::vector<Event>& events,
                   const QDateTime& stamp) {
    QByteArray out = "BEGIN:VCALENDAR\r\n"
                     "VERSION:2.0\r\n"
                     "PRODID:-//Velmora//Calendario Turni//IT\r\n"
                     "CALSCALE:GREGORIAN\r\n"
                     "METHOD:PUBLISH\r\n";
    out += contentLine(QStringLiteral("X-WR-CALNAME:") + escaped(calendarName));
    out += "X-WR-TIMEZONE:Europe/Rome\r\n";
    out += kRomeTimeZone;
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    for (const Event& e : events) {
        out += "BEGIN:VEVENT\r\n";
        out += contentLine(QStringLiteral("UID:") + escaped(e.uid));
        out += contentLine(QStringLiteral("DTSTAMP:") + dtstamp);
        out += contentLine(QStringLiteral("DTSTART;TZID=Europe/Rome:") +
                           localTime(e.date, e.span.start));
        out +=
            contentLine(QStringLiteral("DTEND;TZID=Europe/Rome:") + localTime(e.date, e.span.end));
        out += contentLine(QStringLiteral("SUMMARY:") + escaped(e.summary));
        if (!e.location.isEmpty())
            out += contentLine(QStringLiteral("LOCATION:") + escaped(e.location));
        if (!e.description.isEmpty())
            out += contentLine(QStringLiteral("DESCRIPTION:") + escaped(e.description));
        out += "END:VEVENT\r\n";
    }
    out += "END:VCALENDAR\r\n";
    return out;
}

} // namespace calendar
