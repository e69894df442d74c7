#pragma once
// The change-password screen, reached from the login screen and handing
// back to it when it closes. The new password replaces the scrambled value
// in the store beside the program.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

    // Checks the old password and the confirmation, then stores the new one.
    void cmdOKClick();
    void cmdEsciClick() { close(); }

  protected:
    // Starts with three empty fields.
    void showEvent(QShowEvent* event) override;
    // Goes back to the login screen with its box emptied.
    void closeEvent(QCloseEvent* event) override;

  private:
    bool allFilled() const;
    // Refuses the new password: both new fields emptied, focus on the first.
    void askNewPasswordAgain(const QString& message);

    QLineEdit* txtPasswordOld_;
    QLineEdit* txtPasswordNew_;
    QLineEdit* txtConferma_;
    QPushButton* cmdOK_;
    QLabel* lblMemory_;
};
