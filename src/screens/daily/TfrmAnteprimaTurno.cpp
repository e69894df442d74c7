#include "TfrmAnteprimaTurno.h"

#include "reports/DailySheet.h"
#include "screens/common/ScreenNames.h"

TfrmAnteprimaTurno::TfrmAnteprimaTurno(QWidget* editor)
    : SheetScreen(editor, report::DailySheet::design(), Output::Preview,
                  ScreenName::kAnteprimaTurno) {}
