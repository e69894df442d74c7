// The renewal rule on an injected today, and the renewal list over a workers'
// archive on disk: its lines, their order, and records it cannot read.
#include "archive/ArchiveFiles.h"

#include "domain/Renewals.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::pair<QString, QString>>;

const FixedClock kTenthOfJune(QDateTime(QDate(2024, 6, 10), QTime(23, 59, 59)));

TEST(RenewalRule, ListedFromTheNoticeDayOnwards) {
    struct Case {
        const char* expiry;
        const char* notice;
        bool due;
    } cases[] = {
        {"20/06/2024", "10", true},   // 20/06 - 10 days is today
        {"20/06/2024", "9", false},   // one day before the notice starts
        {"09/06/2024", "0", true},    // expired yesterday
        {"01/01/2020", "999", true},  // long expired
        {"10/06/2024", "0", true},    // a new worker's defaults: expires today
        {"11/06/2024", "0", false},   // expires tomorrow, no notice
        {"10/07/2024", "30", true},   // across the end of a month
        {"31/12/2024", "204", true},  // across half a year
        {"31/12/2024", "203", false}, //
        {"01/03/2025", "264", true},  // 2025 has no 29 February
        {" 20/06/2024 ", " 10 ", true}, {"20/06/2024", "010", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(renewalDue(c.expiry, c.notice, kTenthOfJune), c.due)
            << c.expiry << " / " << c.notice;
}

TEST(RenewalRule, AContractThatCannotBeReadIsListed) {
    struct Case {
        const char* expiry;
        const char* notice;
    } cases[] = {
        {"31/12/2099", "1a"},  {"31/12/2099", ""}, {"31/12/2099", "-5"}, {"31/12/2099", "+5"},
        {"31/12/2099", "1 0"}, {"", "0"},          {"31/02/2099", "0"},  {"2099-12-31", "0"},
        {"ieri", "0"},         {"31/12/99", "0"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(renewalDue(c.expiry, c.notice, kTenthOfJune)) << c.expiry << " / " << c.notice;
}

TEST(RenewalRule, TodayIsTheClocksDay) {
    const FixedClock earlier(QDateTime(QDate(2024, 6, 9), QTime(0, 0)));
    EXPECT_FALSE(renewalDue("20/06/2024", "10", earlier));
    EXPECT_TRUE(renewalDue("20/06/2024", "10", kTenthOfJune));
}

class RenewalList : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Dipendenti.pro"));

    void write(const std::vector<Fields>& records) {
        archive_files::appendRecords(path, TRecordLayout::workers(), records);
    }
    static Fields worker(const QString& surname, const QString& expiry, const QString& notice) {
        return {
            {"Cognome", surname}, {"Nome", "Anna"}, {"Scadenza", expiry}, {"Preavviso", notice}};
    }
    // "Cognome @ record number" of each line, in list order.
    std::vector<QString> listed(MissingArchive missing = MissingArchive::CreateEmpty) const {
        std::vector<QString> out;
        for (const FoundLine& l : dueRenewals(path, kTenthOfJune, missing))
            out.push_back(l.text.section(u' ', 0, 0) + " @" + QString::number(l.recordNumber));
        return out;
    }
};

TEST_F(RenewalList, TheLineCutsEachFieldToItsWidth) {
    write({{{"Cognome", "Della Gherardesca Bonaventura"},
            {"Nome", "Maria Teresa"},
            {"Recapito", "maria.teresa@example.com"},
            {"Scadenza", "01/06/2024"},
            {"Preavviso", "0"},
            {"Totale", "1234567890123,00"},
            {"Rata", "98765432109,50"},
            {"Acquisto", "Collaborazione coordinata e continuativa"}},
           {{"Cognome", " Neri "},
            {"Nome", "Ugo"},
            {"Recapito", "333 1234567"},
            {"Scadenza", "10/06/2024"},
            {"Preavviso", "0"},
            {"Totale", "0,00"},
            {"Rata", "0,00"}}});
    const std::vector<FoundLine> found =
        dueRenewals(path, kTenthOfJune, MissingArchive::CreateEmpty);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].text.toStdString(),
              std::string("Della Gherardesca Bonaventura "
                          "  Tel. maria.teresa  Scad. 01/06/2024"
                          "  Tot. € 123456789012  Rata: € 98765432109,"
                          "  Tipo: Collaborazione coordinata e continuativa"));
    EXPECT_EQ(found[1].text, QStringLiteral("Neri Ugo").leftJustified(30) + "  Tel. " +
                                 QStringLiteral("333 1234567").leftJustified(12) +
                                 "  Scad. 10/06/2024" + QString::fromUtf8("  Tot. € ") +
                                 QStringLiteral("0,00").leftJustified(12) +
                                 QString::fromUtf8("  Rata: € ") +
                                 QStringLiteral("0,00").leftJustified(12) + "  Tipo: ");
    EXPECT_EQ(found[1].recordNumber, 2);
}

TEST_F(RenewalList, OnlyDueWorkersAreListedSortedByName) {
    write({worker("Verdi", "20/06/2024", "10"), worker("bianchi", "09/06/2024", "0"),
           worker("Rossi", "20/06/2024", "9"), worker("Azzurri", "10/06/2024", "0"),
           worker("Neri", "31/12/2030", "0")});
    EXPECT_EQ(listed(), (std::vector<QString>{"Azzurri @4", "bianchi @2", "Verdi @1"}));
}

TEST_F(RenewalList, ABadRecordIsListedAndTheWorkersAfterItStillAre) {
    write({worker("Rossi", "31/12/2030", "0"), worker("Neri", "31/12/2030", "1a"),
           worker("Gialli", "", "0"), worker("Bianchi", "01/01/2024", "0"),
           worker("Verdi", "10/06/2024", "0")});
    EXPECT_EQ(listed(), (std::vector<QString>{"Bianchi @4", "Gialli @3", "Neri @2", "Verdi @5"}));
}

TEST_F(RenewalList, AnEmptyOrMissingArchiveListsNothing) {
    EXPECT_TRUE(listed(MissingArchive::ListNothing).empty());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(listed(MissingArchive::CreateEmpty).empty());
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_TRUE(listed(MissingArchive::ListNothing).empty());
}

} // namespace
