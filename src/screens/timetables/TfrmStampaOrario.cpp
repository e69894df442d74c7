#include "TfrmStampaOrario.h"

#include "reports/TimetableSheet.h"
#include "screens/common/ScreenNames.h"

TfrmStampaOrario::TfrmStampaOrario(QWidget* editor)
    : SheetScreen(editor, report::TimetableSheet::design(), Output::Print,
                  ScreenName::kStampaOrario) {}
