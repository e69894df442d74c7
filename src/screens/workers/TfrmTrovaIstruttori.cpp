#include "TfrmTrovaIstruttori.h"

#include "domain/ArchiveKinds.h"
#include "domain/Environment.h"
#include "screens/common/ScreenNames.h"

static QString workerArchive() {
    return ProgramFolder::path() + kWorkersFile;
}

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaIstruttori, QStringLiteral(" Trova lavoratori in archivio"),
                    workerSearch(), QStringLiteral("Riepilogo lavoratori in archivio"),
                    workerArchive, 2},
                   parent) {}
