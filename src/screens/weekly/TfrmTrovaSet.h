#pragma once
// The weekly search: finds weekly tables in the year's archive and loads a
// chosen one into the weekly editor.

#include "screens/common/SearchScreen.h"

class TfrmTrovaSet : public SearchScreen {
    Q_OBJECT
  public:
    explicit TfrmTrovaSet(QWidget* parent = nullptr);
};
