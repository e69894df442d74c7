#include "TfrmIstruttori.h"

#include "TfrmAnteprimaIstruttore.h"
#include "TfrmDaRinnovare.h"
#include "TfrmExpIstruttori.h"
#include "TfrmStampaIstruttore.h"
#include "TfrmTrovaIstruttori.h"

#include "archive/Text.h"
#include "domain/ArchiveKinds.h"
#include "domain/Environment.h"
#include "domain/WorkerRules.h"
#include "screens/checks/CheckDialogs.h"
#include "screens/common/FormKit.h"
#include "screens/common/OpenURL.h"
#include "screens/common/Opens.h"
#include "screens/common/Platform.h"
#include "screens/common/ScreenNames.h"

#include <QComboBox>
#include <QGridLayout>

#include <algorithm>

namespace {

const QStringList kProvinces =
    QStringLiteral(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT "
        "CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS "
        "MT "
        "NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO "
        "SP "
        "SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV")
        .split(u' ');

constexpr auto kCentre = Qt::AlignCenter;
constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;

// One grid, so the rows of both sides line up: on the left, in four columns,
// identity and residence, availability, contacts and qualifications, bank
// and payment data and notes; on the right, in two, the identity document,
// the job and the contract. In record order, which is the Enter chain's.
const FieldCell kFields[] = {
    {.labelText = "Cognome:", .field = "Cognome", .row = 0, .column = 0, .span = 2},
    {.labelText = "Nome:", .field = "Nome", .row = 0, .column = 2, .span = 2},
    {.labelText = "Codice fiscale:",
     .field = "CodFisc",
     .row = 1,
     .column = 0,
     .span = 2,
     .importButton = "btnCodFisc",
     .importIcon = "dialog-information",
     .input = InputRule::UpperTrimmed},
    {.labelText = "Sesso:",
     .field = "Sesso",
     .row = 1,
     .column = 2,
     .input = InputRule::UpperTrimmed,
     .align = kCentre},
    {.labelText = "Data di nascita:", .field = "DataNasc", .row = 1, .column = 3, .align = kCentre},
    {.labelText = "Comune di nascita:", .field = "ComuneNasc", .row = 2, .column = 0, .span = 2},
    {.labelText = "Prov.",
     .field = "ProvNasc",
     .row = 2,
     .column = 2,
     .input = InputRule::UpperTrimmed,
     .choices = &kProvinces},
    {.labelText = "Partita IVA:",
     .field = "Iva",
     .row = 2,
     .column = 3,
     .importButton = "btnIva",
     .importIcon = "dialog-information",
     .input = InputRule::Digits},
    {.labelText = "Via e numero civico:", .field = "Indirizzo", .row = 3, .column = 0, .span = 3},
    {.labelText = "CAP:", .field = "Cap", .row = 3, .column = 3},
    {.labelText = "Comune di residenza:", .field = "ComuneRes", .row = 4, .column = 0, .span = 2},
    {.labelText = "Prov.",
     .field = "ProvRes",
     .row = 4,
     .column = 2,
     .input = InputRule::UpperTrimmed,
     .choices = &kProvinces},
    {.labelText = "Stato civile:", .field = "Stato", .row = 4, .column = 3},
    {.labelText = "Giorni e orari disponibilità:",
     .field = "Familiari",
     .row = 5,
     .column = 0,
     .span = 4},
    {.labelText = "Recapito preferenziale:", .field = "Recapito", .row = 6, .column = 0, .span = 2},
    {.labelText = "Tel. casa:", .field = "TelCasa", .row = 6, .column = 2},
    {.labelText = "Tel. cellulare:", .field = "TelCel", .row = 6, .column = 3},
    {.labelText = "Tel. ufficio:", .field = "TelUff", .row = 7, .column = 0},
    {.labelText = "Fax:", .field = "Fax", .row = 7, .column = 1},
    {.labelText = "E-mail:",
     .field = "Email",
     .row = 7,
     .column = 2,
     .span = 2,
     .importButton = "btnEmail",
     .importIcon = "mail-send",
     .input = InputRule::Trimmed},
    {.labelText = "Qualifica principale:", .field = "Qualifiche", .row = 8, .column = 0, .span = 2},
    {.labelText = "Altri titoli:", .field = "Professione", .row = 8, .column = 2, .span = 2},
    {.labelText = "IBAN:",
     .field = "Iban",
     .row = 9,
     .column = 0,
     .span = 2,
     .importButton = "btnIban",
     .importIcon = "dialog-information",
     .input = InputRule::UpperTrimmed},
    {.labelText = "Intestatario C/C:", .field = "Intestatario", .row = 9, .column = 2},
    {.labelText = "Banca:", .field = "Banca", .row = 9, .column = 3},
    {.labelText = "Carta di credito n.",
     .field = "Carta",
     .row = 10,
     .column = 0,
     .span = 2,
     .importButton = "btnCarta",
     .importIcon = "dialog-information",
     .input = InputRule::Digits},
    {.labelText = "Scadenza:", .field = "ScadeCarta", .row = 10, .column = 2, .align = kCentre},
    {.labelText = "Equipaggiamento assegnato:",
     .field = "Prodotti",
     .row = 11,
     .column = 0,
     .span = 2},
    {.labelText = "Modalità di pagamento:",
     .field = "Pagamento",
     .row = 11,
     .column = 2,
     .span = 2},
    {.labelText = "Note:", .field = "Note", .row = 12, .column = 0, .span = 4},
    // Beyond the divider: the identity document, the job and the contract.
    {.labelText = "Tipo di documento:", .field = "TipoDoc", .row = 0, .column = 5},
    {.labelText = "Numero:", .field = "NumDoc", .row = 0, .column = 6},
    {.labelText = "Ente di rilascio:", .field = "EnteRil", .row = 1, .column = 5, .span = 2},
    {.labelText = "Data di rilascio:", .field = "DataRil", .row = 2, .column = 5, .align = kCentre},
    {.labelText = "Data di scadenza:", .field = "DataSca", .row = 2, .column = 6, .align = kCentre},
    {.labelText = "Mansione:", .field = "Codice", .row = 3, .column = 5},
    {.labelText = "Categoria:", .field = "Categoria", .row = 3, .column = 6},
    {.labelText = "Livello:", .field = "Zona", .row = 4, .column = 5},
    {.labelText = "Tipo contratto:", .field = "Acquisto", .row = 4, .column = 6},
    {.labelText = "Data assunzione:",
     .field = "Decorrenza",
     .row = 5,
     .column = 5,
     .align = kCentre},
    {.labelText = "Prossima scadenza:",
     .field = "Scadenza",
     .row = 5,
     .column = 6,
     .align = kCentre},
    {.labelText = "Giorni di preavviso:",
     .field = "Preavviso",
     .row = 6,
     .column = 5,
     .input = InputRule::Digits,
     .align = kCentre},
    {.labelText = "Compenso totale: €",
     .field = "Totale",
     .row = 6,
     .column = 6,
     .input = InputRule::Amount,
     .align = kRight},
    {.labelText = "Frazionamento:", .field = "Frazionamento", .row = 7, .column = 5},
    {.labelText = "Importo rata: €",
     .field = "Rata",
     .row = 7,
     .column = 6,
     .input = InputRule::Amount,
     .align = kRight},
};

const QString kDecorrenzaMissing = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la data di decorrenza del contratto "
    "di assunzione.");
const QString kScadenzaMissing = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del contratto "
    "di assunzione.");

const RecordEditor::Setup& setup() {
    static const RecordEditor::Setup s = [] {
        RecordEditor::Setup table = {
            ScreenName::kIstruttori,
            QStringLiteral(" Velmora - Anagrafica Lavoratori"),
            {{QStringLiteral("txtCognome"),
              QStringLiteral(
                  "Attenzione: per salvare la scheda è necessario indicare il cognome del "
                  "lavoratore.")},
             {QStringLiteral("txtNome"),
              QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del "
                             "lavoratore.")},
             {QStringLiteral("txtDecorrenza"), kDecorrenzaMissing},
             {QStringLiteral("txtScadenza"), kScadenzaMissing}},
            QStringLiteral("txtCognome"),
            {QStringLiteral("btnDuplica")},
            {{"btnNuovo", "cmdNuovo"},
             {"btnSalva", "cmdSalva"},
             {"btnTrova", "cmdTrova"},
             {"btnAllega", "cmdFile"},
             {"btnStampa", "cmdStampa"},
             {"btnAnteprima", "cmdAnteprima"},
             {"btnEsporta", "cmdEsporta"},
             {"btnGuida", "cmdGuida"},
             {"btnEsci", "cmdEsci"}},
            {{"cmdScaduti", "x-office-calendar", "Scadenze",
              "Visualizza il riepilogo dei contratti in scadenza o scaduti."}},
            QStringLiteral("Pronto per salvare una nuova scheda..."),
        };
        table.attachmentTag = RoutingTag::kIstruttori;
        table.help = archiveKind(ArchiveKindId::Workers).help;
        return table;
    }();
    return s;
}

QString text(const QWidget* form, const char* box) {
    return vtext::trimmed(FormKit::child<QLineEdit>(form, QString::fromLatin1(box))->text());
}

// A fiscal code box holding digits alone carries a VAT number.
bool allDigits(const QString& code) {
    return !code.isEmpty() &&
           std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TfrmIstruttori::TfrmIstruttori(QWidget* parent)
    : RecordEditor(TRecordLayout::workers(), setup(), parent) {
    QFrame* fields =
        builder().fieldGrid(QStringLiteral("shpSezione01"), kFields, {4, 4, 4, 4, 0, 5, 5}, true);
    // The divider between the two sides of the form.
    auto* divider = new QFrame(fields);
    divider->setObjectName(QStringLiteral("shpSepara01"));
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    static_cast<QGridLayout*>(fields->layout())->addWidget(divider, 0, 4, 13, 1);
    body()->addWidget(fields, 1);

    finishForm({
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"btnIva", "Controlla il numero di partita IVA."},
        {"btnIban", "Controlla l'IBAN."},
        {"btnCarta", "Controlla il numero di carta di credito."},
        {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
    });
    FormKit::onClick(this, QStringLiteral("btnEmail"), [this] { btnEmailClick(); });
    // The checks get the value, trimmed, and never write it back.
    FormKit::onClick(this, QStringLiteral("btnCodFisc"), [this] {
        const QString code = text(this, "txtCodFisc");
        if (allDigits(code))
            showCheck<TfrmPartitaIva>(this, code);
        else
            showCheck<TfrmCodFisc>(this, code);
    });
    FormKit::onClick(this, QStringLiteral("btnIva"),
                     [this] { showCheck<TfrmPartitaIva>(this, text(this, "txtIva")); });
    FormKit::onClick(this, QStringLiteral("btnIban"),
                     [this] { showCheck<TfrmIban>(this, text(this, "txtIban")); });
    FormKit::onClick(this, QStringLiteral("btnCarta"),
                     [this] { showCheck<TfrmCarta>(this, text(this, "txtCarta")); });
    opensScreen<TfrmStampaIstruttore>(this, QStringLiteral("cmdStampa"));
    opensScreen<TfrmAnteprimaIstruttore>(this, QStringLiteral("cmdAnteprima"));
    opensExport<TfrmExpIstruttori>(this, QStringLiteral("cmdEsporta"), ArchiveKindId::Workers);
    opensSearch<TfrmTrovaIstruttori>(this, QStringLiteral("cmdTrova"), ScreenName::kTrovaIstruttori,
                                     RoutingTag::kIstruttori);
    // The renewal list has no tag.
    opensSearch<TfrmDaRinnovare>(this, QStringLiteral("cmdScaduti"), ScreenName::kDaRinnovare, {});
}

QString TfrmIstruttori::archivePath() const {
    return ::archivePath(ArchiveKindId::Workers);
}

void TfrmIstruttori::newRecordDefaults() {
    const QString today = Clock::current().today().toString(QStringLiteral("dd/MM/yyyy"));
    const std::pair<const char*, QString> defaults[] = {
        {"txtDecorrenza", today},
        {"txtScadenza", today},
        {"txtPreavviso", QStringLiteral("0")},
        {"txtTotale", QStringLiteral("0,00")},
        {"txtRata", QStringLiteral("0,00")},
    };
    for (const auto& [box, value] : defaults)
        FormKit::child<QLineEdit>(this, QString::fromLatin1(box))->setText(value);
}

bool TfrmIstruttori::checkBeforeSave() {
    auto stop = [this](const char* box, const QString& message, bool plain) {
        if (plain)
            Platform::messages().plain(this, message);
        else
            Platform::messages().warning(this, message);
        if (box) FormKit::child<QWidget>(this, QString::fromLatin1(box))->setFocus();
        return false;
    };
    const QString start = text(this, "txtDecorrenza");
    const QString end = text(this, "txtScadenza");
    const auto from = worker::contractDate(start);
    const auto to = worker::contractDate(end);
    const QString wrongDate = QStringLiteral(
        " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida "
        "nel formato gg/mm/aaaa.");
    if (!from)
        return stop("txtDecorrenza",
                    QStringLiteral("Attenzione: la data di decorrenza del contratto ") + start +
                        wrongDate,
                    true);
    if (!to)
        return stop("txtScadenza",
                    QStringLiteral("Attenzione: la data di scadenza del contratto ") + end +
                        wrongDate,
                    true);
    if (*from > *to)
        return stop(nullptr,
                    QStringLiteral("Attenzione: la data di scadenza del contratto (%1) non può "
                                   "essere anteriore a quella di decorrenza (%2).\n\r\n\rPer "
                                   "poter salvare la scheda è necessario indicare un intervallo "
                                   "di tempo valido.")
                        .arg(end, start),
                    true);
    if (text(this, "txtPreavviso").isEmpty())
        return stop("txtPreavviso",
                    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare i "
                                   "giorni di preavviso."),
                    false);
    return true;
}

void TfrmIstruttori::btnEmailClick() {
    TMisc::Open(QStringLiteral("\"mailto:") + text(this, "txtEmail") + u'"');
}
