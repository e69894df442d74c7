#include "TfrmPassword.h"

#include "Crypt.h"
#include "PasswordWindow.h"
#include "archive/Text.h"
#include "domain/Environment.h"
#include "screens/common/FormKit.h"
#include "screens/common/Platform.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                   "password. Si consiglia di reinstallare il software.");

// The line under the box while it waits.
QString pauseText(int seconds) {
    return seconds == 1
               ? QStringLiteral("Troppi tentativi errati: riprovare tra 1 secondo.")
               : QStringLiteral("Troppi tentativi errati: riprovare tra %1 secondi.").arg(seconds);
}

} // namespace

int loginPauseSeconds(int wrongInARow) {
    if (wrongInARow < kFreeTries) return 0;
    const int doublings = std::min(wrongInARow - kFreeTries, 5); // 2^5 is past the longest
    return std::min(1 << doublings, kLongestPause);
}

QString readStoredPassword(QLabel* scratch) {
    scratch->setText(PasswordStore::readValue());
    scratch->setText(Crypt::UnscrambleFromHex(scratch->text()));
    return vtext::trimmed(scratch->text());
}

TfrmPassword::TfrmPassword(QWidget* parent) : QWidget(parent) {
    setObjectName(ScreenName::kPassword);
    auto [page, body] = passwordWindow(this, QStringLiteral(" Velmora - Accesso"));

    auto* entry = new QVBoxLayout;
    entry->setSpacing(6);
    QLabel* title = passwordTitle(this, QStringLiteral("Velmora"));
    entry->addWidget(title);
    entry->addWidget(FormKit::label(this, QStringLiteral("lblRigo05"),
                                    QStringLiteral("Immetti la password e premi OK.")));
    txtPassword_ = FormKit::edit(this, QStringLiteral("txtPassword"), 32767);
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setMinimumWidth(280);
    entry->addWidget(FormKit::withHighlight(txtPassword_, QStringLiteral("effPassword")));
    // Its room is kept while it is hidden, for its longest text, so the
    // window keeps its size when it shows.
    lblAttesa_ = FormKit::label(this, QStringLiteral("lblAttesa"), pauseText(kLongestPause));
    lblAttesa_->setStyleSheet(QStringLiteral("color: #9c1c1c;"));
    QSizePolicy keepRoom = lblAttesa_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    lblAttesa_->setSizePolicy(keepRoom);
    lblAttesa_->hide();
    entry->addWidget(lblAttesa_);
    body->addLayout(entry);
    page->addLayout(body);

    auto* buttons = new QHBoxLayout;
    QPushButton* change =
        commandButton(this, QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"));
    buttons->addWidget(change);
    buttons->addStretch();
    cmdOK_ = commandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK_->setEnabled(false);
    buttons->addWidget(cmdOK_);
    QPushButton* esci = commandButton(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"));
    buttons->addWidget(esci);
    page->addLayout(buttons);

    lblMemory_ = FormKit::hiddenLabel(this, QStringLiteral("lblMemory"));
    lblMemory_->setTextFormat(Qt::PlainText);

    // Wakes the screen when the count on the waiting line drops and when
    // the pause is over; the program's clock tells how long is left.
    tmrAttesa_ = new QTimer(this);
    tmrAttesa_->setObjectName(QStringLiteral("tmrAttesa"));
    tmrAttesa_->setSingleShot(true);
    connect(tmrAttesa_, &QTimer::timeout, this, [this] { tmrAttesaTimer(); });

    setTabOrder(txtPassword_, cmdOK_);
    setTabOrder(cmdOK_, esci);
    setTabOrder(esci, change);

    // The button follows the text as it is typed and when the program
    // empties the box.
    connect(txtPassword_, &QLineEdit::textChanged, this, [this] { txtPasswordChange(); });
    connect(txtPassword_, &QLineEdit::returnPressed, this, [this] { txtPasswordReturn(); });
    FormKit::onClick(this, QStringLiteral("cmdOK"), [this] { cmdOKClick(); });
    FormKit::onClick(this, QStringLiteral("cmdEsci"), [this] { cmdEsciClick(); });
    FormKit::onClick(this, QStringLiteral("btnCambiaPassword"),
                     [this] { btnCambiaPasswordClick(); });

    FormKit::centreOnScreen(this);
}

void TfrmPassword::txtPasswordChange() {
    cmdOK_->setEnabled(!vtext::trimmed(txtPassword_->text()).isEmpty());
}

void TfrmPassword::txtPasswordReturn() {
    if (!vtext::trimmed(txtPassword_->text()).isEmpty()) cmdOKClick();
}

void TfrmPassword::cmdOKClick() {
    QString stored;
    try {
        stored = readStoredPassword(lblMemory_);
    } catch (const std::exception&) {
        Platform::messages().plain(this, kReadError);
        return;
    }
    // A missing store reads as an empty password, which nothing typed matches.
    const QString typed = Crypt::storedForm(txtPassword_->text());
    if (!typed.isEmpty() && typed == stored) {
        wrongInARow_ = 0;
        Screens::handOver(this, ScreenName::kAvvio);
        return;
    }
    Platform::messages().plain(this, kWrongPassword);
    txtPassword_->clear();
    txtPassword_->setFocus(Qt::OtherFocusReason);
    // Guessing is slowed down: the pause runs from when the message is read.
    const int pause = loginPauseSeconds(++wrongInARow_);
    if (pause == 0) return;
    pauseEnd_ = Clock::current().now().addSecs(pause);
    // The focus waits on the window itself: a disabled box would hand it on
    // to the next button, and an Enter meant for the message box would then
    // press Esci.
    setFocus(Qt::OtherFocusReason);
    txtPassword_->setEnabled(false);
    lblAttesa_->show();
    tmrAttesaTimer();
}

void TfrmPassword::tmrAttesaTimer() {
    if (!pauseEnd_.isValid()) return; // no pause running
    const qint64 left = Clock::current().now().msecsTo(pauseEnd_);
    if (left <= 0) {
        pauseEnd_ = QDateTime();
        tmrAttesa_->stop();
        lblAttesa_->hide();
        txtPassword_->setEnabled(true);
        txtPassword_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const qint64 seconds = (left + 999) / 1000;
    lblAttesa_->setText(pauseText(static_cast<int>(seconds)));
    // Again when the count drops by one, or the pause ends.
    tmrAttesa_->start(static_cast<int>(left - (seconds - 1) * 1000));
}

void TfrmPassword::btnCambiaPasswordClick() {
    Screens::handOver(this, ScreenName::kCambiaPassword);
}

void TfrmPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    // The box keeps whatever it holds; only the focus goes back into it.
    txtPasswordChange();
    txtPassword_->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void TfrmPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}
