#include "TfrmTrovaOrari.h"

#include "domain/Environment.h"
#include "screens/common/ScreenNames.h"

static QString timetableArchive() {
    return ProgramFolder::path() + QStringLiteral("Orari.pro");
}

TfrmTrovaOrari::TfrmTrovaOrari(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaOrari, QStringLiteral(" Trova orari di lavoro in archivio"),
                    timetableSearch(), QStringLiteral("Riepilogo orari di lavoro"),
                    timetableArchive},
                   parent) {}
