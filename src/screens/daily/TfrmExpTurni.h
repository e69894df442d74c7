#pragma once
// The daily shift tables of the editor's year, exported to Turni_Lavoro.xls.

#include "screens/common/ExportScreen.h"

class TfrmExpTurni : public ExportScreen {
    Q_OBJECT
  public:
    explicit TfrmExpTurni(QWidget* opener = nullptr, ExportSource source = {});
};
