// The login screen: start-up, the check against the store, and leaving.
#include "PasswordFixture.h"

#include <QDir>
#include <QProcess>
#include <QTimer>

namespace {

using Login = PasswordScreens;

TEST_F(Login, IsTheFirstScreenCreatedAndShown) {
    const QStringList order = screens->order();
    ASSERT_GE(order.size(), 3);
    EXPECT_EQ(order.mid(0, 3), QStringList({"TfrmPassword", "TfrmAvvio", "TfrmCambiaPassword"}));
    EXPECT_EQ(screens->first(), login);
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(login->windowTitle(), " Velmora - Accesso");
    EXPECT_EQ(on<QLabel>(login, "lblRigo05")->text(), "Immetti la password e premi OK.");
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(on<QPushButton>(login, "cmdOK")->isEnabled());
    EXPECT_EQ(login->focusWidget(), password());
}

TEST_F(Login, PasswordsAgainstTheStore) {
    enum Outcome { Opens, Wrong, ReadError };
    const QByteArray firstAccess = "[Accesso]\nValore=" + kFirstAccessHex.toLatin1() + "\n";
    struct Case {
        const char* what;
        QByteArray store; // empty: no store at all
        QString typed;
        Outcome outcome;
    } cases[] = {
        {"lower case", firstAccess, "pergolatoverde", Opens},
        {"mixed case and blanks", firstAccess, "  PergolatoVerde \t", Opens},
        {"upper case", firstAccess, "PERGOLATOVERDE", Opens},
        {"inner blank", firstAccess, "pergolato verde", Wrong},
        {"one letter short", firstAccess, "pergolatoverd", Wrong},
        {"odd number of digits", "[Accesso]\nValore=" + kFirstAccessHex.toLatin1() + "7\n",
         "pergolatoverde", Opens},
        {"lower-case digits", "[Accesso]\nValore=" + kFirstAccessHex.toLower().toLatin1() + "\n",
         "pergolatoverde", Opens},
        {"blanks kept in the store are trimmed",
         "[Accesso]\nValore=" + Crypt::ScrambleToHex(u" PERGOLATOVERDE\t").toLatin1() + "\n",
         "pergolatoverde", Opens},
        {"accented letter as stored", "[Accesso]\nValore=4C455EC4AA\n", "caffè", Opens},
        {"accented letter upper-cased", "[Accesso]\nValore=4C455EC4AA\n", "CAFFÈ", Wrong},
        {"other keys and sections around it",
         "[Altro]\nValore=00\n[Accesso]\nPrima=1\nValore=" + kFirstAccessHex.toLatin1() +
             "\nDopo=2\n",
         "pergolatoverde", Opens},
        {"no store", {}, "pergolatoverde", Wrong},
        {"no section", "[Altro]\nValore=" + kFirstAccessHex.toLatin1() + "\n", "pergolatoverde",
         Wrong},
        {"no key", "[Accesso]\nChiave=" + kFirstAccessHex.toLatin1() + "\n", "pergolatoverde",
         Wrong},
        {"empty value", "[Accesso]\nValore=\n", "pergolatoverde", Wrong},
        {"a pair that is not hexadecimal", "[Accesso]\nValore=5F87FD23B5966B041F00A4697CCG\n",
         "pergolatoverde", ReadError},
        {"a comma in the value", "[Accesso]\nValore=5F87,FD23\n", "pergolatoverde", ReadError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(store());
        if (!c.store.isEmpty()) writeStore(c.store);
        messages->shown.clear();
        login->show();
        menu->hide();

        logIn(c.typed);
        switch (c.outcome) {
        case Opens:
            EXPECT_TRUE(messages->shown.empty());
            EXPECT_TRUE(menu->isVisible());
            EXPECT_FALSE(login->isVisible());
            break;
        case Wrong:
            ASSERT_EQ(messages->shown.size(), 1u);
            EXPECT_EQ(messages->shown[0].text, kWrongPassword);
            EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
            EXPECT_EQ(password()->text(), "");
            EXPECT_FALSE(on<QPushButton>(login, "cmdOK")->isEnabled());
            EXPECT_EQ(login->focusWidget(), password());
            EXPECT_TRUE(login->isVisible());
            EXPECT_FALSE(menu->isVisible());
            break;
        case ReadError:
            ASSERT_EQ(messages->shown.size(), 1u);
            EXPECT_EQ(messages->shown[0].text, kReadError);
            EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
            EXPECT_EQ(password()->text(), c.typed);
            EXPECT_TRUE(login->isVisible());
            EXPECT_FALSE(menu->isVisible());
            break;
        }
        // The program only reads the store; a missing one stays missing.
        EXPECT_EQ(QFile::exists(store()), !c.store.isEmpty());
    }
}

TEST_F(Login, AStoreThatCannotBeReadIsAReadingError) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("unins000.dll"));
    logIn("pergolatoverde");
    EXPECT_EQ(messages->last(), kReadError);
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(Login, WrongAttemptsCanBeRepeatedWithoutLimit) {
    storePassword("PERGOLATOVERDE");
    for (int i = 0; i < 5; ++i)
        logIn("pergola");
    EXPECT_EQ(messages->shown.size(), 5u);
    password()->setText("pergolatoverde");
    on<QPushButton>(login, "cmdOK")->click();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(messages->shown.size(), 5u);
    // The scratch label holds the password read from the store.
    EXPECT_EQ(on<QLabel>(login, "lblMemory")->text(), "PERGOLATOVERDE");
}

TEST_F(Login, OkAndEnterFollowTheTypedText) {
    storePassword("PERGOLATOVERDE");
    auto* ok = on<QPushButton>(login, "cmdOK");
    QTest::keyClicks(password(), "ab");
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClick(password(), Qt::Key_Backspace);
    QTest::keyClick(password(), Qt::Key_Backspace);
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(password(), "   ");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClick(password(), Qt::Key_Return);
    QTest::keyClick(password(), Qt::Key_Enter);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(password()->text(), "   ");

    QTest::keyClicks(password(), "pergolatoverde");
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClick(password(), Qt::Key_Enter); // the keypad's Enter too
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(Login, HighlightFollowsTheFocus) {
    QApplication::setActiveWindow(login);
    auto* highlight = on<QWidget>(login, "effPassword");
    password()->setFocus();
    EXPECT_TRUE(highlight->isVisible());
    on<QPushButton>(login, "btnCambiaPassword")->setFocus();
    EXPECT_FALSE(highlight->isVisible());
    password()->setFocus();
    EXPECT_TRUE(highlight->isVisible());
}

TEST_F(Login, EsciEndsTheProgram) {
    // As at start-up: hiding screens never ends the program, only this does.
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, login, [this] { on<QPushButton>(login, "cmdEsci")->click(); });
    QTimer failSafe; // fires only when Esci leaves the program running
    failSafe.setSingleShot(true);
    QObject::connect(&failSafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    failSafe.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(login->isVisible());
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST_F(Login, CambiaPasswordHandsOverToTheChangeScreen) {
    password()->setText("qualcosa");
    on<QPushButton>(login, "btnCambiaPassword")->click();
    EXPECT_TRUE(change->isVisible());
    EXPECT_FALSE(login->isVisible());
    EXPECT_FALSE(menu->isVisible());
}

// The store the generator writes opens the program with the word the help
// text gives for the first access.
TEST_F(Login, TheGeneratedStoreOpensWithTheFirstAccessPassword) {
    ASSERT_EQ(QProcess::execute(QStringLiteral(VELMORA_BIN_DIR "/velmora-mkstore"), {store()}), 0);
    logIn(" pergolatoverde ");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(messages->shown.empty());
}

} // namespace
