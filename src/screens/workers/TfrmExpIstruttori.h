#pragma once
// The workers of Dipendenti.pro, exported to Personale_Interno.xls.

#include "screens/common/ExportScreen.h"

class TfrmExpIstruttori : public ExportScreen {
    Q_OBJECT
  public:
    explicit TfrmExpIstruttori(QWidget* opener = nullptr, ExportSource source = {});
};
