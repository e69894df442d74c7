#pragma once
// The daily shift editor: one shift table per day of the year whose archive
// the year chooser wrote into lblFile.

#include "screens/shifts/ShiftTableEditor.h"

class TfrmTurni : public ShiftTableEditor {
    Q_OBJECT
  public:
    explicit TfrmTurni(QWidget* parent = nullptr);
};
