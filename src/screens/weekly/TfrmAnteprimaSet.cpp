#include "TfrmAnteprimaSet.h"

#include "reports/WeeklySheet.h"
#include "screens/common/ScreenNames.h"

TfrmAnteprimaSet::TfrmAnteprimaSet(QWidget* editor)
    : SheetScreen(editor, report::WeeklySheet::design(), Output::Preview,
                  ScreenName::kAnteprimaSet) {}
