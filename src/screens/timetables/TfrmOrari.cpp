#include "TfrmOrari.h"

#include "TfrmExpOrari.h"
#include "TfrmStampaOrario.h"
#include "TfrmTrovaOrari.h"
#include "screens/common/FormKit.h"
#include "screens/common/Opens.h"

#include "domain/ArchiveKinds.h"
#include "screens/common/ScreenNames.h"

namespace {

const FieldCell kHead[] = {
    {"lblCampo001", "Nome tabella turni:", "Nome", 0, 0},
    {"lblCampo002", "Periodo validità:", "Periodo", 0, 1},
    {"lblCampo003", "Sede operativa:", "Sede", 0, 2},
    {"lblCampo004", "Disposizioni organizzative:", "Disposizioni", 1, 0, 3},
};

const SlotColumn kSlotColumns[] = {
    {"lblCampo006", "DALLE ORE:", "Inizio"},
    {"lblCampo007", "ALLE ORE:", "Fine"},
    {"lblCampo008", "ATTIVITA' DA SVOLGERE:", "Attivita", true},
};

const FieldCell kNotes[] = {
    {"lblCampo005", "Annotazioni:", "Annotazioni", 0, 0, 1, nullptr, nullptr, false, true},
};

const RecordEditor::Setup& setup() {
    static const RecordEditor::Setup s = [] {
        RecordEditor::Setup table = {
            ScreenName::kOrari,
            QStringLiteral(" Velmora - Impostazione Orari"),
            {{QStringLiteral("txtNome"), EditorTexts::kNameWarning}},
            QStringLiteral("txtNome"),
            {QStringLiteral("btnAnteprima")},
        };
        table.attachmentTag = RoutingTag::kOrari;
        table.help = archiveKind(ArchiveKindId::Timetables).help;
        return table;
    }();
    return s;
}

} // namespace

TfrmOrari::TfrmOrari(QWidget* parent) : RecordEditor(TRecordLayout::timetables(), setup(), parent) {
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez01"), kHead, {3, 2, 2}));
    body()->addWidget(builder().slotGrid(QStringLiteral("shpSez02"), kSlotColumns), 1);
    body()->addWidget(builder().fieldGrid(QStringLiteral("shpSez03"), kNotes));
    finishForm({});
    opensSearch<TfrmTrovaOrari>(this, QStringLiteral("btnTrova"), ScreenName::kTrovaOrari,
                                RoutingTag::kOrari);
    opensScreen<TfrmStampaOrario>(this, QStringLiteral("btnStampa"));
    opensExport<TfrmExpOrari>(this, QStringLiteral("btnEsporta"), ArchiveKindId::Timetables);
}

QString TfrmOrari::archivePath() const {
    return ::archivePath(ArchiveKindId::Timetables);
}
