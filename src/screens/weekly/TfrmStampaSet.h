#pragma once
// Prints the weekly sheet of the editor it is created by.

#include "screens/common/SheetScreen.h"

class TfrmStampaSet : public SheetScreen {
    Q_OBJECT
  public:
    explicit TfrmStampaSet(QWidget* editor = nullptr);
};
