#include "SpreadsheetExport.h"

#include "archive/AtomicSave.h"
#include "archive/FixedText.h"
#include "archive/Text.h"

#include <stdexcept>

namespace {

// Only slots 1 to 10 of a shift table or a timetable are exported.
constexpr int kExportedSlots = 10;

const TFieldDef& fieldOf(const TRecordLayout& layout, const QString& name) {
    const int index = layout.indexOf(name);
    if (index < 0) throw std::logic_error("no field " + name.toStdString());
    return layout.field(index);
}

std::function<QString(const char*)> fieldCell(const TRecordLayout& layout, const QString& name) {
    const TFieldDef f = fieldOf(layout, name);
    return [f](const char* record) { return TFixedText::load(record + f.offset, f.capacity); };
}

ExportColumn field(const TRecordLayout& layout, const QString& name, const QString& header,
                   int screenWidth, int fileWidth, const QString& fieldName = {}) {
    return {name, header, screenWidth, fileWidth,
            fieldCell(layout, fieldName.isEmpty() ? name.mid(3) : fieldName)};
}

// "Dalle 08:00 alle 12:00"; built even when both times are empty.
ExportColumn slotTimes(const TRecordLayout& layout, int slot) {
    const QString n = slotSuffix(slot);
    auto start = fieldCell(layout, QStringLiteral("Inizio") + n);
    auto end = fieldCell(layout, QStringLiteral("Fine") + n);
    return {QStringLiteral("colOrario") + n, QStringLiteral("Orario %1").arg(slot), 150, 200,
            [start, end](const char* record) {
                return QStringLiteral("Dalle ") + start(record) + QStringLiteral(" alle ") +
                       end(record);
            }};
}

// A shift table and a timetable export the same frame: name, a second head
// field, site, instructions, ten slots of times and one more column, notes.
struct SlotExport {
    QString fileName;
    QString sheetName;
    const TRecordLayout* layout;
    ExportColumn second;
    // The slot column beside the times: its grid stem, header stem, field
    // stem and widths.
    QString slotName, slotHeader, slotField;
    int slotScreenWidth, slotFileWidth;
};

ExportTable slotTable(const SlotExport& e) {
    const TRecordLayout& l = *e.layout;
    ExportTable t{e.fileName, e.sheetName, e.layout, {}};
    t.columns.push_back(
        field(l, QStringLiteral("colNome"), QStringLiteral("Nome tabella turni"), 250, 250));
    t.columns.push_back(e.second);
    t.columns.push_back(
        field(l, QStringLiteral("colSede"), QStringLiteral("Sede operativa"), 200, 250));
    t.columns.push_back(field(l, QStringLiteral("colDisposizioni"),
                              QStringLiteral("Disposizioni organizzative"), 300, 350));
    for (int s = 1; s <= kExportedSlots; ++s) {
        t.columns.push_back(slotTimes(l, s));
        t.columns.push_back(field(l, e.slotName + slotSuffix(s), e.slotHeader + QString::number(s),
                                  e.slotScreenWidth, e.slotFileWidth, e.slotField + slotSuffix(s)));
    }
    t.columns.push_back(
        field(l, QStringLiteral("colAnnotazioni"), QStringLiteral("Annotazioni"), 300, 350));
    return t;
}

// Writes a text so that a spreadsheet program reads it back as it was: the
// three characters that would be read as markup become entities; a line
// break (CR LF, CR or LF) becomes the character reference of a line feed,
// which stays a line break inside its cell and keeps the file on one line
// (a raw one is read as a blank, and LibreOffice starts a new row at a
// <br>); a blank after a blank becomes a character reference too, since a
// run of raw blanks is read as one.
void appendEscaped(QString& out, QStringView text) {
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QLatin1String entity;
        qsizetype skip = 0;
        switch (text[i].unicode()) {
        case u'&':
            entity = QLatin1String("&amp;");
            break;
        case u'<':
            entity = QLatin1String("&lt;");
            break;
        case u'>':
            entity = QLatin1String("&gt;");
            break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n') skip = 1;
            entity = QLatin1String("&#10;");
            break;
        case u'\n':
            entity = QLatin1String("&#10;");
            break;
        case u' ':
            if (i == 0 || text[i - 1] != u' ') continue;
            entity = QLatin1String("&#32;");
            break;
        default:
            continue;
        }
        out += text.mid(from, i - from);
        out += entity;
        i += skip;
        from = i + 1;
    }
    out += text.mid(from);
}

// A data cell. The number format "@" (text) in sdnum makes LibreOffice keep
// the cell's text as typed (leading zeros, a decimal comma or point, a
// leading "=", long digit strings) in every locale, where it would read
// numbers and formulas; Excel keeps it by the table's x:str and ignores the
// attribute.
constexpr QLatin1String kDataCell("<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">");

const char* const kHead[] = {
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<!--[if gte mso 9]><xml>",
    "<x:ExcelWorkbook>",
    "<x:ExcelWorksheets>",
    "<x:ExcelWorksheet>",
};

const char* const kOptions[] = {
    "<x:WorksheetOptions>",
    "<x:Selected/>",
    "<x:Panes>",
    "<x:Pane>",
    "<x:Number>1</x:Number>",
    "<x:ActiveRow>3</x:ActiveRow>",
    "</x:Pane>",
    "</x:Panes>",
    "<x:ProtectContents>False</x:ProtectContents>",
    "<x:ProtectObjects>False</x:ProtectObjects>",
    "<x:ProtectScenarios>False</x:ProtectScenarios>",
    "</x:WorksheetOptions>",
    "</x:ExcelWorksheet>",
    "</x:ExcelWorksheets>",
    "</x:ExcelWorkbook>",
    "</xml><![endif]-->",
    "</head>",
    "<body>",
    "<table x:str>",
};

} // namespace

const ExportTable& dailyExport() {
    static const ExportTable t = [] {
        const TRecordLayout& l = TRecordLayout::daily();
        return slotTable({QStringLiteral("Turni_Lavoro.xls"), QStringLiteral("Turni Lavoro"), &l,
                          field(l, QStringLiteral("colData"), QStringLiteral("Data"), 120, 200),
                          QStringLiteral("colTurnista"), QStringLiteral("Turnista "),
                          QStringLiteral("Lavoratore"), 250, 250});
    }();
    return t;
}

const ExportTable& timetableExport() {
    static const ExportTable t = [] {
        const TRecordLayout& l = TRecordLayout::timetables();
        return slotTable(
            {QStringLiteral("Orari_Lavoro.xls"), QStringLiteral("Orari Lavoro"), &l,
             field(l, QStringLiteral("colPeriodo"), QStringLiteral("Periodo validità"), 200, 250),
             QStringLiteral("colAttivita"), QStringLiteral("Attività da svolgere "),
             QStringLiteral("Attivita"), 250, 300});
    }();
    return t;
}

const ExportTable& workerExport() {
    static const ExportTable t = [] {
        const TRecordLayout& l = TRecordLayout::workers();
        ExportTable w{
            QStringLiteral("Personale_Interno.xls"), QStringLiteral("Personale Interno"), &l, {}};
        auto surname = fieldCell(l, QStringLiteral("Cognome"));
        auto name = fieldCell(l, QStringLiteral("Nome"));
        w.columns.push_back({QStringLiteral("colDipendente"), QStringLiteral("Cognome e nome"), 250,
                             250, [surname, name](const char* record) {
                                 return vtext::trimmed(surname(record) + u' ' + name(record));
                             }});
        // Grid column (the field after "col"), header, widths on screen and in the file.
        const struct {
            const char* name;
            const char* header;
            int screenWidth, fileWidth;
        } plain[] = {
            {"colCodFisc", "Codice fiscale", 150, 200},
            {"colDataNasc", "Data di nascita", 120, 200},
            {"colComuneNasc", "Comune / Stato estero di nascita", 250, 250},
            {"colIva", "Partita IVA", 150, 200},
            {"colIndirizzo", "Indirizzo di residenza", 250, 250},
            {"colComuneRes", "Comune di residenza", 250, 250},
            {"colRecapito", "Recapito preferenziale", 200, 250},
            {"colTelCasa", "Tel. casa", 200, 200},
            {"colTelCel", "Tel. cellulare", 200, 200},
            {"colEmail", "E-mail", 250, 250},
            {"colCategoria", "Categoria", 250, 250},
            {"colQualifiche", "Qualifica principale", 250, 250},
            {"colFamiliari", "Giorni e orari disponibilità", 300, 300},
            {"colIban", "IBAN", 250, 300},
            {"colIntestatario", "Intestatario C/C", 250, 250},
            {"colPagamento", "Modalità di pagamento", 250, 250},
            {"colProdotti", "Equipaggiamento assegnato", 300, 300},
            {"colTipoDoc", "Tipo documento", 250, 250},
            {"colNumDoc", "Numero documento", 200, 250},
            {"colEnteRil", "Ente rilascio", 250, 250},
            {"colDataRil", "Data rilascio", 200, 200},
            {"colDataSca", "Data scadenza", 200, 200},
            {"colCodice", "Mansione", 250, 250},
            {"colNote", "Note", 300, 300},
        };
        for (const auto& c : plain)
            w.columns.push_back(field(l, QString::fromLatin1(c.name), QString::fromUtf8(c.header),
                                      c.screenWidth, c.fileWidth));
        return w;
    }();
    return t;
}

void readExportRows(const QString& archivePath, const ExportTable& table, TRecordArchive::Mode mode,
                    const std::function<void(QStringList)>& row) {
    TRecordArchive archive(table.layout->size());
    archive.open(archivePath, mode);
    archive.forEach([&](qint64, const char* record) {
        QStringList cells;
        cells.reserve(static_cast<qsizetype>(table.columns.size()));
        for (const ExportColumn& c : table.columns)
            cells << c.cell(record);
        row(std::move(cells));
    });
    archive.close();
}

QByteArray spreadsheetBytes(const ExportTable& table, const std::vector<QStringList>& rows) {
    QString out;
    // Room for the markup of every cell and a typical text in it.
    out.reserve(
        static_cast<qsizetype>((rows.size() + 1) * (table.columns.size() * 48 + 10) + 2048));
    for (const char* fragment : kHead)
        out += QLatin1String(fragment);
    out += QLatin1String("<x:Name>");
    appendEscaped(out, table.sheetName);
    out += QLatin1String("</x:Name>");
    for (const char* fragment : kOptions)
        out += QLatin1String(fragment);
    out += QLatin1String("<tr>");
    for (const ExportColumn& c : table.columns) {
        out += QLatin1String("<td style=\"text-align: left; font-weight: bold;\" width=") +
               QString::number(c.fileWidth) + u'>';
        appendEscaped(out, c.header);
        out += QLatin1String("</td>");
    }
    out += QLatin1String("</tr>");
    for (const QStringList& row : rows) {
        out += QLatin1String("<tr>");
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            out += kDataCell;
            const auto col = static_cast<qsizetype>(i);
            if (col < row.size()) appendEscaped(out, vtext::trimmed(row[col]));
            out += QLatin1String("</td>");
        }
        out += QLatin1String("</tr>");
    }
    out += QLatin1String("</table></body></html>");
    return vtext::toWin1252(out);
}

bool writeSpreadsheet(const QString& path, const ExportTable& table,
                      const std::vector<QStringList>& rows, QString* error) {
    return AtomicSave::save(path, spreadsheetBytes(table, rows), error);
}
