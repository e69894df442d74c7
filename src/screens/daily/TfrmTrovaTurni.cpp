#include "TfrmTrovaTurni.h"

#include "screens/common/RecordEditor.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"

namespace {

// The archive of the year chosen for the daily editor (its lblFile).
QString dailyArchive() {
    const RecordEditor* editor = Screens::get<RecordEditor>(ScreenName::kTurni);
    return editor ? editor->archivePath() : QString();
}

const SearchScreen::Spec& spec() {
    static const SearchScreen::Spec s = {
        ScreenName::kTrovaTurni,
        QStringLiteral(" Trova turni di lavoro in archivio"),
        dailySearch(),
        {{"Nome tabella turni:", "Nome"},
         {"Data:", "Data"},
         {"Sede operativa:", "Sede"},
         {"Disposizioni organizzative:", "Disposizioni"},
         {"Turnista 1:", "Lavoratore01"},
         {"Turnista 2:", "Lavoratore02"},
         {"Turnista 3:", "Lavoratore03"},
         {"Turnista 4:", "Lavoratore04"},
         {"Turnista 5:", "Lavoratore05"},
         {"Annotazioni:", "Annotazioni"}},
        QStringLiteral("Riepilogo turni di lavoro"),
        dailyArchive,
    };
    return s;
}

} // namespace

TfrmTrovaTurni::TfrmTrovaTurni(QWidget* parent) : SearchScreen(spec(), parent) {}
