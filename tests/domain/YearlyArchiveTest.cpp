// The yearly shift archives named from the year chooser's boxes.
#include "domain/YearlyArchive.h"
#include "domain/ArchiveKinds.h"
#include "domain/Environment.h"

#include <gtest/gtest.h>

namespace {

TEST(YearlyArchive, OnlyTheLengthOfTheYearIsChecked) {
    struct Case {
        const char* typed;
        bool accepted;
    } cases[] = {{"2024", true},
                 {"202", false},
                 {"20245", false},
                 {"", false},
                 {" 24 ", true}}; // as typed, blanks counted
    for (const Case& c : cases)
        EXPECT_EQ(isFourCharacterYear(QString(c.typed)), c.accepted) << c.typed;
}

TEST(YearlyArchive, PathInTheProgramFolder) {
    ProgramFolder::override(QStringLiteral("/opt/velmora"));
    EXPECT_EQ(archivePath(ArchiveKindId::Daily, u"2023"), "/opt/velmora/2023.ore");
    EXPECT_EQ(archivePath(ArchiveKindId::Weekly, u"2023"), "/opt/velmora/2023.set");
    EXPECT_EQ(archivePath(ArchiveKindId::Daily, u" 24 "), "/opt/velmora/24.ore");
    ProgramFolder::override(QString());
}

TEST(YearlyArchive, CurrentYearFromTheClock) {
    Clock::install(std::make_unique<FixedClock>(QDateTime(QDate(987, 12, 31), QTime(23, 59))));
    EXPECT_EQ(currentYear(), "0987");
    Clock::install(nullptr);
}

} // namespace
