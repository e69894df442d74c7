#include "TfrmTrovaOrari.h"

#include "domain/ArchiveKinds.h"
#include "screens/common/ScreenNames.h"

TfrmTrovaOrari::TfrmTrovaOrari(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaOrari, QStringLiteral(" Trova orari di lavoro in archivio"),
                    timetableSearch(), QStringLiteral("Riepilogo orari di lavoro"),
                    [] { return archivePath(ArchiveKindId::Timetables); }},
                   parent) {}
