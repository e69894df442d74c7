#pragma once
// Shows the daily sheet of the editor it is created by in the preview
// window: the same page the print screen prints.

#include "screens/common/SheetScreen.h"

class TfrmAnteprimaTurno : public SheetScreen {
    Q_OBJECT
  public:
    explicit TfrmAnteprimaTurno(QWidget* editor = nullptr);
};
