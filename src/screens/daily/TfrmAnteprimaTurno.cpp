#include "TfrmAnteprimaTurno.h"

TfrmAnteprimaTurno::TfrmAnteprimaTurno(QWidget* parent)
    : TfrmStampaTurno(parent, Output::Preview,
                      {"TfrmAnteprimaTurno", " Anteprima di stampa", "Mostra anteprima",
                       "document-print-preview"}) {}
