#include "TfrmStampaSet.h"

#include "reports/WeeklySheet.h"
#include "screens/common/ScreenNames.h"

TfrmStampaSet::TfrmStampaSet(QWidget* editor)
    : SheetScreen(editor, report::WeeklySheet::design(), Output::Print, ScreenName::kStampaSet) {}
