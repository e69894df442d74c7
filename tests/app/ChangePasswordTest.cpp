// The change-password screen: its steps in order, what each failure leaves
// behind, and the store it rewrites.
#include "PasswordFixture.h"

#include <QDir>
#include <QSettings>

namespace {

const QString kForeignCharacters = QStringLiteral(
    "Attenzione: la nuova password contiene caratteri non ammessi, come il simbolo dell'euro, "
    "le virgolette tipografiche o le lettere di alfabeti diversi da quello latino. E' necessario "
    "reinserire entrambi i valori.");
const QString kTooLong =
    QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri. E' necessario "
                   "reinserire entrambi i valori.");

class ChangePassword : public PasswordScreens {
  protected:
    QPushButton* ok() const { return on<QPushButton>(change, "cmdOK"); }
    void SetUp() override {
        PasswordScreens::SetUp();
        storePassword("PERGOLATOVERDE");
    }
};

TEST_F(ChangePassword, OpensEmptyWithTheFocusOnTheOldPassword) {
    fillChange("a", "b", "c");
    on<QLabel>(change, "lblMemory")->setText("resto");
    change->hide();
    on<QPushButton>(login, "btnCambiaPassword")->click();
    EXPECT_EQ(change->windowTitle(), " Cambia password");
    for (QLineEdit* box : {oldField(), newField(), confirmField()}) {
        EXPECT_EQ(box->text(), "");
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    }
    EXPECT_EQ(on<QLabel>(change, "lblMemory")->text(), "");
    EXPECT_EQ(change->focusWidget(), oldField());
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(on<QLabel>(change, "lblPasswordOld")->text(), "Vecchia password:");
    EXPECT_EQ(on<QLabel>(change, "lblPasswordNew")->text(), "Nuova password:");
    EXPECT_EQ(on<QLabel>(change, "lblConferma")->text(), "Conferma nuova password:");
    EXPECT_EQ(on<QPushButton>(change, "cmdEsci")->text(), "Chiudi");
}

TEST_F(ChangePassword, OkNeedsAllThreeFields) {
    on<QPushButton>(login, "btnCambiaPassword")->click();
    struct Case {
        QString old, typedNew, confirm;
        bool enabled;
    } cases[] = {
        {"a", "b", "c", true}, {" ", "b", "c", false}, {"a", "\t ", "c", false},
        {"a", "b", "", false}, {"", "", "", false},    {" a ", " b", "c ", true},
    };
    for (const Case& c : cases) {
        oldField()->setText(c.old);
        newField()->setText(c.typedNew);
        confirmField()->setText(c.confirm);
        EXPECT_EQ(ok()->isEnabled(), c.enabled)
            << c.old.toStdString() << "|" << c.typedNew.toStdString() << "|"
            << c.confirm.toStdString();
    }
    // As typed, key by key.
    for (QLineEdit* box : {oldField(), newField(), confirmField()})
        box->clear();
    QTest::keyClicks(oldField(), "x");
    QTest::keyClicks(newField(), "y");
    EXPECT_FALSE(ok()->isEnabled());
    QTest::keyClicks(confirmField(), "y");
    EXPECT_TRUE(ok()->isEnabled());
    QTest::keyClick(confirmField(), Qt::Key_Backspace);
    EXPECT_FALSE(ok()->isEnabled());
}

TEST_F(ChangePassword, EnterWalksTheFieldsAndNeverStores) {
    fillChange("pergolatoverde", "nuova", "nuova");
    const QByteArray before = storeBytes();
    QLineEdit* order[] = {oldField(), newField(), confirmField(), oldField()};
    for (int i = 0; i < 3; ++i) {
        order[i]->setFocus();
        QTest::keyClick(order[i], Qt::Key_Return);
        EXPECT_EQ(change->focusWidget(), order[i + 1]) << i;
    }
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(storeBytes(), before);
    EXPECT_TRUE(change->isVisible());
}

TEST_F(ChangePassword, EachRefusalLeavesTheStoreAndSaysWhy) {
    struct Case {
        const char* what;
        QString old, typedNew, confirm;
        QString message;
        QString oldAfter, newAfter, confirmAfter; // the fields afterwards
        const char* focus;
    } cases[] = {
        {"old password wrong", "pergola", "nuova", "nuova", kOldWrong, "", "nuova", "nuova",
         "txtPasswordOld"},
        {"old password checked before the confirmation", "pergola", "nuova", "altra", kOldWrong, "",
         "nuova", "altra", "txtPasswordOld"},
        {"confirmation differs", " PergolatoVerde ", "nuova", "nuova2", kNotConfirmed,
         " PergolatoVerde ", "", "", "txtPasswordNew"},
        {"confirmation in another case", "pergolatoverde", "nuova", "NUOVA", kNotConfirmed,
         "pergolatoverde", "", "", "txtPasswordNew"},
        {"a character the store cannot keep", "pergolatoverde", "prezzo€", "prezzo€",
         kForeignCharacters, "pergolatoverde", "", "", "txtPasswordNew"},
        {"a typographic apostrophe", "pergolatoverde", "l’altra", "l’altra", kForeignCharacters,
         "pergolatoverde", "", "", "txtPasswordNew"},
        {"longer than 255 characters", "pergolatoverde", QString(256, u'a'), QString(256, u'a'),
         kTooLong, "pergolatoverde", "", "", "txtPasswordNew"},
    };
    const QByteArray before = storeBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages->shown.clear();
        fillChange(c.old, c.typedNew, c.confirm);
        ok()->click();
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].text, c.message);
        EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
        EXPECT_EQ(oldField()->text(), c.oldAfter);
        EXPECT_EQ(newField()->text(), c.newAfter);
        EXPECT_EQ(confirmField()->text(), c.confirmAfter);
        EXPECT_EQ(change->focusWidget(), on(change, c.focus));
        EXPECT_FALSE(ok()->isEnabled());
        EXPECT_TRUE(change->isVisible());
        EXPECT_FALSE(login->isVisible());
        EXPECT_EQ(storeBytes(), before);
        on<QPushButton>(change, "cmdEsci")->click();
    }
}

TEST_F(ChangePassword, ANewPasswordOpensTheProgramFromTheNextLogin) {
    struct Case {
        const char* what;
        QString typedNew;   // each of another length than the one before
        QString stored;     // as it must be found in the store
        QString opens;      // typed at login afterwards
        QString stillWrong; // typed at login afterwards
    } cases[] = {
        {"mixed case with blanks", "  NuOvissima  ", "NUOVISSIMA", " nuovissima\t",
         "pergolatoverde"},
        {"accented letter", "caffè", "CAFFè", "Caffè", "CAFFÈ"},
        {"255 characters", QString(255, u'z'), QString(255, u'Z'), QString(255, u'z'),
         QString(254, u'z')},
    };
    QString current = "pergolatoverde";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages->shown.clear();
        fillChange(current, c.typedNew, c.typedNew);
        ok()->click();
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].text, kDone);
        EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
        QSettings settings(store(), QSettings::IniFormat);
        EXPECT_EQ(settings.value("Accesso/Valore").toString(), Crypt::ScrambleToHex(c.stored));

        // Back at the login screen, with its box and scratch label emptied.
        EXPECT_FALSE(change->isVisible());
        EXPECT_TRUE(login->isVisible());
        EXPECT_EQ(password()->text(), "");
        EXPECT_EQ(on<QLabel>(login, "lblMemory")->text(), "");
        EXPECT_EQ(on<QLabel>(change, "lblMemory")->text(), "");
        EXPECT_EQ(login->focusWidget(), password());

        logIn(c.stillWrong);
        EXPECT_EQ(messages->last(), kWrongPassword);
        logIn(c.opens);
        EXPECT_TRUE(menu->isVisible());
        menu->hide();
        login->show();
        current = c.opens;
    }
}

TEST_F(ChangePassword, OtherSectionsAndKeysSurvive) {
    writeStore("[Installazione]\nCartella=C:\\\\Velmora\nVersione=2.1\n"
               "[Accesso]\nValore=" +
               kFirstAccessHex.toLatin1() + "\nUltimo=utente\n");
    fillChange("pergolatoverde", "nuova", "nuova");
    ok()->click();
    EXPECT_EQ(messages->last(), kDone);
    QSettings settings(store(), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Accesso/Valore").toString(), "416DCC1DF7");
    EXPECT_EQ(settings.value("Accesso/Ultimo").toString(), "utente");
    EXPECT_EQ(settings.value("Installazione/Cartella").toString(), "C:\\Velmora");
    EXPECT_EQ(settings.value("Installazione/Versione").toString(), "2.1");
}

TEST_F(ChangePassword, AMissingStoreIsNeverCreated) {
    QFile::remove(store());
    fillChange("pergolatoverde", "nuova", "nuova");
    ok()->click();
    EXPECT_EQ(messages->last(), kOldWrong);
    EXPECT_FALSE(QFile::exists(store()));
    EXPECT_TRUE(change->isVisible());
}

TEST_F(ChangePassword, AnUnreadableValueStopsTheChange) {
    writeStore("[Accesso]\nValore=5F87FD23B5966B041F00A4697CCX\n");
    const QByteArray before = storeBytes();
    fillChange("pergolatoverde", "nuova", "nuova");
    ok()->click();
    EXPECT_EQ(messages->last(), kChangeError);
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Plain);
    EXPECT_EQ(oldField()->text(), "pergolatoverde");
    EXPECT_EQ(newField()->text(), "nuova");
    EXPECT_EQ(confirmField()->text(), "nuova");
    EXPECT_TRUE(change->isVisible());
    EXPECT_EQ(storeBytes(), before);
}

TEST_F(ChangePassword, AFailedWriteKeepsThePreviousPassword) {
    struct Case {
        const char* what;
        QFile::Permissions folder, file;
    } cases[] = {
        {"store read-only", QFile::Permissions(0x7777), QFile::Permissions(0x4444)},
        {"folder read-only", QFile::Permissions(0x5555), QFile::Permissions(0x6666)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        storePassword("PERGOLATOVERDE");
        const QByteArray before = storeBytes();
        messages->shown.clear();
        ASSERT_TRUE(QFile::setPermissions(folder.path(), c.folder));
        ASSERT_TRUE(QFile::setPermissions(store(), c.file));
        {
            AsOrdinaryUser user;
            if (!user.ok()) GTEST_SKIP() << "cannot give up the super-user's rights here";
            fillChange("pergolatoverde", "nuova", "nuova");
            ok()->click();
        }
        QFile::setPermissions(folder.path(), QFile::Permissions(0x7700));
        QFile::setPermissions(store(), QFile::Permissions(0x6600));

        EXPECT_EQ(messages->last(), kChangeError);
        EXPECT_EQ(newField()->text(), "nuova");
        EXPECT_TRUE(change->isVisible());
        EXPECT_EQ(storeBytes(), before);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"unins000.dll"}));

        // The program goes on with the password the store still holds.
        on<QPushButton>(change, "cmdEsci")->click();
        logIn("nuova");
        EXPECT_EQ(messages->last(), kWrongPassword);
        logIn("pergolatoverde");
        EXPECT_TRUE(menu->isVisible());
        menu->hide();
        login->show();
    }
}

TEST_F(ChangePassword, ChiudiOrEscReturnsToAnEmptyLogin) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Chiudi", [this] { on<QPushButton>(change, "cmdEsci")->click(); }},
        {"Esc in a field",
         [this] {
             QApplication::setActiveWindow(change);
             newField()->setFocus();
             QTest::keyClick(newField(), Qt::Key_Escape);
         }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        messages->shown.clear();
        logIn("sbagliata"); // fills the login's scratch label
        password()->setText("scritta");
        fillChange("pergolatoverde", "", "");
        leave();
        EXPECT_FALSE(change->isVisible());
        EXPECT_TRUE(login->isVisible());
        EXPECT_EQ(password()->text(), "");
        EXPECT_EQ(on<QLabel>(login, "lblMemory")->text(), "");
        EXPECT_EQ(login->focusWidget(), password());
        EXPECT_EQ(messages->shown.size(), 1u); // only the wrong login
    }
}

TEST_F(ChangePassword, HighlightsFollowTheFocus) {
    on<QPushButton>(login, "btnCambiaPassword")->click();
    QApplication::setActiveWindow(change);
    const QStringList stems = {"PasswordOld", "PasswordNew", "Conferma"};
    for (const QString& focused : stems) {
        on(change, "txt" + focused)->setFocus();
        for (const QString& stem : stems)
            EXPECT_EQ(on<QWidget>(change, "eff" + stem)->isVisible(), stem == focused)
                << focused.toStdString() << " " << stem.toStdString();
    }
    on<QPushButton>(change, "cmdEsci")->setFocus();
    for (const QString& stem : stems)
        EXPECT_FALSE(on<QWidget>(change, "eff" + stem)->isVisible());
}

} // namespace
