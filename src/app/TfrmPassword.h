#pragma once
// The login screen: the first window of the program and its main one. Only
// the password kept in the store beside the program leads on to the start
// menu; from here the user can also change that password or leave.

#include <QDateTime>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// After this many wrong passwords in a row the login screen makes the user
// wait before the next try: 1 second, then twice as long after each further
// wrong one, never more than the longest pause.
inline constexpr int kFreeTries = 3;
inline constexpr int kLongestPause = 30;
// The seconds of waiting after `wrongInARow` wrong passwords; 0 for none.
int loginPauseSeconds(int wrongInARow);

class TfrmPassword : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    // Checks the typed password against the store. A wrong one empties the
    // box; from the third in a row on, the box also stays disabled for a
    // pause (loginPauseSeconds), with a line under it that counts down.
    void cmdOKClick();
    // The pause's timer: the count on the line, or the box enabled again
    // with the focus in it once the program's clock is past the pause.
    void tmrAttesaTimer();
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
    QLabel* lblAttesa_;
    QTimer* tmrAttesa_;
    int wrongInARow_ = 0;
    QDateTime pauseEnd_;
};

// The stored password as both password screens read it: the store's value,
// then its unscrambled form, pass through `scratch` (the screen's
// lblMemory), and the result is trimmed. Throws on a store that cannot be
// read or a value that is not hexadecimal.
QString readStoredPassword(QLabel* scratch);
