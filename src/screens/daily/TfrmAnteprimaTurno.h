#pragma once
// The daily sheet's preview screen: "Mostra anteprima" shows the same page
// the print screen prints, in the preview window.

#include "TfrmStampaTurno.h"

class TfrmAnteprimaTurno : public TfrmStampaTurno {
    Q_OBJECT
  public:
    explicit TfrmAnteprimaTurno(QWidget* parent = nullptr);
};
