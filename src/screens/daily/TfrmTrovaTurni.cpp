#include "TfrmTrovaTurni.h"

#include "screens/common/RecordEditor.h"
#include "screens/common/ScreenNames.h"

// The archive of the year chosen for the daily editor (its lblFile).
static QString dailyArchive() {
    return RecordEditor::archivePathOf(ScreenName::kTurni);
}

TfrmTrovaTurni::TfrmTrovaTurni(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaTurni, QStringLiteral(" Trova turni di lavoro in archivio"),
                    dailySearch(), QStringLiteral("Riepilogo turni di lavoro"), dailyArchive},
                   parent) {}
