#pragma once
// The four identifier checks: a small fixed-size dialog with a heading, one
// box with its typing rule, "Controlla" and "Chiudi". "Controlla" runs the
// check routine on the box and shows its message; the dialog then closes,
// unless the value could not be checked. Nothing is written anywhere.

#include "screens/common/Platform.h"

#include <QDialog>

class QLineEdit;

class CheckDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { FiscalCode, VatNumber, Iban, PaymentCard };
    CheckDialog(Kind kind, QWidget* parent);

    // The box the caller puts the value into.
    QLineEdit* box() const { return box_; }

    void btnControllaClick();
    void btnChiudiClick() { close(); }

  protected:
    // The focus starts in the box.
    void showEvent(QShowEvent* event) override;

  private:
    Kind kind_;
    QLineEdit* box_;
};

template <CheckDialog::Kind K> class CheckScreen : public CheckDialog {
  public:
    explicit CheckScreen(QWidget* parent = nullptr) : CheckDialog(K, parent) {}
};

using TfrmCodFisc = CheckScreen<CheckDialog::Kind::FiscalCode>;
using TfrmPartitaIva = CheckScreen<CheckDialog::Kind::VatNumber>;
using TfrmIban = CheckScreen<CheckDialog::Kind::Iban>;
using TfrmCarta = CheckScreen<CheckDialog::Kind::PaymentCard>;

// Creates the check, puts `value` into its box, shows it modally and
// destroys it.
template <class Check> void showCheck(QWidget* parent, const QString& value) {
    Check check(parent);
    check.box()->setText(value);
    showModal(check);
}
