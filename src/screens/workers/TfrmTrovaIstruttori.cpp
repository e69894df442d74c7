#include "TfrmTrovaIstruttori.h"

#include "domain/ArchiveKinds.h"
#include "screens/common/ScreenNames.h"

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaIstruttori, QStringLiteral(" Trova lavoratori in archivio"),
                    workerSearch(), QStringLiteral("Riepilogo lavoratori in archivio"),
                    [] { return archivePath(ArchiveKindId::Workers); }, 2},
                   parent) {}
