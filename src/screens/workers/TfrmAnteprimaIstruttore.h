#pragma once
// Shows the card of the worker on the editor it is created by in the
// preview window: the same page the print screen prints.

#include "screens/common/SheetScreen.h"

class TfrmAnteprimaIstruttore : public SheetScreen {
    Q_OBJECT
  public:
    explicit TfrmAnteprimaIstruttore(QWidget* editor = nullptr);
};
