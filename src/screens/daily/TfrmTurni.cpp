#include "TfrmTurni.h"

#include "TfrmAnteprimaTurno.h"
#include "TfrmExpTurni.h"
#include "TfrmStampaTurno.h"
#include "TfrmTrovaTurni.h"
#include "archive/Text.h"
#include "screens/common/FormKit.h"
#include "screens/common/Opens.h"
#include "screens/common/Platform.h"
#include "screens/common/Routes.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/TfrmCalendario.h"
#include "screens/shifts/ShiftEditors.h"
#include "screens/timetables/TfrmTrovaOrari.h"
#include "screens/workers/TfrmTrovaIstruttori.h"

namespace {

// Name, date, period and site on one row, the instructions below.
const FieldCell kHead[] = {
    {"lblCampo001", "Nome tabella turni:", "Nome", 0, 0, 1, "impNome", "document-open"},
    {"lblCampo010", "Data:", "Data", 0, 1, 1, "impData", "x-office-calendar"},
    {"lblCampo002", "Periodo validità:", "Periodo", 0, 2},
    {"lblCampo003", "Sede operativa:", "Sede", 0, 3},
    {"lblCampo004", "Disposizioni organizzative:", "Disposizioni", 1, 0, 4},
};

// The twelve slot rows: start, end, workers (with their pick button),
// activity.
const SlotColumn kSlotColumns[] = {
    {"lblCampo006", "DALLE ORE", "Inizio"},
    {"lblCampo007", "ALLE ORE", "Fine"},
    {"lblCampo009", "TURNISTI", "Lavoratore", true, "impLavoratore", "contact-new"},
    {"lblCampo008", "ATTIVITA' DA SVOLGERE", "Attivita", true},
};

const FieldCell kNotes[] = {
    {"lblCampo005", "Annotazioni:", "Annotazioni", 0, 0, 1, nullptr, nullptr, false, true},
};

// What a template brings into a daily table.
const QStringList& importedFields() {
    static const QStringList fields = [] {
        QStringList f = {"Nome", "Periodo", "Sede", "Disposizioni", "Annotazioni"};
        for (int slot = 1; slot <= kSlots; ++slot)
            for (const char* stem : {"Inizio", "Fine", "Attivita"})
                f << stem + slotSuffix(slot);
        return f;
    }();
    return fields;
}

// A picked worker joins the names already in the slot ("Cognome Nome",
// after ", "); a box of blanks counts as empty.
void addWorker(QLineEdit* workers, const TRecord& worker) {
    const QString name =
        vtext::trimmed(worker.text(u"Cognome")) + u' ' + vtext::trimmed(worker.text(u"Nome"));
    const QString already = vtext::trimmed(workers->text());
    workers->setText(already.isEmpty() ? name : already + QStringLiteral(", ") + name);
}

const RecordEditor::Setup& setup() {
    static const RecordEditor::Setup s = [] {
        RecordEditor::Setup table = {
            ScreenName::kTurni,
            QStringLiteral(" Velmora - Programmazione turni"),
            {{QStringLiteral("txtNome"), EditorTexts::kNameWarning},
             {QStringLiteral("txtData"),
              QStringLiteral(
                  "Attenzione: per salvare la scheda è necessario indicare la data a cui "
                  "si riferiscono i turni di lavoro.")}},
            QStringLiteral("txtNome"),
            {},
        };
        table.attachmentTag = RoutingTag::kTurni;
        table.help = HelpTopic::Calendar;
        table.extra = {ShiftEditors::hoursButton()};
        return table;
    }();
    return s;
}

} // namespace

TfrmTurni::TfrmTurni(QWidget* parent) : RecordEditor(TRecordLayout::daily(), setup(), parent) {
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez01"), kHead, {3, 1, 2, 2}));
    body()->addWidget(builder().slotGrid(QStringLiteral("shpSez02"), kSlotColumns), 1);
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez03"), kNotes));
    FormKit::hiddenLabel(this, QStringLiteral("lblFile"));
    builder().dateBox(QStringLiteral("Data"), QStringLiteral("impData"),
                      [this] { return impDataClick(); });

    std::vector<std::pair<QString, QString>> hints = {
        {"impNome", "Importa un turno predefinito dall'archivio degli orari."},
        {"impData", "Importa una data dal calendario."},
        {"txtData", "Premi un tasto qualsiasi per importare una data dal calendario."},
    };
    for (int slot = 1; slot <= kSlots; ++slot)
        hints.emplace_back("impLavoratore" + slotSuffix(slot),
                           "Importa un turnista dall'archivio anagrafico dei lavoratori.");
    finishForm(hints);

    Routes::addDateBox(RoutingTag::kTurni,
                       FormKit::child<QLineEdit>(this, QStringLiteral("txtData")));
    // A table chosen in the daily search comes back as the record on
    // screen; a template chosen in the timetable picker overwrites the
    // fields it has and leaves the date, workers, attachments and number.
    Routes::addRecordReceiver(ScreenName::kTrovaTurni, RoutingTag::kTurni, this,
                              [this](const TRecord& r, qint64 n) { showRecord(r, n); });
    Routes::addRecordReceiver(
        ScreenName::kTrovaOrari, RoutingTag::kTurni, this,
        [this](const TRecord& r, qint64) { importFields(r, importedFields()); });
    opensScreen<TfrmTrovaTurni>(this, QStringLiteral("btnTrova"), RoutingTag::kTurni);
    opensScreen<TfrmTrovaOrari>(this, QStringLiteral("impNome"), RoutingTag::kTurni);
    // Each slot's button picks a worker into that slot's workers box.
    for (int slot = 1; slot <= kSlots; ++slot) {
        const QString tag = RoutingTag::turniSlot(slot);
        auto* workers =
            FormKit::child<QLineEdit>(this, QStringLiteral("txtLavoratore") + slotSuffix(slot));
        Routes::addRecordReceiver(ScreenName::kTrovaIstruttori, tag, this,
                                  [workers](const TRecord& r, qint64) { addWorker(workers, r); });
        FormKit::onClick(this, QStringLiteral("impLavoratore") + slotSuffix(slot), [this, tag] {
            TfrmTrovaIstruttori picker(this);
            openWithTag(picker, tag);
        });
    }
    opensScreen<TfrmStampaTurno>(this, QStringLiteral("btnStampa"));
    opensScreen<TfrmAnteprimaTurno>(this, QStringLiteral("btnAnteprima"));
    opensScreen<TfrmExpTurni>(this, QStringLiteral("btnEsporta"));
    ShiftEditors::opensHours(this, RoutingTag::kTurni);
    ShiftEditors::reserveWarningLine(*this);
}

QString TfrmTurni::archivePath() const {
    return vtext::trimmed(FormKit::child<QLabel>(this, QStringLiteral("lblFile"))->text());
}

bool TfrmTurni::impDataClick() {
    TfrmCalendario picker(this);
    return openWithTag(picker, RoutingTag::kTurni);
}

void TfrmTurni::afterSave(const TRecord&, qint64 number) {
    ShiftEditors::warnOfDoubleBookings(*this, number);
}
