// "Cerca" and the double click over a daily archive on disk.
#include "HitCases.h"

#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/ArchiveSearch.h"
#include "domain/SearchTables.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

using Fields = std::map<QString, QString>;

class ArchiveSearch : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("2024.ore"));
    const SearchTable& daily = dailySearch();

    void write(const std::vector<Fields>& records) {
        TRecordArchive archive(daily.layout->size());
        archive.open(path);
        for (const Fields& fields : records) {
            TRecord r(*daily.layout);
            for (const auto& [name, text] : fields)
                r.setText(name, text);
            archive.write(r.bytes());
        }
        archive.close();
    }
    // The daily screen's filters, named by field; the others left empty.
    std::vector<SearchFilter> filters(const Fields& typed) const {
        std::vector<SearchFilter> out;
        for (const QString& field : daily.filterFields) {
            const auto it = typed.find(field);
            out.push_back({it == typed.end() ? QString() : it->second, field});
        }
        return out;
    }
    std::vector<FoundLine> search(const Fields& typed,
                                  MissingArchive missing = MissingArchive::CreateEmpty) const {
        return searchArchive(path, *daily.layout, filters(typed), daily.line, missing);
    }
    // "Nome @ record number" for each found line, in list order.
    std::vector<QString> names(const std::vector<FoundLine>& found) const {
        std::vector<QString> out;
        for (const FoundLine& l : found)
            out.push_back(l.text.left(30).trimmed() + " @" + QString::number(l.recordNumber));
        return out;
    }
};

TEST_F(ArchiveSearch, NoFilterListsEveryRecordInListOrder) {
    write({{{"Nome", "Gamma"}}, {{"Nome", "alfa"}}, {{"Nome", "Beta"}}});
    EXPECT_EQ(names(search({})), (std::vector<QString>{"alfa @2", "Beta @3", "Gamma @1"}));
}

TEST_F(ArchiveSearch, WorkerFiltersLookOnlyAtTheirOwnSlot) {
    write({{{"Nome", "A"}, {"Lavoratore01", "Rossi Mario"}},
           {{"Nome", "B"}, {"Lavoratore02", "Bianchi Anna, rOSSI Luca"}},
           {{"Nome", "C"}, {"Lavoratore06", "Rossi Mario"}}});
    EXPECT_EQ(names(search({{"Lavoratore02", "ROSSI"}})), (std::vector<QString>{"B @2"}));
    EXPECT_EQ(names(search({{"Lavoratore01", "rossi"}})), (std::vector<QString>{"A @1"}));
}

TEST_F(ArchiveSearch, TwoFiltersMustBothHit) {
    write({{{"Nome", "A"}, {"Sede", "Via Roma"}, {"Data", "01/03/2024"}},
           {{"Nome", "B"}, {"Sede", "Via Roma"}, {"Data", "01/04/2024"}},
           {{"Nome", "C"}, {"Sede", "Via  Milano"}, {"Data", "01/03/2024"}}});
    EXPECT_EQ(names(search({{"Sede", "roma"}, {"Data", "/03/"}})), (std::vector<QString>{"A @1"}));
    // Two blanks in the site are not in use, yet they hit "Via  Milano" and
    // make up for the date that missed.
    EXPECT_EQ(names(search({{"Sede", "  "}, {"Data", "/04/"}})),
              (std::vector<QString>{"B @2", "C @3"}));
}

// The archive pass matches on the record bytes: it must agree with the rule
// on texts for every case of the table.
TEST_F(ArchiveSearch, HitsOnRecordBytesAsOnTexts) {
    std::vector<Fields> records;
    for (const HitCase& c : kHitCases)
        records.push_back(
            {{"Nome", QString::number(records.size())}, {"Sede", QString::fromUtf8(c.field)}});
    write(records);
    for (std::size_t i = 0; i < std::size(kHitCases); ++i) {
        const HitCase& c = kHitCases[i];
        // A filter not in use lists everything on its own; a name filter in
        // use that never hits makes its hits show again.
        Fields typed = {{"Sede", QString::fromUtf8(c.filter)}};
        if (QString::fromUtf8(c.filter).trimmed().isEmpty()) typed["Nome"] = QStringLiteral("§");
        bool listed = false;
        for (const FoundLine& l : search(typed))
            listed = listed || l.recordNumber == static_cast<qint64>(i + 1);
        EXPECT_EQ(listed, c.hits) << "'" << c.filter << "' in '" << c.field << "'";
    }
}

TEST_F(ArchiveSearch, EqualLinesGiveEveryRecordInArchiveOrder) {
    const QString name = QStringLiteral("Turno ordinario della sede centrale"); // 35 characters
    write({{{"Nome", name + " A"}, {"Data", "01/03/2024"}, {"Annotazioni", "x"}},
           {{"Nome", "Altro"}, {"Data", "01/03/2024"}, {"Annotazioni", "x"}},
           {{"Nome", name + " B"}, {"Data", "01/03/2024"}, {"Annotazioni", "x"}}});
    const std::vector<FoundLine> found = search({{"Data", "01/03"}});
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[1].text, found[2].text); // cut at 30, the names are equal
    // The numbers of the records behind a line, with the names they hold.
    auto behind = [&](const QString& chosen) {
        std::vector<std::pair<qint64, QString>> records;
        for (const FoundRecord& r : recordsBehindLine(path, *daily.layout, daily.line, chosen,
                                                      MissingArchive::CreateEmpty))
            records.emplace_back(r.number, r.record.text(u"Nome"));
        return records;
    };
    for (const QString& chosen : {found[1].text, "  " + found[1].text + "  "})
        EXPECT_EQ(behind(chosen),
                  (std::vector<std::pair<qint64, QString>>{{1, name + " A"}, {3, name + " B"}}));
    EXPECT_EQ(behind(found[0].text), (std::vector<std::pair<qint64, QString>>{{2, "Altro"}}));
}

TEST_F(ArchiveSearch, MissingArchiveIsCreatedEmptyOnlyWhenAllowed) {
    for (MissingArchive missing : {MissingArchive::ListNothing, MissingArchive::CreateEmpty}) {
        const bool created = missing == MissingArchive::CreateEmpty;
        QFile::remove(path);
        EXPECT_TRUE(search({}, missing).empty());
        EXPECT_EQ(QFileInfo::exists(path), created);
        EXPECT_EQ(QFileInfo(path).size(), 0);
        QFile::remove(path);
        EXPECT_TRUE(recordsBehindLine(path, *daily.layout, daily.line, u"x", missing).empty());
        EXPECT_EQ(QFileInfo::exists(path), created);
    }
}

TEST_F(ArchiveSearch, AnArchiveThatCannotBeCreatedIsAnArchiveError) {
    path = dir.filePath(QStringLiteral("no such folder/2024.ore"));
    EXPECT_THROW(search({}), ArchiveError);
    EXPECT_TRUE(search({}, MissingArchive::ListNothing).empty());
}

} // namespace
