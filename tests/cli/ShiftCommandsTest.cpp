// velmora-cli conflicts, hours and ical on a small year of tables: what they
// print, their exit status, the calendar file as a well-kept parser
// (Debian's python3-icalendar) reads it back, and that the archives stay as
// they were.
#include "archive/ArchiveFiles.h"
#include "cli/CliRun.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using archive_files::appendRecords;
using archive_files::readBytes;
using Fields = std::vector<std::pair<QString, QString>>;

// What the parser made of a calendar file.
QJsonObject parsedCalendar(const QString& file) {
    QProcess p;
    // Debian's own interpreter, the one python3-icalendar is installed for.
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(VELMORA_TEST_DATA "/../cli/read_ics.py"), file});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

class ShiftCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        appendRecords(path("2024.ore"), TRecordLayout::daily(),
                      {{{"Nome", "Notte"},
                        {"Data", "31/03/2024"}, // the night summer time starts
                        {"Sede", "Ospedale, ala nord"},
                        {"Disposizioni", "Portare il badge; firmare il registro"},
                        {"Inizio01", "22:00"},
                        {"Fine01", "06:00"},
                        {"Attivita01", "Pronto soccorso"},
                        {"Lavoratore01", "Rossi Mario, Bianchi Anna"}},
                       {{"Nome", "Mattina"},
                        {"Data", "01/04/2024"},
                        {"Sede", "Ospedale"},
                        {"Inizio01", "05:00"},
                        {"Fine01", "12:00"},
                        {"Lavoratore01", "ROSSI MARIO"},
                        {"Inizio02", "xx"},
                        {"Fine02", "12:00"},
                        {"Lavoratore02", "Rossi Mario"}},
                       {{"Nome", "Sera"},
                        {"Data", "05/03/2024"},
                        {"Inizio01", "18:00"},
                        {"Fine01", "20:00"},
                        {"Lavoratore01", "Verdi Luca"},
                        {"Inizio03", "08:00"},
                        {"Fine03", "09:00"},
                        {"Attivita03", "Riunione"},
                        {"Lavoratore03", "rossi mario"}}});
        appendRecords(path("2024.set"), TRecordLayout::weekly(),
                      {{{"Nome", "Settimana"},
                        {"DataInizio", "04/03/2024"},
                        {"DataFine", "10/03/2024"},
                        {"Inizio01", "08:00"},
                        {"Fine01", "14:00"},
                        {"Lun01", "Neri Ugo"},
                        {"Mar01", "Neri Ugo"}}});
        for (const char* name : {"2024.ore", "2024.set"})
            archives_[QString::fromLatin1(name)] = readBytes(path(name));
    }
    void TearDown() override {
        for (const auto& [name, bytes] : archives_)
            EXPECT_EQ(readBytes(path(name)), bytes) << name.toStdString() << " changed";
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString path(const char* name) const { return path(QString::fromLatin1(name)); }
    CliRun run(const QStringList& args) const {
        return runCli(QStringList{QStringLiteral("--folder"), dir_.path()} + args);
    }

    QTemporaryDir dir_;
    std::map<QString, QByteArray> archives_;
};

TEST_F(ShiftCommands, ConflictsPrintsEachDoubleBookingAndExitsOneWhenThereIsAny) {
    const CliRun daily = run({"conflicts", "--year", "2024"});
    EXPECT_EQ(daily.exitCode, 1) << daily.err.toStdString();
    EXPECT_EQ(daily.out, "31/03/2024\tRossi Mario\t22:00-06:00\tNotte\t05:00-12:00\tMattina\n");
    EXPECT_TRUE(daily.err.isEmpty());

    const CliRun weekly = run({"conflicts", "--year", "2024", "--weekly"});
    EXPECT_EQ(weekly.exitCode, 0) << weekly.err.toStdString();
    EXPECT_TRUE(weekly.out.isEmpty());
}

TEST_F(ShiftCommands, HoursPrintsEachWorkersHoursInThePeriodAndCountsWhatItLeftOut) {
    struct Case {
        QStringList args;
        QByteArray out;
        bool leftOut;
    } cases[] = {
        {{"hours", "--year", "2024"},
         "Bianchi Anna\t8:00\nRossi Mario\t16:00\nVerdi Luca\t2:00\n",
         true},
        {{"hours", "--year", "2024", "--from", "01/04/2024"}, "Rossi Mario\t7:00\n", true},
        {{"hours", "--to", "31/03/2024", "--year", "2024"},
         "Bianchi Anna\t8:00\nRossi Mario\t9:00\nVerdi Luca\t2:00\n",
         false},
        {{"hours", "--year", "2024", "--from", "01/01/2025"}, "", false},
        {{"hours", "--weekly", "--year", "2024"}, "Neri Ugo\t12:00\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CliRun r = run(c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.contains("1 slot(s) with workers left out"), c.leftOut)
            << r.err.toStdString();
    }
}

TEST_F(ShiftCommands, IcalWritesACalendarThatAParserReadsBackWithStableUids) {
    const QString file = path("rossi.ics");
    const CliRun r = run({"ical", "--year", "2024", "--worker", " rossi MARIO ", "-o", file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("1 slot(s) of rossi MARIO left out")) << r.err.toStdString();

    const QJsonObject parsed = parsedCalendar(file);
    EXPECT_EQ(parsed[u"zones"].toArray(), QJsonArray({"Europe/Rome"}));
    struct Expected {
        const char *uid, *summary, *location, *description, *start, *end, *startOffset, *endOffset;
    } expected[] = {
        {"2024.ore-3-03-0@velmora", "Sera - Riunione", "", "", "2024-03-05T08:00:00",
         "2024-03-05T09:00:00", "1:00:00", "1:00:00"},
        {"2024.ore-1-01-0@velmora", "Notte - Pronto soccorso", "Ospedale, ala nord",
         "Portare il badge; firmare il registro", "2024-03-31T22:00:00", "2024-04-01T06:00:00",
         "2:00:00", "2:00:00"},
        {"2024.ore-2-01-0@velmora", "Mattina", "Ospedale", "", "2024-04-01T05:00:00",
         "2024-04-01T12:00:00", "2:00:00", "2:00:00"},
    };
    const QJsonArray events = parsed[u"events"].toArray();
    ASSERT_EQ(events.size(), std::size(expected));
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QJsonObject e = events[i].toObject();
        const Expected& want = expected[i];
        SCOPED_TRACE(want.uid);
        EXPECT_EQ(e[u"uid"].toString(), want.uid);
        EXPECT_EQ(e[u"summary"].toString(), want.summary);
        EXPECT_EQ(e[u"location"].toString(), want.location);
        EXPECT_EQ(e[u"description"].toString(), want.description);
        EXPECT_EQ(e[u"dtstart"].toString(), want.start);
        EXPECT_EQ(e[u"dtend"].toString(), want.end);
        EXPECT_EQ(e[u"dtstart_tzid"].toString(), "Europe/Rome");
        EXPECT_EQ(e[u"dtend_tzid"].toString(), "Europe/Rome");
        EXPECT_EQ(e[u"dtstart_offset"].toString(), want.startOffset);
        EXPECT_EQ(e[u"dtend_offset"].toString(), want.endOffset);
    }

    // A table added later brings its event; the others keep their UIDs, so a
    // calendar that imports the new file updates them.
    appendRecords(path("2024.ore"), TRecordLayout::daily(),
                  {{{"Nome", "Extra"},
                    {"Data", "02/01/2024"},
                    {"Inizio05", "09:00"},
                    {"Fine05", "10:00"},
                    {"Lavoratore05", "Rossi Mario"}}});
    archives_["2024.ore"] = readBytes(path("2024.ore"));
    ASSERT_EQ(run({"ical", "--year", "2024", "--worker", "Rossi Mario", "-o", file}).exitCode, 0);
    QStringList uids;
    for (const QJsonValue& e : parsedCalendar(file)[u"events"].toArray())
        uids << e[u"uid"].toString();
    EXPECT_EQ(uids, QStringList({"2024.ore-4-05-0@velmora", "2024.ore-3-03-0@velmora",
                                 "2024.ore-1-01-0@velmora", "2024.ore-2-01-0@velmora"}));

    const QString week = path("neri.ics");
    ASSERT_EQ(
        run({"ical", "--weekly", "--year", "2024", "--worker", "Neri Ugo", "-o", week}).exitCode,
        0);
    QStringList starts;
    for (const QJsonValue& e : parsedCalendar(week)[u"events"].toArray())
        starts << e[u"uid"].toString() + u' ' + e[u"dtstart"].toString();
    EXPECT_EQ(starts, QStringList({"2024.set-1-01-0@velmora 2024-03-04T08:00:00",
                                   "2024.set-1-01-1@velmora 2024-03-05T08:00:00"}));
}

TEST_F(ShiftCommands, IcalKeepsTabsAndEscapesTheRestAsAParserReadsItBack) {
    appendRecords(path("2026.ore"), TRecordLayout::daily(),
                  {{{"Nome", "Turno\tA; B, C"},
                    {"Data", "02/01/2026"},
                    {"Sede", "Via Roma\t1\\2"},
                    {"Disposizioni", "uno\tdue\r\ntre\x1b quattro: \"cinque\""},
                    {"Inizio01", "09:00"},
                    {"Fine01", "10:00"},
                    {"Attivita01", "Cassa\tcentrale"},
                    {"Lavoratore01", "Rossi Mario"}}});
    const QString file = path("tab.ics");
    const CliRun r = run({"ical", "--year", "2026", "--worker", "Rossi Mario", "-o", file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray events = parsedCalendar(file)[u"events"].toArray();
    ASSERT_EQ(events.size(), 1);
    const QJsonObject e = events[0].toObject();
    EXPECT_EQ(e[u"summary"].toString(), "Turno\tA; B, C - Cassa\tcentrale");
    EXPECT_EQ(e[u"location"].toString(), "Via Roma\t1\\2");
    // A line break is one; any other control character a blank.
    EXPECT_EQ(e[u"description"].toString(), "uno\tdue\ntre  quattro: \"cinque\"");
}

TEST_F(ShiftCommands, RefusesWhatItCannotDoWithExitTwoAndWritesNothing) {
    const QStringList cases[] = {
        {"conflicts"},
        {"conflicts", "--year", "24"},
        {"conflicts", "--year", "2031"}, // no archive for that year
        {"conflicts", "--year", "2024", "--from", "01/01/2024"},
        {"hours", "--year", "2024", "--from", "31/02/2024"},
        {"hours", "--year", "2024", "--to"},
        {"hours", "--year", "2024", "--from", "01/01/2024", "--from", "02/01/2024"},
        {"ical", "--year", "2024", "-o", "x.ics"},
        {"ical", "--year", "2024", "--worker", "Rossi Mario"},
        {"ical", "--year", "2024", "--worker", "Rossi Mario", "-o", path("2024.ore")},
        {"ical", "--year", "2024", "--worker", "Rossi Mario", "-o",
         dir_.path() + "/x/../unins000.dll"},
    };
    QDir(dir_.path()).mkdir(QStringLiteral("x"));
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"2024.ore", "2024.set"}));
}

} // namespace
