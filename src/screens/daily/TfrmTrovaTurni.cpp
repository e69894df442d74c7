#include "TfrmTrovaTurni.h"

#include "screens/common/RecordEditor.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"

// The archive of the year chosen for the daily editor (its lblFile).
static QString dailyArchive() {
    const RecordEditor* editor = Screens::get<RecordEditor>(ScreenName::kTurni);
    return editor ? editor->archivePath() : QString();
}

TfrmTrovaTurni::TfrmTrovaTurni(QWidget* parent)
    : SearchScreen({ScreenName::kTrovaTurni, QStringLiteral(" Trova turni di lavoro in archivio"),
                    dailySearch(), QStringLiteral("Riepilogo turni di lavoro"), dailyArchive},
                   parent) {}
