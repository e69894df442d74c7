#pragma once
// Prints the card of the worker on the editor it is created by.

#include "screens/common/SheetScreen.h"

class TfrmStampaIstruttore : public SheetScreen {
    Q_OBJECT
  public:
    explicit TfrmStampaIstruttore(QWidget* editor = nullptr);
};
