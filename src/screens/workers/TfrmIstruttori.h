#pragma once
// The worker editor: the registry of workers, their contacts, payment data
// and contracts, kept in Dipendenti.pro.

#include "screens/common/RecordEditor.h"

class TfrmIstruttori : public RecordEditor {
    Q_OBJECT
  public:
    explicit TfrmIstruttori(QWidget* parent = nullptr);

    QString archivePath() const override;
    // Opens a new mail to the address in txtEmail.
    void btnEmailClick();

  protected:
    // Today's date in both contract dates, no days of notice, zero amounts.
    void newRecordDefaults() override;
    // The contract dates must be real days in order, and the days of notice
    // given.
    bool checkBeforeSave() override;
};
