#include "TfrmSettimanale.h"

#include "TfrmAnteprimaSet.h"
#include "TfrmStampaSet.h"
#include "TfrmTrovaSet.h"
#include "screens/common/Opens.h"
#include "screens/common/ScreenNames.h"

namespace {

// Name, week start and end with their pickers, site; the instructions below.
const FieldCell kHead[] = {
    {"lblCampo001", "Nome tabella turni:", "Nome", 0, 0, 1, "impNome", "document-open"},
    {.label = "lblCampo002",
     .labelText = "Data inizio:",
     .field = "DataInizio",
     .row = 0,
     .column = 1,
     .importButton = "impDatainizio",
     .importIcon = "x-office-calendar",
     .align = Qt::AlignCenter},
    {.label = "lblCampo003",
     .labelText = "Data fine:",
     .field = "DataFine",
     .row = 0,
     .column = 2,
     .importButton = "impDataFine",
     .importIcon = "x-office-calendar",
     .align = Qt::AlignCenter},
    {"lblCampo004", "Sede operativa:", "Sede", 0, 3},
    {"lblCampo005", "Disposizioni organizzative:", "Disposizioni", 1, 0, 4},
};

// The twelve slot rows: the two times, then the workers of each day.
const SlotColumn kSlotColumns[] = {
    {"lblCampo006", "Dalle ore", "Inizio"}, {"lblCampo007", "Alle ore", "Fine"},
    {"lblLun", "LUNEDI'", "Lun", true},     {"lblMar", "MARTEDI'", "Mar", true},
    {"lblMer", "MERCOLEDI'", "Mer", true},  {"lblGio", "GIOVEDI'", "Gio", true},
    {"lblVen", "VENERDI'", "Ven", true},    {"lblSab", "SABATO", "Sab", true},
    {"lblDom", "DOMENICA", "Dom", true},
};

const FieldCell kNotes[] = {
    {"lblCampo008", "Annotazioni:", "Annotazioni", 0, 0, 1, nullptr, nullptr, false, true},
};

RecordEditor::Setup setup() {
    return {
        .name = ScreenName::kSettimanale,
        .mandatory = {{QStringLiteral("txtNome"), EditorTexts::kNameWarning},
                      {QStringLiteral("txtDataInizio"),
                       QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la "
                                      "data di inizio della settimana a cui si riferiscono i turni "
                                      "di lavoro.")},
                      {QStringLiteral("txtDataFine"),
                       QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la "
                                      "data di fine della settimana a cui si riferiscono i turni "
                                      "di lavoro.")}},
        .firstField = QStringLiteral("txtNome"),
        .omitted = {QStringLiteral("btnEsporta")}};
}

// What a template brings into a weekly table: no period, no activities.
QStringList importedFields() {
    QStringList f = {"Nome", "Sede", "Disposizioni", "Annotazioni"};
    for (int slot = 1; slot <= kSlots; ++slot)
        f << "Inizio" + slotSuffix(slot) << "Fine" + slotSuffix(slot);
    return f;
}

ShiftTableEditor::Shift shift() {
    return {
        ArchiveKindId::Weekly,
        RoutingTag::kSettimanale,
        importedFields(),
        {{QStringLiteral("DataInizio"), QStringLiteral("impDatainizio"), RoutingTag::kSetInizio},
         {QStringLiteral("DataFine"), QStringLiteral("impDataFine"), RoutingTag::kSetFine}}};
}

} // namespace

TfrmSettimanale::TfrmSettimanale(QWidget* parent)
    : ShiftTableEditor(TRecordLayout::weekly(), setup(), shift(), parent) {
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez01"), kHead, {3, 1, 1, 2}));
    body()->addWidget(builder().slotGrid(QStringLiteral("shpSez02"), kSlotColumns), 1);
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez03"), kNotes));
    finishShiftForm({});

    opensSearch<TfrmTrovaSet>(this, QStringLiteral("btnTrova"), ScreenName::kTrovaSet,
                              RoutingTag::kSettimanale);
    opensScreen<TfrmStampaSet>(this, QStringLiteral("btnStampa"));
    opensScreen<TfrmAnteprimaSet>(this, QStringLiteral("btnAnteprima"));
}
