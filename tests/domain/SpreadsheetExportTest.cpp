// The spreadsheet files of the three exports, byte by byte: the worksheet
// markup, the header rows, the cells of small archives, the escaped markup,
// line breaks and blank runs, the code page, and a write that fails. How
// LibreOffice reads them back is SpreadsheetReadBackTest's.
#include "domain/SpreadsheetExport.h"

#include "archive/ArchiveFiles.h"
#include "support/Faults.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>

namespace {

using Fields = std::vector<std::pair<QString, QString>>;
using Headers = std::vector<std::pair<QString, int>>;

// Everything before the header row, as a spreadsheet program wants it.
QString prologue(const QString& sheet) {
    return QStringLiteral(
               "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
               "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
               "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
               "content=\"text/html; charset=windows-1252\"><!--[if gte mso 9]><xml>"
               "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>") +
           sheet +
           QStringLiteral(
               "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
               "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False"
               "</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
               "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions>"
               "</x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
               "</head><body><table x:str>");
}

const QString kEpilogue = QStringLiteral("</table></body></html>");
// A data cell's start: left-aligned, and text whatever it holds.
const QByteArray kDataCell = "<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">";

QString headerRow(const Headers& headers) {
    QString row = QStringLiteral("<tr>");
    for (const auto& [text, width] : headers)
        row += QStringLiteral("<td style=\"text-align: left; font-weight: bold;\" width=%1>%2</td>")
                   .arg(width)
                   .arg(text);
    return row + QStringLiteral("</tr>");
}

QString dataRow(const QStringList& cells) {
    QString row = QStringLiteral("<tr>");
    for (const QString& c : cells)
        row += QString::fromLatin1(kDataCell) + c + QStringLiteral("</td>");
    return row + QStringLiteral("</tr>");
}

// Headers of the slot exports: the head, ten slots of two columns, the notes.
Headers slotHeaders(const std::pair<QString, int>& second, const QString& slotHeader,
                    int slotWidth) {
    Headers h = {{"Nome tabella turni", 250},
                 second,
                 {"Sede operativa", 250},
                 {"Disposizioni organizzative", 350}};
    for (int s = 1; s <= 10; ++s) {
        h.emplace_back(QStringLiteral("Orario %1").arg(s), 200);
        h.emplace_back(slotHeader + QString::number(s), slotWidth);
    }
    h.emplace_back("Annotazioni", 350);
    return h;
}

const Headers kWorkerHeaders = {{"Cognome e nome", 250},
                                {"Codice fiscale", 200},
                                {"Data di nascita", 200},
                                {"Comune / Stato estero di nascita", 250},
                                {"Partita IVA", 200},
                                {"Indirizzo di residenza", 250},
                                {"Comune di residenza", 250},
                                {"Recapito preferenziale", 250},
                                {"Tel. casa", 200},
                                {"Tel. cellulare", 200},
                                {"E-mail", 250},
                                {"Categoria", 250},
                                {"Qualifica principale", 250},
                                {"Giorni e orari disponibilità", 300},
                                {"IBAN", 300},
                                {"Intestatario C/C", 250},
                                {"Modalità di pagamento", 250},
                                {"Equipaggiamento assegnato", 300},
                                {"Tipo documento", 250},
                                {"Numero documento", 250},
                                {"Ente rilascio", 250},
                                {"Data rilascio", 200},
                                {"Data scadenza", 200},
                                {"Mansione", 250},
                                {"Note", 300}};

// The slot cells of empty slot pairs, from slot `from` on; the second of the
// two blanks is written so that it is not read as part of one.
QStringList emptySlots(int from) {
    QStringList cells;
    for (int s = from; s <= 10; ++s)
        cells << "Dalle &#32;alle"
              << "";
    return cells;
}

struct ExportCase {
    const char* what;
    const ExportTable& table;
    QString sheet;
    QString fileName;
    Headers headers;
    std::vector<Fields> records;
    std::vector<QStringList> rows; // the data cells expected in the file
};

class SpreadsheetExport : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    std::vector<QStringList> read(const QString& archive, const ExportTable& table) const {
        std::vector<QStringList> rows;
        readExportRows(archive, table, TRecordArchive::Mode::ReadOrCreate,
                       [&](QStringList cells) { rows.push_back(std::move(cells)); });
        return rows;
    }
};

TEST_F(SpreadsheetExport, SmallArchivesOfEveryKindGiveTheirExactBytes) {
    const Fields fullDaily = {{"Nome", "Turno mattina"},
                              {"Data", "05/03/2024"},
                              {"Periodo", "inverno"},
                              {"Sede", "Via Roma 1"},
                              {"Disposizioni", "Timbrare all'ingresso"},
                              {"Annotazioni", "Riunione lunedì"},
                              {"Inizio01", "08:00"},
                              {"Fine01", "12:00"},
                              {"Attivita01", "Sportello"},
                              {"Lavoratore01", "Rossi Mario"},
                              {"Inizio02", "14:00"},
                              {"Lavoratore10", "Bianchi Anna"},
                              {"Inizio11", "20:00"},
                              {"Lavoratore11", "Verdi Luca"},
                              {"File01", "piano.pdf"}};
    QStringList daily = {
        "Turno mattina",          "05/03/2024",  "Via Roma 1",       "Timbrare all'ingresso",
        "Dalle 08:00 alle 12:00", "Rossi Mario", "Dalle 14:00 alle", ""};
    daily << emptySlots(3);
    daily[daily.size() - 1] = "Bianchi Anna";
    daily << QString::fromUtf8("Riunione lunedì");

    const Fields timetable = {{"Nome", "Estate"},
                              {"Periodo", "giugno - agosto"},
                              {"Sede", "Sede centrale"},
                              {"Disposizioni", "Orario ridotto"},
                              {"Annotazioni", "Chiuso il sabato"},
                              {"Inizio01", "07:30"},
                              {"Fine01", "13:30"},
                              {"Attivita01", QString::fromUtf8("Attività di sportello")},
                              {"Fine10", "18:00"},
                              {"Attivita10", "Chiusura"},
                              {"Inizio12", "19:00"},
                              {"Attivita12", "Pulizie"}};
    QStringList timetableRow = {
        "Estate",         "giugno - agosto",        "Sede centrale",
        "Orario ridotto", "Dalle 07:30 alle 13:30", QString::fromUtf8("Attività di sportello")};
    timetableRow << emptySlots(2).mid(0, 16) << "Dalle &#32;alle 18:00"
                 << "Chiusura"
                 << "Chiuso il sabato";

    const Fields worker = {{"Cognome", "Rossi"},
                           {"Nome", QString::fromUtf8("Niccolò")},
                           {"CodFisc", "RSSNCC80A01H501U"},
                           {"Sesso", "M"},
                           {"DataNasc", "01/01/1980"},
                           {"ComuneNasc", "Roma"},
                           {"ProvNasc", "RM"},
                           {"Iva", "01234567890"},
                           {"Indirizzo", "Via Po 3"},
                           {"Cap", "00100"},
                           {"ComuneRes", "Roma"},
                           {"Recapito", "Cellulare"},
                           {"TelCasa", "06 123456"},
                           {"TelCel", "333 1234567"},
                           {"TelUff", "06 999999"},
                           {"Email", "rossi@example.org"},
                           {"Categoria", "Dipendente"},
                           {"Qualifiche", "Istruttore"},
                           {"Familiari", "lun-ven 9-13"},
                           {"Iban", "IT60X0542811101000000123456"},
                           {"Intestatario", "Rossi Niccolò"},
                           {"Pagamento", "Bonifico"},
                           {"Prodotti", "Divisa"},
                           {"TipoDoc", "Carta d'identità"},
                           {"NumDoc", "AB1234567"},
                           {"EnteRil", "Comune di Roma"},
                           {"DataRil", "02/02/2020"},
                           {"DataSca", "02/02/2030"},
                           {"Codice", "Sportello"},
                           {"Note", "Part time"},
                           {"Decorrenza", "01/01/2024"},
                           {"Scadenza", "31/12/2024"},
                           {"Totale", "1200,00"},
                           {"Rata", "100,00"}};
    const QStringList workerRow = {QString::fromUtf8("Rossi Niccolò"),
                                   "RSSNCC80A01H501U",
                                   "01/01/1980",
                                   "Roma",
                                   "01234567890",
                                   "Via Po 3",
                                   "Roma",
                                   "Cellulare",
                                   "06 123456",
                                   "333 1234567",
                                   "rossi@example.org",
                                   "Dipendente",
                                   "Istruttore",
                                   "lun-ven 9-13",
                                   "IT60X0542811101000000123456",
                                   QString::fromUtf8("Rossi Niccolò"),
                                   "Bonifico",
                                   "Divisa",
                                   QString::fromUtf8("Carta d'identità"),
                                   "AB1234567",
                                   "Comune di Roma",
                                   "02/02/2020",
                                   "02/02/2030",
                                   "Sportello",
                                   "Part time"};
    // Only a name: the surname's blank does not lead the cell.
    QStringList nameOnly(25, QString());
    nameOnly[0] = "Anna";

    const ExportCase cases[] = {
        {"daily",
         dailyExport(),
         "Turni Lavoro",
         "Turni_Lavoro.xls",
         slotHeaders({"Data", 200}, "Turnista ", 250),
         {fullDaily, {}, {{"Nome", "Vuoto"}}},
         {daily, QStringList{"", "", "", ""} + emptySlots(1) + QStringList{""},
          QStringList{"Vuoto", "", "", ""} + emptySlots(1) + QStringList{""}}},
        {"timetables",
         timetableExport(),
         "Orari Lavoro",
         "Orari_Lavoro.xls",
         slotHeaders({"Periodo validità", 250}, "Attività da svolgere ", 300),
         {timetable},
         {timetableRow}},
        {"workers",
         workerExport(),
         "Personale Interno",
         "Personale_Interno.xls",
         kWorkerHeaders,
         {worker, {{"Nome", "Anna"}}},
         {workerRow, nameOnly}},
    };
    for (const ExportCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.table.fileName, c.fileName);
        const QString archive = path(QStringLiteral("%1.arc").arg(c.what));
        archive_files::appendRecords(archive, *c.table.layout, c.records);
        QString expected = prologue(c.sheet) + headerRow(c.headers);
        for (const QStringList& row : c.rows) {
            ASSERT_EQ(row.size(), 25);
            expected += dataRow(row);
        }
        expected += kEpilogue;
        // Latin-1 and Windows-1252 agree on every letter used here.
        EXPECT_EQ(spreadsheetBytes(c.table, read(archive, c.table)), expected.toLatin1());
    }
}

TEST_F(SpreadsheetExport, MarkupLineBreaksAndBlankRunsInTextsShowAsTyped) {
    const struct {
        QString typed;
        QByteArray written;
    } cases[] = {
        {"Rossi & figli <sede>", "Rossi &amp; figli &lt;sede&gt;"},
        {"&amp;", "&amp;amp;"},
        {"</td></tr></table>", "&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;"},
        {"\"Da Mario\" l'osteria", "\"Da Mario\" l'osteria"},
        {"a>b", "a&gt;b"},
        // A line break stays in its cell, and the file keeps its one line.
        {"riga 1\r\nriga 2", "riga 1&#10;riga 2"},
        {"riga 1\nriga 2", "riga 1&#10;riga 2"},
        {"riga 1\rriga 2", "riga 1&#10;riga 2"},
        {"a\r\n\r\nb \n c", "a&#10;&#10;b &#10; c"},
        // A run of blanks is not read as one blank.
        {"a   b c", "a &#32;&#32;b c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const QByteArray bytes = spreadsheetBytes(workerExport(), {{c.typed}});
        EXPECT_TRUE(bytes.contains("<tr>" + kDataCell + c.written + "</td>"));
        EXPECT_EQ(bytes.count("<tr>"), 2);
        EXPECT_FALSE(bytes.contains('\n'));
        EXPECT_FALSE(bytes.contains('\r'));
    }
}

TEST_F(SpreadsheetExport, CellsAreTrimmedAndInTheCodePage) {
    const struct {
        QString cell;
        QByteArray written;
    } cases[] = {
        {"  Rossi Mario \t", "Rossi Mario"},
        {"Dalle  alle ", "Dalle &#32;alle"},
        {QString::fromUtf8("€ 100,00"), "\x80 100,00"},
        {QString::fromUtf8("perché"), "perch\xe9"},
        {QString::fromUtf8("Łódź"), "?\xf3"
                                    "d?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell.toStdString());
        const QByteArray bytes = spreadsheetBytes(dailyExport(), {{c.cell}});
        EXPECT_TRUE(bytes.contains("<tr>" + kDataCell + c.written + "</td>"));
        EXPECT_FALSE(bytes.contains('\n'));
        EXPECT_FALSE(bytes.contains('\r'));
    }
}

TEST_F(SpreadsheetExport, AFailedWriteLeavesTheEarlierFileWhole) {
    const QString file = path(QStringLiteral("Personale_Interno.xls"));
    const QByteArray earlier = spreadsheetBytes(workerExport(), {{"Primo"}});
    ASSERT_TRUE(writeSpreadsheet(file, workerExport(), {{"Primo"}}));
    const std::vector<QStringList> many(50, QStringList{"Secondo"});
    {
        WriteLimit full(static_cast<rlim_t>(earlier.size()));
        QString error;
        EXPECT_FALSE(writeSpreadsheet(file, workerExport(), many, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(archive_files::readBytes(file), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Personale_Interno.xls"});
    // The next export replaces it.
    ASSERT_TRUE(writeSpreadsheet(file, workerExport(), many));
    EXPECT_EQ(archive_files::readBytes(file), spreadsheetBytes(workerExport(), many));
}

TEST_F(SpreadsheetExport, AMissingArchiveIsCreatedEmptyAndGivesNoRows) {
    const QString archive = path(QStringLiteral("2031.ore"));
    EXPECT_TRUE(read(archive, dailyExport()).empty());
    EXPECT_TRUE(QFile::exists(archive));
}

} // namespace
