#pragma once
// The search of the timetable templates, which also picks a template for
// the shift editors to import.

#include "screens/common/SearchScreen.h"

class TfrmTrovaOrari : public SearchScreen {
    Q_OBJECT
  public:
    explicit TfrmTrovaOrari(QWidget* parent = nullptr);
};
