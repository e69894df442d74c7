#pragma once
// The weekly shift editor: one table a week, twelve slots by seven days, in
// the archive of the year the year chooser wrote into lblFile.

#include "screens/shifts/ShiftTableEditor.h"

class TfrmSettimanale : public ShiftTableEditor {
    Q_OBJECT
  public:
    explicit TfrmSettimanale(QWidget* parent = nullptr);
};
