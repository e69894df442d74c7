#pragma once
// The daily sheet's print screen: a small dialog created by the daily
// editor for one use. "Stampa" fills its own copy of the sheet template from
// the editor's fields as they are on screen and prints it; "Annulla" closes
// without output. The preview screen is the same dialog with another output.

#include "reports/Report.h"

#include <QDialog>

class TfrmStampaTurno : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmStampaTurno(QWidget* parent = nullptr);

    void btnStampaClick();
    void btnAnnullaClick() { reject(); }

  protected:
    enum class Output { Print, Preview };
    struct Look {
        const char* objectName;
        const char* caption;
        const char* actionText;
        const char* picture; // freedesktop icon name
    };
    TfrmStampaTurno(QWidget* parent, Output output, const Look& look);

  private:
    Output output_;
    report::Report sheet_;
};
