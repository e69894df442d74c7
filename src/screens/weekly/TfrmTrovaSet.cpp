#include "TfrmTrovaSet.h"

#include "screens/common/RecordEditor.h"
#include "screens/common/ScreenNames.h"

// The archive of the year chosen for the weekly editor (its lblFile).
static QString weeklyArchive() {
    return RecordEditor::archivePathOf(ScreenName::kSettimanale);
}

TfrmTrovaSet::TfrmTrovaSet(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaSet, QStringLiteral(" Trova turni di lavoro in archivio"),
                    weeklySearch(), QStringLiteral("Riepilogo turni di lavoro"), weeklyArchive},
                   parent) {}
