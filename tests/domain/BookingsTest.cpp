// Who works when: the slot times, the names of a workers box, the days of
// daily and weekly tables, the double bookings, the hours per worker and the
// warning line of the editors, each as a table of cases.
#include "domain/BookingTexts.h"
#include "domain/WorkerCalendar.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace bookings;

struct Slot {
    int number;
    const char* start;
    const char* end;
    const char* workers;
};

// A table of `layout` with its name, its date field and the slots' times;
// a daily table also takes each slot's workers.
TRecord table(const TRecordLayout& layout, const char* name, const char* dateField,
              const char* date, const std::vector<Slot>& rows) {
    TRecord r(layout);
    r.setText(u"Nome", QString::fromUtf8(name));
    r.setText(QString::fromUtf8(dateField), QString::fromUtf8(date));
    for (const Slot& s : rows) {
        r.setText(QStringLiteral("Inizio") + slotSuffix(s.number), QString::fromUtf8(s.start));
        r.setText(QStringLiteral("Fine") + slotSuffix(s.number), QString::fromUtf8(s.end));
        if (layout.indexOf(QStringLiteral("Lavoratore01")) >= 0)
            r.setText(QStringLiteral("Lavoratore") + slotSuffix(s.number),
                      QString::fromUtf8(s.workers));
    }
    return r;
}

TRecord dailyTable(const char* name, const char* date, const std::vector<Slot>& rows) {
    return table(TRecordLayout::daily(), name, "Data", date, rows);
}

// A weekly table; `cells` are (day field, workers), as "Lun01", "Rossi Mario".
TRecord weeklyTable(const char* name, const char* start, const std::vector<Slot>& times,
                    const std::vector<std::pair<const char*, const char*>>& cells) {
    TRecord r = table(TRecordLayout::weekly(), name, "DataInizio", start, times);
    for (const auto& [field, workers] : cells)
        r.setText(QString::fromUtf8(field), QString::fromUtf8(workers));
    return r;
}

QString lineOf(const Conflict& c) {
    return QStringList{c.first.date.toString(u"dd/MM/yyyy"),
                       c.worker,
                       spanText(c.first.span),
                       c.first.table,
                       spanText(c.second.span),
                       c.second.table}
        .join(u'\t');
}

QStringList conflictLines(const std::vector<TRecord>& tables) {
    Ledger ledger(tables.front().layout());
    for (std::size_t i = 0; i < tables.size(); ++i)
        ledger.add(tables[i], static_cast<qint64>(i) + 1);
    QStringList lines;
    for (const Conflict& c : ledger.conflicts())
        lines << lineOf(c);
    return lines;
}

TEST(Bookings, SlotTimesAreReadAsTypedAndAnEarlierEndRunsPastMidnight) {
    struct Case {
        const char* start;
        const char* end;
        std::optional<std::pair<int, int>> span; // minutes after the day's midnight
    } cases[] = {
        {"08:00", "14:00", {{480, 840}}},
        {" 8:30 ", "12.15", {{510, 735}}},  // blanks, a one-digit hour, a dot
        {"22:00", "06:00", {{1320, 1800}}}, // eight hours, ending the next day
        {"23:30", "00:00", {{1410, 1440}}}, //
        {"18:00", "24:00", {{1080, 1440}}}, // the midnight that ends the day
        {"00:00", "24:00", {{0, 1440}}},    // a whole day
        {"24:00", "06:00", std::nullopt},   // 24:00 only ends a slot
        {"08:00", "08:00", std::nullopt},   // lasts no time
        {"", "12:00", std::nullopt},        //
        {"08:00", "", std::nullopt},        //
        {"25:00", "26:00", std::nullopt},   //
        {"08:60", "09:00", std::nullopt},   //
        {"0800", "1200", std::nullopt},     //
        {"8:5", "9:00", std::nullopt},      //
        {"ore 8", "12:00", std::nullopt},   //
        {"08:00", "12:00 ", {{480, 720}}},  //
        {"-1:00", "02:00", std::nullopt},   //
        {"123:00", "02:00", std::nullopt},  //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " - " + c.end);
        const std::optional<Span> span =
            slotSpan(QString::fromUtf8(c.start), QString::fromUtf8(c.end));
        ASSERT_EQ(span.has_value(), c.span.has_value());
        if (!span) continue;
        EXPECT_EQ(span->start, c.span->first);
        EXPECT_EQ(span->end, c.span->second);
    }
    EXPECT_EQ(spanText({1320, 1800}), "22:00-06:00");
    EXPECT_EQ(spanText({510, 1440}), "08:30-00:00");
}

TEST(Bookings, AWorkersBoxGivesEachNameOnceTrimmedAsFirstWritten) {
    const std::pair<const char*, QStringList> cases[] = {
        {"Rossi Mario, Bianchi Anna", {"Rossi Mario", "Bianchi Anna"}},
        {" ,Rossi Mario,, Verdi  Luca ,", {"Rossi Mario", "Verdi  Luca"}},
        {"Rossi Mario, ROSSI MARIO,rossi mario", {"Rossi Mario"}},
        {"Perù Ànna, PERù Ànna, PERÙ Ànna", {"Perù Ànna", "PERÙ Ànna"}}, // only A to Z fold
        {"", {}},
        {" , , ", {}},
    };
    for (const auto& [box, names] : cases)
        EXPECT_EQ(workerNames(QString::fromUtf8(box)), names) << box;
    EXPECT_EQ(workerKey(u"  ROSSI Mario "), workerKey(u"rossi mario"));
}

TEST(Bookings, ADailyTableGivesItsDateAndAWeeklyOneADayPerColumn) {
    const TableBookings daily =
        bookingsOf(dailyTable("Mattina", "05/03/2024",
                              {{1, "08:00", "12:00", "Rossi Mario, Bianchi Anna"},
                               {3, "22:00", "06:00", "Verdi Luca"},
                               {4, "xx", "12:00", "Neri Ugo, Gialli Eva"},
                               {5, "08:00", "12:00", ""}}),
                   7);
    ASSERT_EQ(daily.bookings.size(), 3u);
    EXPECT_EQ(daily.bookings[1].worker, "Bianchi Anna");
    EXPECT_EQ(daily.bookings[2].slot, 3);
    for (const Booking& b : daily.bookings) {
        EXPECT_EQ(b.record, 7);
        EXPECT_EQ(b.date, QDate(2024, 3, 5));
        EXPECT_EQ(b.day, 0);
    }
    EXPECT_EQ(daily.leftOut, std::vector<QStringList>({{"Neri Ugo", "Gialli Eva"}}));

    struct Case {
        const char* start;
        std::vector<QDate> dates; // of Lun01, Mer01, Dom01
    } weeks[] = {
        {"04/03/2024", {QDate(2024, 3, 4), QDate(2024, 3, 6), QDate(2024, 3, 10)}},
        // A week entered from a Wednesday: each column keeps its weekday.
        {"06/03/2024", {QDate(2024, 3, 11), QDate(2024, 3, 6), QDate(2024, 3, 10)}},
    };
    for (const Case& w : weeks) {
        SCOPED_TRACE(w.start);
        const TableBookings weekly =
            bookingsOf(weeklyTable("Settimana", w.start, {{1, "08:00", "14:00", ""}},
                                   {{"Lun01", "Rossi Mario"},
                                    {"Mer01", "Rossi Mario"},
                                    {"Dom01", "Rossi Mario"},
                                    {"Mar02", "Bianchi Anna"}}), // slot 2 has no times
                       1);
        ASSERT_EQ(weekly.bookings.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(weekly.bookings[i].date, w.dates[i]) << i;
        EXPECT_EQ(weekly.bookings[2].day, 6);
        EXPECT_EQ(weekly.leftOut.size(), 1u);
    }

    // A table whose date cannot be read leaves out every slot with workers.
    const TableBookings undated =
        bookingsOf(dailyTable("Senza data", "", {{1, "08:00", "12:00", "Rossi Mario"}}), 1);
    EXPECT_TRUE(undated.bookings.empty());
    EXPECT_EQ(undated.leftOut.size(), 1u);
}

TEST(Bookings, DoubleBookingsWithinATableAndAcrossTablesOfADay) {
    struct Case {
        const char* what;
        std::vector<TRecord> tables;
        QStringList conflicts;
    } cases[] = {
        {"a name in two overlapping slots of one table",
         {dailyTable("Mattina", "05/03/2024",
                     {{1, "08:00", "14:00", "Rossi Mario"},
                      {2, "12:00", "18:00", "Bianchi Anna, Rossi Mario"}})},
         {"05/03/2024\tRossi Mario\t08:00-14:00\tMattina\t12:00-18:00\tMattina"}},
        {"slots that only touch",
         {dailyTable("Mattina", "05/03/2024",
                     {{1, "08:00", "12:00", "Rossi Mario"}, {2, "12:00", "16:00", "Rossi Mario"}})},
         {}},
        {"the same name in two tables of one date, in other case and blanks",
         {dailyTable("Mattina", "05/03/2024", {{1, "08:00", "14:00", "Rossi Mario"}}),
          dailyTable("Pomeriggio", "05/03/2024", {{1, "13:00", "19:00", " ROSSI MARIO , Neri"}}),
          dailyTable("Altro giorno", "06/03/2024", {{1, "08:00", "14:00", "rossi mario"}})},
         {"05/03/2024\tRossi Mario\t08:00-14:00\tMattina\t13:00-19:00\tPomeriggio"}},
        {"an overnight slot and the next morning",
         {dailyTable("Notte", "05/03/2024", {{1, "22:00", "06:00", "Verdi Luca"}}),
          dailyTable("Mattina", "06/03/2024", {{1, "05:30", "12:00", "Verdi Luca"}}),
          dailyTable("Mattina dopo", "06/03/2024", {{1, "06:00", "12:00", "Neri Ugo"}})},
         {"05/03/2024\tVerdi Luca\t22:00-06:00\tNotte\t05:30-12:00\tMattina"}},
        {"unreadable times and a name written twice in one slot",
         {dailyTable("Mattina", "05/03/2024",
                     {{1, "08:00", "14:00", "Rossi Mario, rossi mario"},
                      {2, "8 e 30", "12:00", "Rossi Mario"},
                      {3, "09:00", "", "Rossi Mario"}})},
         {}},
        {"several, by date then worker",
         {dailyTable(
              "B", "06/03/2024",
              {{1, "08:00", "10:00", "Zeta Ada, alfa Bea"}, {2, "09:00", "11:00", "Zeta Ada"}}),
          dailyTable("A", "05/03/2024", {{1, "08:00", "10:00", "Zeta Ada"}}),
          dailyTable("C", "06/03/2024", {{1, "09:30", "10:30", "Alfa Bea"}}),
          dailyTable("D", "05/03/2024", {{1, "09:00", "09:30", "ZETA ADA"}})},
         {"05/03/2024\tZeta Ada\t08:00-10:00\tA\t09:00-09:30\tD",
          "06/03/2024\talfa Bea\t08:00-10:00\tB\t09:30-10:30\tC",
          "06/03/2024\tZeta Ada\t08:00-10:00\tB\t09:00-11:00\tB"}},
        {"weekly: a day's two slots, and the same slot on two days",
         {weeklyTable("Settimana", "04/03/2024",
                      {{1, "08:00", "14:00", ""}, {2, "13:00", "20:00", ""}},
                      {{"Lun01", "Rossi Mario"},
                       {"Lun02", "rossi mario"},
                       {"Mar01", "Bianchi Anna"},
                       {"Mer01", "Bianchi Anna"}}),
          weeklyTable("Altra", "04/03/2024", {{1, "07:00", "09:00", ""}},
                      {{"Mer01", "Bianchi Anna"}})},
         {"04/03/2024\tRossi Mario\t08:00-14:00\tSettimana\t13:00-20:00\tSettimana",
          "06/03/2024\tBianchi Anna\t07:00-09:00\tAltra\t08:00-14:00\tSettimana"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(conflictLines(c.tables), c.conflicts) << c.what;
}

TEST(Bookings, HoursPerWorkerOverAPeriodCountLeftOutSlots) {
    Ledger ledger(TRecordLayout::daily());
    ledger.add(dailyTable("Notte", "31/12/2023",
                          {{1, "22:00", "06:00", "Verdi Luca"}, {2, "?", "06:00", "Verdi Luca"}}),
               1);
    ledger.add(dailyTable("Mattina", "05/03/2024",
                          {{1, "08:00", "14:15", "verdi luca, bianchi anna"},
                           {2, "14:15", "14:45", "Bianchi Anna"},
                           {3, "", "", "Neri Ugo"}}),
               2);
    ledger.add(dailyTable("Notte", "06/03/2024", {{1, "22:00", "06:00", "Verdi Luca"}}), 3);
    ledger.add(dailyTable("Senza data", "", {{1, "08:00", "09:00", "Verdi Luca"}}), 4);

    struct Case {
        QDate from, to;
        std::vector<std::pair<QString, QString>> hours;
        int unreadable;
    } cases[] = {
        {{}, {}, {{"bianchi anna", "6:45"}, {"Verdi Luca", "22:15"}}, 3},
        {QDate(2024, 1, 1),
         QDate(2024, 12, 31),
         {{"bianchi anna", "6:45"}, {"Verdi Luca", "14:15"}},
         2},
        {QDate(2024, 3, 6), QDate(2024, 3, 6), {{"Verdi Luca", "8:00"}}, 1},
        {QDate(2024, 4, 1), {}, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.toString(u"dd/MM/yyyy").toStdString() + " " +
                     c.to.toString(u"dd/MM/yyyy").toStdString());
        const HoursReport report = ledger.hours(c.from, c.to);
        std::vector<std::pair<QString, QString>> got;
        for (const WorkerHours& w : report.workers)
            got.emplace_back(w.worker, hoursText(w.minutes));
        EXPECT_EQ(got, c.hours);
        EXPECT_EQ(report.unreadable, c.unreadable);
    }
    EXPECT_EQ(hoursText(30), "0:30");
    EXPECT_EQ(hoursText(125 * 60 + 5), "125:05");
}

TEST(Bookings, TheEditorsWarningNamesTheWorkerTheOtherTableAndBothTimes) {
    Ledger ledger(TRecordLayout::daily());
    ledger.add(dailyTable("Notte", "05/03/2024", {{1, "22:00", "06:00", "Verdi Luca"}}), 1);
    ledger.add(dailyTable("Mattina", "06/03/2024",
                          {{1, "05:00", "12:00", "Verdi Luca, Rossi Mario"},
                           {2, "11:00", "13:00", "rossi mario"}}),
               2);
    ledger.add(dailyTable("Sera", "06/03/2024", {{1, "18:00", "20:00", "Neri Ugo"}}), 3);
    const std::vector<Conflict> all = ledger.conflicts();
    EXPECT_EQ(doubleBookingWarning(all, 1),
              QString::fromUtf8("Attenzione: Verdi Luca è in turno il 05/03/2024 dalle 22:00 "
                                "alle 06:00 in questa tabella e dalle 05:00 alle 12:00 del "
                                "06/03/2024 nella tabella \"Mattina\" (scheda n. 2)."));
    EXPECT_EQ(doubleBookingWarning(all, 2),
              QString::fromUtf8("Attenzione: Verdi Luca è in turno il 06/03/2024 dalle 05:00 "
                                "alle 12:00 in questa tabella e dalle 22:00 alle 06:00 del "
                                "05/03/2024 nella tabella \"Notte\" (scheda n. 1). Altre "
                                "sovrapposizioni: 1."));
    EXPECT_EQ(doubleBookingWarning(all, 3), QString());

    Ledger one(TRecordLayout::daily());
    one.add(
        dailyTable("Mattina", "06/03/2024",
                   {{1, "08:00", "12:00", "Rossi Mario"}, {2, "11:00", "13:00", "Rossi Mario"}}),
        4);
    EXPECT_EQ(doubleBookingWarning(one.conflicts(), 4),
              QString::fromUtf8("Attenzione: Rossi Mario è in due turni sovrapposti di questa "
                                "tabella il 06/03/2024: dalle 08:00 alle 12:00 e dalle 11:00 alle "
                                "13:00."));
}

TEST(Bookings, TheCalendarFileEscapesFoldsAndEndsLinesWithCrLf) {
    const QString longText =
        QString::fromUtf8("Disposizioni; con virgole, barre \\ e è accenti ") + QString(60, u'x');
    const QByteArray ics = calendar::icsText(
        QStringLiteral("Turni di Rossi Mario"),
        {{QStringLiteral("2024.ore-3-01-0@velmora"), QDate(2024, 3, 31), Span{1320, 1800},
          QStringLiteral("Notte - Pronto soccorso"), QStringLiteral("Sede, centro"), longText}},
        QDateTime(QDate(2024, 3, 5), QTime(9, 30), Qt::UTC));
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(ics.endsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    EXPECT_FALSE(ics.contains("\r\n\r\n"));
    EXPECT_EQ(ics.count('\n'), ics.count("\r\n"));
    for (const QByteArray& line : ics.split('\n'))
        EXPECT_LE(line.size(), 76) << line.toStdString(); // 75 and the CR
    EXPECT_TRUE(ics.contains("DTSTART;TZID=Europe/Rome:20240331T220000\r\n"));
    EXPECT_TRUE(ics.contains("DTEND;TZID=Europe/Rome:20240401T060000\r\n"));
    EXPECT_TRUE(ics.contains("DTSTAMP:20240305T093000Z\r\n"));
    EXPECT_TRUE(ics.contains("LOCATION:Sede\\, centro\r\n"));
    EXPECT_TRUE(ics.contains("TZID:Europe/Rome\r\n"));
    QByteArray unfolded = ics;
    unfolded.replace("\r\n ", "");
    EXPECT_TRUE(unfolded.contains(
        (QStringLiteral("DESCRIPTION:Disposizioni\\; con virgole\\, barre \\\\ e ") +
         QString::fromUtf8("è accenti ") + QString(60, u'x') + QStringLiteral("\r\n"))
            .toUtf8()));
}

} // namespace
