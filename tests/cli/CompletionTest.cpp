// What the companion offers the shell's completion for the word being typed:
// its commands, kinds and options, each search's fields, the years and the
// archives of the folder the line reads.
#include "CliRun.h"

#include "cli/CommandTable.h"
#include "domain/SearchTables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList offered(const QStringList& words) {
    const CliRun r = runCli(QStringList{QStringLiteral("--complete")} + words);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    QStringList out;
    for (const QByteArray& line : lines(r.out))
        if (!line.isEmpty()) out << QString::fromUtf8(line);
    return out;
}

QStringList options(const SearchTable& table, const QString& start = {}) {
    QStringList out;
    for (const QString& f : table.filterFields)
        if (f.startsWith(start)) out << "--" + f;
    return out;
}

TEST(Completion, OffersWhatTheCompanionTakesAtEachWord) {
    QTemporaryDir dir;
    for (const char* name :
         {"2019.ore", "2024.ore", "2024.set", "2031.SET", "Dipendenti.pro", "note.txt", "24.ore"})
        QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    const QString folder = dir.path();

    QStringList commands;
    for (const cli::Command& c : cli::commands())
        commands << QString::fromLatin1(c.name);
    const QStringList kinds = {"daily", "weekly", "timetables", "workers"};

    struct Case {
        const char* what;
        QStringList words;
        QStringList expected;
    } cases[] = {
        {"the commands", {""}, commands},
        {"a command begun", {"ver"}, {"verify"}},
        {"the global options", {"--"}, {"--folder", "--kind", "--help"}},
        {"the kinds for --kind", {"--kind", ""}, kinds},
        {"the kinds a search takes", {"--kind", "daily", "find", ""}, kinds},
        {"a kind's fields", {"find", "workers", "--C"}, options(workerSearch(), "C")},
        {"no --year where the archive is not yearly",
         {"find", "timetables", ""},
         options(timetableSearch()) << "--folder"},
        {"--year first where it is",
         {"find", "daily", ""},
         QStringList{"--year"} + options(dailySearch()) << "--folder"},
        {"a field given is not offered again",
         {"find", "workers", "--Cognome", "rossi", "--Co"},
         {"--Codice", "--CodFisc"}},
        {"the years of the daily archives",
         {"--folder", folder, "find", "daily", "--year", ""},
         {"2019", "2024"}},
        {"the years of the weekly archives",
         {"find", "weekly", "--folder", folder, "--year", "20"},
         {"2024", "2031"}},
        {"--weekly asks for weekly years",
         {"conflicts", "--weekly", "--folder=" + folder, "--year", ""},
         {"2024", "2031"}},
        {"the archives a FILE may be",
         {"--folder", folder, "dump", ""},
         {"2019.ore", "2024.ore", "2024.set", "2031.SET", "Dipendenti.pro"}},
        {"a FILE by its path", {"verify", "/tmp/"}, {":files"}},
        {"an output file", {"pdf", "daily", "-o", ""}, {":files"}},
        {"the file a repair writes", {"repair", "2024.ore", "-o", ""}, {":files"}},
        {"a folder", {"--folder", ""}, {":folders"}},
        {"a command's options",
         {"hours", "--"},
         {"--year", "--weekly", "--from", "--to", "--folder"}},
        {"the checks", {"check", ""}, {"codfisc", "iva", "iban", "carta"}},
        {"a value to check is data", {"check", "iva", "-"}, {}},
        {"an unknown command", {"nonsense", ""}, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        EXPECT_EQ(offered(k.words), k.expected);
    }
}

} // namespace
