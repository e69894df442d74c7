#pragma once
// Prints the daily sheet of the editor it is created by.

#include "screens/common/SheetScreen.h"

class TfrmStampaTurno : public SheetScreen {
    Q_OBJECT
  public:
    explicit TfrmStampaTurno(QWidget* editor = nullptr);
};
