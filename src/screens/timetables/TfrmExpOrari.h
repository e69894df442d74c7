#pragma once
// The timetable templates of Orari.pro, exported to Orari_Lavoro.xls.

#include "screens/common/ExportScreen.h"

class TfrmExpOrari : public ExportScreen {
    Q_OBJECT
  public:
    explicit TfrmExpOrari(QWidget* opener = nullptr, ExportSource source = {});
};
