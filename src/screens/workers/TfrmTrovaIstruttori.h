#pragma once
// The worker search: finds workers in Dipendenti.pro; a chosen worker goes
// back to the worker editor, or by name into a slot of the daily editor.

#include "screens/common/SearchScreen.h"

class TfrmTrovaIstruttori : public SearchScreen {
    Q_OBJECT
  public:
    explicit TfrmTrovaIstruttori(QWidget* parent = nullptr);
};
