#pragma once
// The date picker: a month calendar from which the user imports one day
// into the date box that registered the routing tag written in lblMemory.

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QLineEdit;

class TfrmCalendario : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    void btnImportaDataClick();
    void btnAnnullaClick() { close(); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The box the routing tag names, or nullptr.
    QLineEdit* receivingBox() const;

    QCalendarWidget* calAppuntamenti_;
    QLabel* lblMemory_;
};
