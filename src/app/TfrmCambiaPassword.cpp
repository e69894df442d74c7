#include "TfrmCambiaPassword.h"

#include "Crypt.h"
#include "PasswordWindow.h"
#include "TfrmPassword.h"
#include "archive/Text.h"
#include "screens/common/FormKit.h"
#include "screens/common/Platform.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                   "necessario reinserire entrambi i valori.");
const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                   "password. Si consiglia di reinstallare il software.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
// A password the scrambler could not keep whole would never match again.
const QString kForeignCharacters = QStringLiteral(
    "Attenzione: la nuova password contiene caratteri non ammessi, come il simbolo dell'euro, "
    "le virgolette tipografiche o le lettere di alfabeti diversi da quello latino. E' necessario "
    "reinserire entrambi i valori.");
const QString kTooLong =
    QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri. E' necessario "
                   "reinserire entrambi i valori.");

struct Field {
    QString label;
    QString labelText;
    QString stem; // txt<stem> and its highlight eff<stem>
};

const Field kFields[] = {
    {"lblPasswordOld", "Vecchia password:", "PasswordOld"},
    {"lblPasswordNew", "Nuova password:", "PasswordNew"},
    {"lblConferma", "Conferma nuova password:", "Conferma"},
};

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : QWidget(parent) {
    setObjectName(ScreenName::kCambiaPassword);
    auto [page, body] = passwordWindow(this, QStringLiteral(" Cambia password"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    QLabel* title = passwordTitle(this, QStringLiteral("Cambia password"));
    grid->addWidget(title, 0, 0, 1, 2);
    int row = 1;
    for (const Field& f : kFields) {
        grid->addWidget(FormKit::label(this, f.label, f.labelText), row, 0);
        QLineEdit* box = FormKit::edit(this, "txt" + f.stem, 32767);
        box->setEchoMode(QLineEdit::Password);
        box->setMinimumWidth(240);
        grid->addWidget(FormKit::withHighlight(box, "eff" + f.stem), row++, 1);
        // OK follows the three fields as they are typed and emptied.
        connect(box, &QLineEdit::textChanged, this, [this] { cmdOK_->setEnabled(allFilled()); });
    }
    body->addLayout(grid);
    page->addLayout(body);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOK_ = commandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK_->setEnabled(false);
    buttons->addWidget(cmdOK_);
    QPushButton* chiudi = commandButton(this, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"));
    buttons->addWidget(chiudi);
    page->addLayout(buttons);

    lblMemory_ = FormKit::hiddenLabel(this, QStringLiteral("lblMemory"));
    lblMemory_->setTextFormat(Qt::PlainText);

    txtPasswordOld_ = FormKit::child<QLineEdit>(this, QStringLiteral("txtPasswordOld"));
    txtPasswordNew_ = FormKit::child<QLineEdit>(this, QStringLiteral("txtPasswordNew"));
    txtConferma_ = FormKit::child<QLineEdit>(this, QStringLiteral("txtConferma"));
    setTabOrder(txtPasswordOld_, txtPasswordNew_);
    setTabOrder(txtPasswordNew_, txtConferma_);
    setTabOrder(txtConferma_, cmdOK_);
    setTabOrder(cmdOK_, chiudi);

    // Enter only walks the three fields, round and round; it never stores.
    FormKit::enterChain(this, {QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew"),
                               QStringLiteral("txtConferma")});
    FormKit::onClick(this, QStringLiteral("cmdOK"), [this] { cmdOKClick(); });
    FormKit::onClick(this, QStringLiteral("cmdEsci"), [this] { cmdEsciClick(); });
    // Esc leaves, as it does every other screen that comes and goes over
    // the one below.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] { cmdEsciClick(); });

    FormKit::centreOnScreen(this);
}

bool TfrmCambiaPassword::allFilled() const {
    for (const QLineEdit* box : {txtPasswordOld_, txtPasswordNew_, txtConferma_})
        if (vtext::trimmed(box->text()).isEmpty()) return false;
    return true;
}

void TfrmCambiaPassword::askNewPasswordAgain(const QString& message) {
    Platform::messages().plain(this, message);
    txtPasswordNew_->clear();
    txtConferma_->clear();
    txtPasswordNew_->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::cmdOKClick() {
    if (!allFilled()) return; // as the disabled button: nothing to store

    QString stored;
    try {
        stored = readStoredPassword(lblMemory_);
    } catch (const std::exception&) {
        Platform::messages().plain(this, kChangeError);
        return;
    }
    // A missing store reads as an empty password, which no old one matches.
    if (Crypt::storedForm(txtPasswordOld_->text()) != stored) {
        Platform::messages().plain(this, kOldWrong);
        txtPasswordOld_->clear();
        txtPasswordOld_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Compared before upper-casing: the user typed two different things.
    if (vtext::trimmed(txtPasswordNew_->text()) != vtext::trimmed(txtConferma_->text())) {
        askNewPasswordAgain(kNotConfirmed);
        return;
    }
    const QString password = Crypt::storedForm(txtPasswordNew_->text());
    if (!Crypt::keepsEveryCharacter(password)) {
        askNewPasswordAgain(kForeignCharacters);
        return;
    }
    if (password.size() > Crypt::kMaxPlainLength) {
        askNewPasswordAgain(kTooLong);
        return;
    }

    lblMemory_->setText(Crypt::ScrambleToHex(password));
    try {
        PasswordStore::writeValue(vtext::trimmed(lblMemory_->text()));
    } catch (const std::exception&) {
        // The store keeps the previous password; the fields stay as typed.
        Platform::messages().plain(this, kChangeError);
        return;
    }
    Platform::messages().plain(this, kDone);
    close();
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    for (QLineEdit* box : {txtPasswordOld_, txtPasswordNew_, txtConferma_})
        box->clear();
    lblMemory_->clear();
    txtPasswordOld_->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    lblMemory_->clear();
    QWidget* login = Screens::find(ScreenName::kPassword);
    if (!login) return;
    FormKit::child<QLineEdit>(login, QStringLiteral("txtPassword"))->clear();
    FormKit::child<QLabel>(login, QStringLiteral("lblMemory"))->clear();
    Screens::handOver(this, ScreenName::kPassword);
    FormKit::child<QLineEdit>(login, QStringLiteral("txtPassword"))->setFocus(Qt::OtherFocusReason);
}
