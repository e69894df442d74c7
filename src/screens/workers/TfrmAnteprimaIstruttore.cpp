#include "TfrmAnteprimaIstruttore.h"

#include "reports/WorkerCard.h"
#include "screens/common/ScreenNames.h"

TfrmAnteprimaIstruttore::TfrmAnteprimaIstruttore(QWidget* editor)
    : SheetScreen(editor, report::WorkerCard::design(), Output::Preview,
                  ScreenName::kAnteprimaIstruttore) {}
