#include "TfrmStampaIstruttore.h"

#include "reports/WorkerCard.h"
#include "screens/common/ScreenNames.h"

TfrmStampaIstruttore::TfrmStampaIstruttore(QWidget* editor)
    : SheetScreen(editor, report::WorkerCard::design(), Output::Print,
                  ScreenName::kStampaIstruttore) {}
