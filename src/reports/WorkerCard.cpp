#include "WorkerCard.h"

namespace report::WorkerCard {

namespace {

constexpr double kPitch = 5; // mm from one row to the next
constexpr double kFrame = 0.2;

// Top to bottom. The value box is "txt" + field (txtIstruttore for the
// name); a row with `joined` shows field, one blank and joined, as typed:
// an empty second part leaves the blank.
struct CardRow {
    const char* label;
    const char* field;
    const char* joined = nullptr;
    const char* box = nullptr; // nullptr: field
};
constexpr CardRow kCard[] = {
    {"Cognome e nome:", "Cognome", "Nome", "Istruttore"},
    {"Codice fiscale:", "CodFisc"},
    {"Sesso:", "Sesso"},
    {"Data di nascita:", "DataNasc"},
    {"Comune di nascita:", "ComuneNasc", "ProvNasc"},
    {"Partita IVA:", "Iva"},
    {"Via e numero civico:", "Indirizzo"},
    {"CAP:", "Cap"},
    {"Comune di residenza:", "ComuneRes", "ProvRes"},
    {"Stato civile:", "Stato"},
    {"Giorni e orari disponibilità:", "Familiari"},
    {"Recapito preferenziale:", "Recapito"},
    {"Tel. casa:", "TelCasa"},
    {"Tel cellulare:", "TelCel"},
    {"Tel. ufficio:", "TelUff"},
    {"Fax:", "Fax"},
    {"E-mail:", "Email"},
    {"Qualifica principale:", "Qualifiche"},
    {"Altri titoli:", "Professione"},
    {"IBAN:", "Iban"},
    {"Intestatario C/C:", "Intestatario"},
    {"Banca:", "Banca"},
    {"Carta di credito n.", "Carta"},
    {"Scadenza carta di credito:", "ScadeCarta"},
    {"Equipaggiamento assegnato:", "Prodotti"},
    {"Modalità di pagamento:", "Pagamento"},
    {"Note:", "Note"},
    {"Tipo documento:", "TipoDoc"},
    {"Numero documento:", "NumDoc"},
    {"Ente di rilascio:", "EnteRil"},
    {"Data di rilascio:", "DataRil"},
    {"Data di scadenza:", "DataSca"},
    {"Mansione:", "Codice"},
    {"Categoria:", "Categoria"},
    {"Livello:", "Zona"},
    {"Tipo di contratto:", "Acquisto"},
    {"Data assunzione:", "Decorrenza"},
    {"Prossima scadenza:", "Scadenza"},
    {"Compenso totale: €", "Totale"},
    {"Frazionamento:", "Frazionamento"},
    {"Importo rata: €", "Rata"},
};
static_assert(std::size(kCard) == kRows);

// Row 1; the others follow one pitch down each.
constexpr FixedRow kLabel = {"", 2, 7.5, 37.8, 3.5, 7, HAlign::Left};
constexpr BoxRow kValue = {"", 44, 7.5, 144, 3.5, 7, HAlign::Left};

constexpr FixedRow kTitle[] = {
    {"SCHEDA INFORMATIVA LAVORATORE", 2, 2, 185.8, 4.2, 9, HAlign::Center},
};

constexpr ShapeRow kShapes[] = {
    {1, 1, 188, 5.8, "lightsteelblue", kFrame}, // title band
    {1, 7, 188, 4.6, nullptr, kFrame, kRows},   // row frames
    {42, 7, 0, 204.6, nullptr, kFrame},         // labels | values
    {1, 217, 188, 5.8, "gold", 0},              // footer band
};

SheetBox valueBox(const CardRow& row, double dy) {
    const QString field = QString::fromLatin1(row.field);
    const QString name = QStringLiteral("txt") + QString::fromLatin1(row.box ? row.box : row.field);
    SheetBox box = sheetBox(name, field, kValue, dy);
    if (row.joined) {
        const QString joined = QString::fromLatin1(row.joined);
        box.field.clear();
        box.compose = [field, joined](const FieldSource& f) { return f(field) + u' ' + f(joined); };
    }
    return box;
}

SheetDesign build() {
    SheetDesign d;
    d.name = QStringLiteral("Scheda Lavoratore");
    d.orientation = Orientation::Portrait;
    for (int k = 0; k < kRows; ++k) {
        const double dy = kPitch * k;
        FixedRow label = kLabel;
        label.text = kCard[k].label;
        addFixedTexts(d, {&label, 1}, dy);
        d.boxes.push_back(valueBox(kCard[k], dy));
    }
    addFixedTexts(d, kTitle);
    d.footer = footerBox(2, 218, 185.8, 4.2);
    addShapes(d, kShapes, kPitch);
    return d;
}

} // namespace

const SheetDesign& design() {
    static const SheetDesign d = build();
    return d;
}

} // namespace report::WorkerCard
