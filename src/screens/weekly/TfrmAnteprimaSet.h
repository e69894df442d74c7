#pragma once
// Shows in the preview the weekly sheet of the editor it is created by.

#include "screens/common/SheetScreen.h"

class TfrmAnteprimaSet : public SheetScreen {
    Q_OBJECT
  public:
    explicit TfrmAnteprimaSet(QWidget* editor = nullptr);
};
