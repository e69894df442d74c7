#pragma once
// Prints the timetable sheet of the editor it is created by.

#include "screens/common/SheetScreen.h"

class TfrmStampaOrario : public SheetScreen {
    Q_OBJECT
  public:
    explicit TfrmStampaOrario(QWidget* editor = nullptr);
};
