#include "TfrmTrovaSet.h"

#include "screens/common/RecordEditor.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"

// The archive of the year chosen for the weekly editor (its lblFile).
static QString weeklyArchive() {
    const RecordEditor* editor = Screens::get<RecordEditor>(ScreenName::kSettimanale);
    return editor ? editor->archivePath() : QString();
}

TfrmTrovaSet::TfrmTrovaSet(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaSet, QStringLiteral(" Trova turni di lavoro in archivio"),
                    weeklySearch(), QStringLiteral("Riepilogo turni di lavoro"), weeklyArchive},
                   parent) {}
