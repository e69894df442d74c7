#include "TfrmSettimanale.h"

#include "TfrmAnteprimaSet.h"
#include "TfrmStampaSet.h"
#include "TfrmTrovaSet.h"
#include "archive/Text.h"
#include "screens/common/FormKit.h"
#include "screens/common/Opens.h"
#include "screens/common/Platform.h"
#include "screens/common/Routes.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/TfrmCalendario.h"
#include "screens/shifts/ShiftEditors.h"
#include "screens/timetables/TfrmTrovaOrari.h"

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

const RecordEditor::Setup& setup() {
    static const RecordEditor::Setup s = [] {
        RecordEditor::Setup table = {
            ScreenName::kSettimanale,
            QStringLiteral(" Velmora - Programmazione turni"),
            {{QStringLiteral("txtNome"), EditorTexts::kNameWarning},
             {QStringLiteral("txtDataInizio"),
              QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                             "inizio della settimana a cui si riferiscono i turni di lavoro.")},
             {QStringLiteral("txtDataFine"),
              QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                             "fine della settimana a cui si riferiscono i turni di lavoro.")}},
            QStringLiteral("txtNome"),
            {QStringLiteral("btnEsporta")},
        };
        table.attachmentTag = RoutingTag::kSettimanale;
        table.help = HelpTopic::Calendar;
        table.extra = {ShiftEditors::hoursButton()};
        return table;
    }();
    return s;
}

// What a template brings into a weekly table: no period, no activities.
const QStringList& importedFields() {
    static const QStringList fields = [] {
        QStringList f = {"Nome", "Sede", "Disposizioni", "Annotazioni"};
        for (int slot = 1; slot <= kSlots; ++slot)
            f << "Inizio" + slotSuffix(slot) << "Fine" + slotSuffix(slot);
        return f;
    }();
    return fields;
}

} // namespace

TfrmSettimanale::TfrmSettimanale(QWidget* parent)
    : RecordEditor(TRecordLayout::weekly(), setup(), parent) {
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez01"), kHead, {3, 1, 1, 2}));
    body()->addWidget(builder().slotGrid(QStringLiteral("shpSez02"), kSlotColumns), 1);
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez03"), kNotes));
    FormKit::hiddenLabel(this, QStringLiteral("lblFile"));
    // Each date box has its picker and its routing tag.
    for (const auto& [field, button, tag] :
         {std::tuple{"DataInizio", "impDatainizio", "set_inizio"},
          std::tuple{"DataFine", "impDataFine", "set_fine"}}) {
        const QString routed = QString::fromLatin1(tag);
        builder().dateBox(QString::fromLatin1(field), QString::fromLatin1(button), [this, routed] {
            TfrmCalendario picker(this);
            return openWithTag(picker, routed);
        });
    }
    finishForm({
        {"impNome", "Importa un turno predefinito dall'archivio degli orari."},
        {"impDatainizio", "Importa una data dal calendario."},
        {"impDataFine", "Importa una data dal calendario."},
        {"txtDataInizio", "Premi un tasto qualsiasi per importare una data dal calendario."},
        {"txtDataFine", "Premi un tasto qualsiasi per importare una data dal calendario."},
    });

    Routes::addDateBox(RoutingTag::kSetInizio,
                       FormKit::child<QLineEdit>(this, QStringLiteral("txtDataInizio")));
    Routes::addDateBox(RoutingTag::kSetFine,
                       FormKit::child<QLineEdit>(this, QStringLiteral("txtDataFine")));
    Routes::addRecordReceiver(ScreenName::kTrovaSet, RoutingTag::kSettimanale, this,
                              [this](const TRecord& r, qint64 n) { showRecord(r, n); });
    Routes::addRecordReceiver(
        ScreenName::kTrovaOrari, RoutingTag::kSettimanale, this,
        [this](const TRecord& r, qint64) { importFields(r, importedFields()); });
    opensScreen<TfrmTrovaSet>(this, QStringLiteral("btnTrova"), RoutingTag::kSettimanale);
    opensScreen<TfrmStampaSet>(this, QStringLiteral("btnStampa"));
    opensScreen<TfrmAnteprimaSet>(this, QStringLiteral("btnAnteprima"));
    opensScreen<TfrmTrovaOrari>(this, QStringLiteral("impNome"), RoutingTag::kSettimanale);
    ShiftEditors::opensHours(this, RoutingTag::kSettimanale);
    ShiftEditors::reserveWarningLine(*this);
}

QString TfrmSettimanale::archivePath() const {
    return vtext::trimmed(FormKit::child<QLabel>(this, QStringLiteral("lblFile"))->text());
}

void TfrmSettimanale::afterSave(const TRecord&, qint64 number) {
    ShiftEditors::warnOfDoubleBookings(*this, number);
}
