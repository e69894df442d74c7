#pragma once
// The login screen: the first window of the program and its main one. Only
// the password kept in the store beside the program leads on to the start
// menu; from here the user can also change that password or leave.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmPassword : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    // Checks the typed password against the store.
    void cmdOKClick();
    void cmdEsciClick() { close(); }
    void btnCambiaPasswordClick();

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing the main window ends the program.
    void closeEvent(QCloseEvent* event) override;

  private:
    void txtPasswordChange();
    void txtPasswordReturn();

    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
    QLabel* lblMemory_;
};

// The stored password as both password screens read it: the store's value,
// then its unscrambled form, pass through `scratch` (the screen's
// lblMemory), and the result is trimmed. Throws on a store that cannot be
// read or a value that is not hexadecimal.
QString readStoredPassword(QLabel* scratch);
