// The table of archive kinds: each kind found again by its name and by its
// file's name, its tables over its own records, and its archive in the
// program folder.
#include "domain/ArchiveKinds.h"
#include "domain/Environment.h"
#include "domain/SearchTables.h"
#include "domain/SpreadsheetExport.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ArchiveKinds, TheKindOfAFileFromItsName) {
    const struct {
        const char* name;
        std::optional<ArchiveKindId> kind;
    } cases[] = {
        {"2024.ore", ArchiveKindId::Daily},
        {"1999.SET", ArchiveKindId::Weekly},
        {"orari.PRO", ArchiveKindId::Timetables},
        {"DIPENDENTI.pro", ArchiveKindId::Workers},
        {"24.ore", std::nullopt},
        {"20245.set", std::nullopt},
        {"x2024.ore", std::nullopt},
        {"2024.ore.bak", std::nullopt},
        {"2024.pro", std::nullopt},
        {"Orari.ore", std::nullopt},
        {"Turni_Lavoro.xls", std::nullopt},
        {"unins000.dll", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ArchiveKind* kind = archiveKindOfFile(QString::fromLatin1(c.name));
        ASSERT_EQ(kind != nullptr, c.kind.has_value());
        if (kind) {
            EXPECT_EQ(kind->id, *c.kind);
            EXPECT_EQ(layoutForFileName(QString::fromLatin1(c.name)), kind->layout);
        }
    }
    EXPECT_EQ(archiveKindNamed(u"monthly"), nullptr);
    EXPECT_EQ(layoutForKind(u"Daily"), nullptr); // the names are written in lower case
}

TEST(ArchiveKinds, EachRowHoldsTogether) {
    const QStringList names = {"daily", "weekly", "timetables", "workers"};
    QStringList listed;
    for (const ArchiveKind& k : archiveKinds()) {
        SCOPED_TRACE(k.name.toStdString());
        listed << k.name;
        EXPECT_EQ(&archiveKind(k.id), &k);
        EXPECT_EQ(archiveKindNamed(k.name), &k);
        EXPECT_EQ(k.layout->kind(), k.name);
        // A kind is either one file or one a year, and its file is its own.
        EXPECT_NE(k.fileName.isEmpty(), k.yearlySuffix.isEmpty());
        EXPECT_EQ(archiveKindOfFile(archiveFileName(k, u"2024")), &k);
        // Its search and its export read its own records.
        ASSERT_NE(k.search, nullptr);
        EXPECT_EQ(k.search->layout, k.layout);
        if (k.exported) {
            EXPECT_EQ(k.exported->layout, k.layout);
        }
    }
    EXPECT_EQ(listed, names);
    // The weekly tables alone have no spreadsheet.
    EXPECT_EQ(archiveKind(ArchiveKindId::Weekly).exported, nullptr);
}

TEST(ArchiveKinds, ArchivesInTheProgramFolder) {
    ProgramFolder::override(QStringLiteral("/opt/velmora"));
    const struct {
        ArchiveKindId kind;
        const char16_t* year;
        const char* path;
    } cases[] = {
        {ArchiveKindId::Daily, u"2023", "/opt/velmora/2023.ore"},
        {ArchiveKindId::Weekly, u" 24 ", "/opt/velmora/24.set"}, // as typed, trimmed
        {ArchiveKindId::Timetables, u"", "/opt/velmora/Orari.pro"},
        {ArchiveKindId::Workers, u"2023", "/opt/velmora/Dipendenti.pro"}, // one for every year
    };
    for (const auto& c : cases)
        EXPECT_EQ(archivePath(c.kind, c.year), QString::fromLatin1(c.path));
    ProgramFolder::override(QString());
}

} // namespace
