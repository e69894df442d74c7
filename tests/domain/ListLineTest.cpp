// The result lines of the four searches: each value trimmed, then padded
// with blanks or cut to its width, the last one in full.
#include "domain/ListLine.h"
#include "domain/SearchTables.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Fields = std::vector<std::pair<const char*, QString>>;

QString lineOf(const SearchTable& table, const Fields& fields) {
    TRecord record(*table.layout);
    for (const auto& [name, text] : fields)
        record.setText(QString::fromUtf8(name), text);
    return buildLine(table.line, record);
}

TEST(ListLine, FitToWidth) {
    EXPECT_EQ(fitToWidth(u"abc", 5), "abc  ");
    EXPECT_EQ(fitToWidth(u"abcdef", 3), "abc");
    EXPECT_EQ(fitToWidth(u"", 2), "  ");
    EXPECT_EQ(fitToWidth(u"abc ", kInFull), "abc ");
}

TEST(ListLine, EachSearchPadsAndCutsItsColumns) {
    const auto blanks = [](int n) { return QString(n, u' '); };
    const QString notes = QStringLiteral("Portare il badge, è obbligatorio");
    struct Case {
        const SearchTable& table;
        Fields fields;
        QString line;
    } cases[] = {
        {dailySearch(),
         {{"Nome", "Turno estivo della sede centrale XY"},
          {"Data", "01/03/2024"},
          {"Sede", "  Via Roma 1 "},
          {"Annotazioni", notes}},
         "Turno estivo della sede centra  Data: 01/03/2024  Sede: Via Roma 1" + blanks(20) +
             "  Note: " + notes},
        {dailySearch(),
         {},
         blanks(30) + "  Data: " + blanks(10) + "  Sede: " + blanks(30) + "  Note: "},
        {timetableSearch(),
         {{"Nome", "Estate"},
          {"Periodo", "giugno - settembre 2024 e oltre"},
          {"Sede", "Palazzo comunale, piano 2"},
          {"Annotazioni", "-"}},
         "Estate" + blanks(24) +
             "  Periodo: giugno - settembre 2024   Sede: Palazzo comunale, piano   Note: -"},
        {weeklySearch(),
         {{"Nome", "Settimana 12"},
          {"DataInizio", "18/03/2024"},
          {"DataFine", "24/03/2024"},
          {"Sede", "Sede"},
          {"Annotazioni", "ok"}},
         "Settimana 12" + blanks(18) + "  Da: 18/03/2024  A: 24/03/2024  Sede: Sede" + blanks(26) +
             "  Note: ok"},
        // Surname, one blank and name make one column of 28.
        {workerSearch(),
         {{"Cognome", "Dell'Acqua Santamaria"},
          {"Nome", "Giovanni"},
          {"CodFisc", "DLLGNN80A01H501U"},
          {"Codice", "Addetto"},
          {"Recapito", "333 1234567"},
          {"Note", "part time"}},
         "Dell'Acqua Santamaria Giovan  C.F. DLLGNN80A01H501U  Mans. Addetto" + blanks(17) +
             "  Tel. 333 1234567" + blanks(3) + "  Note: part time"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lineOf(c.table, c.fields), c.line) << c.line.toStdString();
}

TEST(ListLine, WeeklyNotesStartAfterTheFixedColumns) {
    const QString line = lineOf(weeklySearch(), {{"Annotazioni", "NOTE"}});
    EXPECT_EQ(line.indexOf(u"NOTE"), 107);
}

TEST(ListLine, EveryFieldOfTheTablesIsInItsLayout) {
    for (const SearchTable* t :
         {&dailySearch(), &weeklySearch(), &timetableSearch(), &workerSearch()}) {
        EXPECT_NO_THROW(LineBuilder(t->line, *t->layout)) << t->layout->kind().toStdString();
        for (const QString& field : t->filterFields)
            EXPECT_GE(t->layout->indexOf(field), 0) << field.toStdString();
    }
}

} // namespace
