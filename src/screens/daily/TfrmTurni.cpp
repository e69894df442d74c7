#include "TfrmTurni.h"

#include "TfrmAnteprimaTurno.h"
#include "TfrmStampaTurno.h"
#include "archive/Text.h"
#include "screens/common/DateBox.h"
#include "screens/common/EditorChrome.h"
#include "screens/common/FormKit.h"
#include "screens/common/Platform.h"
#include "screens/common/TfrmCalendario.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {

const std::vector<EditorButton>& tools() {
    static const std::vector<EditorButton> table = {
        {"btnNuovo", "document-new", "Nuovo",
         "Prepara la schermata per la registrazione di una nuova scheda.", true},
        {"btnDuplica", "edit-copy", "Duplica",
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
         "correnti.",
         true},
        {"btnSalva", "document-save", "Salva", "Salva la scheda corrente in archivio.", true},
        {"btnTrova", "edit-find", "Trova", "Trova una scheda in archivio.", false},
        {"btnAllega", "mail-attachment", "Allega", "Allega file alla scheda corrente.", false},
        {"btnStampa", "document-print", "Stampa", "Stampa la scheda corrente.", true},
        {"btnAnteprima", "document-print-preview", "Anteprima",
         "Visualizza l'anteprima di stampa della scheda corrente.", true},
        {"btnEsporta", "x-office-spreadsheet", "Esporta",
         "Esporta le schede in archivio in un file di Microsoft Excel.", false},
        {"btnGuida", "help-contents", "Guida", "Visualizza la guida in linea.", false},
        {"btnEsci", "application-exit", "Esci", "Esci da questa schermata di lavoro.", true},
    };
    return table;
}

const std::vector<EditorButton>& navigation() {
    static const std::vector<EditorButton> table = {
        {"cmdPrimo", "go-first", {}, "Visualizza la prima scheda in archivio.", true},
        {"cmdIndietro", "go-previous", {}, "Visualizza la scheda precedente in archivio.", true},
        {"cmdAvanti", "go-next", {}, "Visualizza la scheda successiva in archivio.", true},
        {"cmdUltimo", "go-last", {}, "Visualizza l'ultima scheda in archivio.", true},
    };
    return table;
}

const QString kWorkerHint =
    QStringLiteral("Importa un turnista dall'archivio anagrafico dei lavoratori.");

// One labelled box of the heading rows: label above, box (with its
// highlight) and import button beside it.
struct HeadField {
    const char* label;
    const char* labelText;
    const char* field;
    int capacity;
    const char* importButton; // nullptr for none
    const char* importIcon;
    int row, column, span;
};

const HeadField kHead[] = {
    {"lblCampo001", "Nome tabella turni:", "Nome", 50, "impNome", "document-open", 0, 0, 1},
    {"lblCampo010", "Data:", "Data", 10, "impData", "x-office-calendar", 0, 1, 1},
    {"lblCampo002", "Periodo validità:", "Periodo", 50, nullptr, nullptr, 0, 2, 1},
    {"lblCampo003", "Sede operativa:", "Sede", 50, nullptr, nullptr, 0, 3, 1},
    {"lblCampo004", "Disposizioni organizzative:", "Disposizioni", 250, nullptr, nullptr, 1, 0, 4},
};

// Columns of the twelve slot rows, left to right.
struct SlotColumn {
    const char* heading;
    const char* headingText;
    const char* stem;
    int capacity;
    int stretch;
};
const SlotColumn kSlotColumns[] = {
    {"lblCampo006", "DALLE ORE", "Inizio", 5, 0},
    {"lblCampo007", "ALLE ORE", "Fine", 5, 0},
    {"lblCampo009", "TURNISTI", "Lavoratore", 120, 1},
    {"lblCampo008", "ATTIVITA' DA SVOLGERE", "Attivita", 120, 1},
};

QString s(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TfrmTurni::TfrmTurni(QWidget* parent) : RecordEditor(TRecordLayout::daily(), parent) {
    setObjectName(QStringLiteral("TfrmTurni"));
    setWindowTitle(QStringLiteral(" Velmora - Programmazione turni"));
    FormKit::maximize(this);
    buildForm();

    bindControls({{QStringLiteral("txtNome"),
                   QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il "
                                  "nome identificativo della tabella dei turni.")},
                  {QStringLiteral("txtData"),
                   QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la "
                                  "data a cui si riferiscono i turni di lavoro.")}},
                 QStringLiteral("txtNome"));

    using FormKit::onClick;
    onClick(this, "btnNuovo", [this] { btnNuovoClick(); });
    onClick(this, "btnDuplica", [this] { btnDuplicaClick(); });
    onClick(this, "btnSalva", [this] { btnSalvaClick(); });
    onClick(this, "btnEsci", [this] { close(); });
    onClick(this, "cmdPrimo", [this] { cmdPrimoClick(); });
    onClick(this, "cmdIndietro", [this] { cmdIndietroClick(); });
    onClick(this, "cmdAvanti", [this] { cmdAvantiClick(); });
    onClick(this, "cmdUltimo", [this] { cmdUltimoClick(); });
    onClick(this, "btnStampa", [this] { btnStampaClick(); });
    onClick(this, "btnAnteprima", [this] { btnAnteprimaClick(); });

    // Enter walks the fields; txtData has no step of its own (its keys open
    // the picker), so its filter goes on after the chain's.
    QStringList chain = {"txtNome", "txtData", "txtPeriodo", "txtSede", "txtDisposizioni"};
    for (int slot = 1; slot <= 12; ++slot)
        for (const char* stem : {"txtInizio", "txtFine", "txtLavoratore", "txtAttivita"})
            chain << stem + slotSuffix(slot);
    chain << "txtAnnotazioni";
    FormKit::enterChain(this, chain);
    DateBox::install(FormKit::child<QLineEdit>(this, "txtData"),
                     FormKit::child<QAbstractButton>(this, "impData"),
                     FormKit::child<QWidget>(this, chain[chain.indexOf("txtData") + 1]),
                     [this] { return impDataClick(); });

    std::vector<std::pair<QString, QString>> hintTable;
    for (const auto* list : {&tools(), &navigation()})
        for (const EditorButton& b : *list)
            hintTable.emplace_back(b.name, b.hint);
    hintTable.emplace_back("impNome", "Importa un turno predefinito dall'archivio degli orari.");
    hintTable.emplace_back("impData", "Importa una data dal calendario.");
    for (int slot = 1; slot <= 12; ++slot)
        hintTable.emplace_back("impLavoratore" + slotSuffix(slot), kWorkerHint);
    hintTable.emplace_back("txtData",
                           "Premi un tasto qualsiasi per importare una data dal calendario.");
    FormKit::hints(this, FormKit::child<QLabel>(this, "panInfo"), hintTable,
                   {"shpCampi", "shpSez01", "shpSez02", "shpSez03", "shpRecord", "shpPulsanti"});
}

void TfrmTurni::buildForm() {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(6);
    page->addWidget(EditorChrome::buttonBar(this, tools(), navigation()));

    QFrame* fields = FormKit::panel(this, "shpCampi");
    auto* fieldsLayout = new QVBoxLayout(fields);
    fieldsLayout->setContentsMargins(6, 6, 6, 6);

    // Heading: name, date, period and site, then the instructions.
    QFrame* head = FormKit::panel(fields, "shpSez01");
    auto* headGrid = new QGridLayout(head);
    headGrid->setVerticalSpacing(0);
    for (const HeadField& f : kHead) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        QLabel* caption = FormKit::label(head, s(f.label), s(f.labelText));
        caption->setContentsMargins(3, 0, 0, 0);
        cell->addWidget(caption);
        auto* line = new QHBoxLayout;
        const QString name = s(f.field);
        QLineEdit* box = FormKit::edit(head, "txt" + name, f.capacity);
        line->addWidget(FormKit::withHighlight(box, "eff" + name), 1);
        if (f.importButton)
            line->addWidget(
                FormKit::pictureButton(head, s(f.importButton), s(f.importIcon), {}, 22));
        cell->addLayout(line);
        headGrid->addLayout(cell, f.row * 2, f.column, 1, f.span);
    }
    FormKit::child<QWidget>(head, "impNome")->setEnabled(false);
    headGrid->setColumnStretch(0, 3);
    headGrid->setColumnStretch(1, 1);
    headGrid->setColumnStretch(2, 2);
    headGrid->setColumnStretch(3, 2);
    fieldsLayout->addWidget(head);

    // Twelve slot rows: start, end, workers (with import), activity.
    QFrame* slotPanel = FormKit::panel(fields, "shpSez02");
    auto* grid = new QGridLayout(slotPanel);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    int column = 1;
    for (const SlotColumn& c : kSlotColumns) {
        QLabel* heading = FormKit::label(slotPanel, s(c.heading), s(c.headingText));
        heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
        heading->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        grid->addWidget(heading, 0, column, 1, c.stretch ? 2 : 1);
        column += c.stretch ? 2 : 1;
    }
    for (int slot = 1; slot <= 12; ++slot) {
        const QString n = slotSuffix(slot);
        QLabel* number = FormKit::label(slotPanel, "lblSlot" + n, QString::number(slot));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setStyleSheet(QStringLiteral("color: #666;"));
        grid->addWidget(number, slot, 0);
        column = 1;
        for (const SlotColumn& c : kSlotColumns) {
            QLineEdit* box = FormKit::edit(slotPanel, "txt" + s(c.stem) + n, c.capacity);
            // On a tall screen the rows grow a little instead of leaving
            // the lower part of the window empty.
            box->setSizePolicy(box->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            box->setMaximumHeight(52);
            if (!c.stretch) {
                box->setFixedWidth(64);
                box->setAlignment(Qt::AlignCenter);
            }
            grid->addWidget(box, slot, column++);
            if (QLatin1String(c.stem) == QLatin1String("Lavoratore")) {
                QToolButton* imp =
                    FormKit::pictureButton(slotPanel, "impLavoratore" + n, "contact-new", {}, 18);
                imp->setEnabled(false);
                grid->addWidget(imp, slot, column);
            }
            if (c.stretch) ++column;
        }
    }
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 3);
    // Extra height goes to the slot rows, never to the headings; what the
    // rows cannot take stays below them.
    for (int slot = 1; slot <= 12; ++slot)
        grid->setRowStretch(slot, 1);
    grid->setRowStretch(13, 0);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 13, 0);
    fieldsLayout->addWidget(slotPanel, 1);

    QFrame* notes = FormKit::panel(fields, "shpSez03");
    auto* notesLayout = new QHBoxLayout(notes);
    notesLayout->addWidget(FormKit::label(notes, "lblCampo005", "Annotazioni:"));
    notesLayout->addWidget(FormKit::edit(notes, "txtAnnotazioni", 250), 1);
    fieldsLayout->addWidget(notes);

    page->addWidget(fields, 1);
    page->addWidget(EditorChrome::hintLine(this, EditorTexts::kReady));
    FormKit::hiddenLabel(this, "lblFile");
    EditorChrome::attachmentLabels(this);
}

QString TfrmTurni::archivePath() const {
    return vtext::trimmed(FormKit::child<QLabel>(this, "lblFile")->text());
}

bool TfrmTurni::impDataClick() {
    TfrmCalendario picker(this);
    FormKit::child<QLabel>(&picker, "lblMemory")->setText(QStringLiteral("turni"));
    return showModal(picker) == QDialog::Accepted;
}

void TfrmTurni::btnStampaClick() {
    TfrmStampaTurno sheet(this);
    showModal(sheet);
}

void TfrmTurni::btnAnteprimaClick() {
    TfrmAnteprimaTurno sheet(this);
    showModal(sheet);
}
