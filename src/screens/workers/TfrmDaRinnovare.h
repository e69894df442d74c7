#pragma once
// The contracts due for renewal: every worker of Dipendenti.pro whose
// contract is within its notice or has expired, listed as soon as the screen
// shows; a chosen worker goes back to the worker editor.

#include "screens/common/SearchScreen.h"

class TfrmDaRinnovare : public SearchScreen {
    Q_OBJECT
  public:
    explicit TfrmDaRinnovare(QWidget* parent = nullptr);
};
