#pragma once
// The date picker: a month calendar from which the user imports one day
// into the date box of the editor named by the routing tag in lblMemory.

#include <QDialog>

class QCalendarWidget;
class QLabel;

class TfrmCalendario : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    void btnImportaDataClick();
    void btnAnnullaClick() { close(); }

  private:
    QCalendarWidget* calAppuntamenti_;
    QLabel* lblMemory_;
};
