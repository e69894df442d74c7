#include "TfrmStampaTurno.h"

#include "reports/DailySheet.h"
#include "screens/common/ScreenNames.h"

TfrmStampaTurno::TfrmStampaTurno(QWidget* editor)
    : SheetScreen(editor, report::DailySheet::design(), Output::Print, ScreenName::kStampaTurno) {}
