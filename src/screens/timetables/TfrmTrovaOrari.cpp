#include "TfrmTrovaOrari.h"

#include "domain/Environment.h"
#include "screens/common/ScreenNames.h"

namespace {

QString timetableArchive() {
    return ProgramFolder::path() + QStringLiteral("Orari.pro");
}

// Only the activities of the first five slots can be searched.
const SearchScreen::Spec& spec() {
    static const SearchScreen::Spec s = {
        ScreenName::kTrovaOrari,
        QStringLiteral(" Trova orari di lavoro in archivio"),
        timetableSearch(),
        {{"Nome tabella turni:", "Nome"},
         {"Periodo validità:", "Periodo"},
         {"Sede operativa:", "Sede"},
         {"Disposizioni organizzative:", "Disposizioni"},
         {"Attività da svolgere 1:", "Attivita01"},
         {"Attività da svolgere 2:", "Attivita02"},
         {"Attività da svolgere 3:", "Attivita03"},
         {"Attività da svolgere 4:", "Attivita04"},
         {"Attività da svolgere 5:", "Attivita05"},
         {"Annotazioni:", "Annotazioni"}},
        QStringLiteral("Riepilogo orari di lavoro"),
        timetableArchive,
    };
    return s;
}

} // namespace

TfrmTrovaOrari::TfrmTrovaOrari(QWidget* parent) : SearchScreen(spec(), parent) {}
