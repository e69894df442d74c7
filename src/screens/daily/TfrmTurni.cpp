#include "TfrmTurni.h"

#include "TfrmAnteprimaTurno.h"
#include "TfrmExpTurni.h"
#include "TfrmStampaTurno.h"
#include "TfrmTrovaTurni.h"
#include "archive/Text.h"
#include "domain/ArchiveKinds.h"
#include "screens/common/FormKit.h"
#include "screens/common/Opens.h"
#include "screens/common/Routes.h"
#include "screens/common/ScreenNames.h"
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
QStringList importedFields() {
    QStringList f = {"Nome", "Periodo", "Sede", "Disposizioni", "Annotazioni"};
    for (int slot = 1; slot <= kSlots; ++slot)
        for (const char* stem : {"Inizio", "Fine", "Attivita"})
            f << stem + slotSuffix(slot);
    return f;
}

// A picked worker joins the names already in the slot ("Cognome Nome",
// after ", "); a box of blanks counts as empty.
void addWorker(QLineEdit* workers, const TRecord& worker) {
    const QString name =
        vtext::trimmed(worker.text(u"Cognome")) + u' ' + vtext::trimmed(worker.text(u"Nome"));
    const QString already = vtext::trimmed(workers->text());
    workers->setText(already.isEmpty() ? name : already + QStringLiteral(", ") + name);
}

RecordEditor::Setup setup() {
    return {.name = ScreenName::kTurni,
            .mandatory = {{QStringLiteral("txtNome"), EditorTexts::kNameWarning},
                          {QStringLiteral("txtData"),
                           QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                          "la data a cui si riferiscono i turni di lavoro.")}},
            .firstField = QStringLiteral("txtNome")};
}

ShiftTableEditor::Shift shift() {
    return {ArchiveKindId::Daily,
            RoutingTag::kTurni,
            importedFields(),
            {{QStringLiteral("Data"), QStringLiteral("impData"), RoutingTag::kTurni}}};
}

} // namespace

TfrmTurni::TfrmTurni(QWidget* parent)
    : ShiftTableEditor(TRecordLayout::daily(), setup(), shift(), parent) {
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez01"), kHead, {3, 1, 2, 2}));
    body()->addWidget(builder().slotGrid(QStringLiteral("shpSez02"), kSlotColumns), 1);
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez03"), kNotes));
    std::vector<std::pair<QString, QString>> hints;
    for (int slot = 1; slot <= kSlots; ++slot)
        hints.emplace_back("impLavoratore" + slotSuffix(slot),
                           "Importa un turnista dall'archivio anagrafico dei lavoratori.");
    finishShiftForm(hints);

    opensSearch<TfrmTrovaTurni>(this, QStringLiteral("btnTrova"), ScreenName::kTrovaTurni,
                                RoutingTag::kTurni);
    // Each slot's button picks a worker into that slot's workers box.
    for (int slot = 1; slot <= kSlots; ++slot) {
        const QString tag = RoutingTag::turniSlot(slot);
        auto* workers =
            FormKit::child<QLineEdit>(this, QStringLiteral("txtLavoratore") + slotSuffix(slot));
        Routes::addRecordReceiver(ScreenName::kTrovaIstruttori, tag, this,
                                  [workers](const TRecord& r, qint64) { addWorker(workers, r); });
        opensScreen<TfrmTrovaIstruttori>(this, QStringLiteral("impLavoratore") + slotSuffix(slot),
                                         tag);
    }
    opensScreen<TfrmStampaTurno>(this, QStringLiteral("btnStampa"));
    opensScreen<TfrmAnteprimaTurno>(this, QStringLiteral("btnAnteprima"));
    opensExport<TfrmExpTurni>(this, QStringLiteral("btnEsporta"), ArchiveKindId::Daily);
}
