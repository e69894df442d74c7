#pragma once
// The search of the daily shift tables, in the year the daily editor is on.

#include "screens/common/SearchScreen.h"

class TfrmTrovaTurni : public SearchScreen {
    Q_OBJECT
  public:
    explicit TfrmTrovaTurni(QWidget* parent = nullptr);
};
