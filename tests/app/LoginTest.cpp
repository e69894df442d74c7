// The login screen: start-up, the check against the store, and leaving.
#include "PasswordFixture.h"

#include <QDir>
#include <QLayout>
#include <QProcess>
#include <QTimer>

#include <climits>

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
            passTime(kLongestPause * 1000); // the third in a row on waits first
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

TEST_F(Login, WrongAttemptsCanBeRepeatedAfterEachPause) {
    storePassword("PERGOLATOVERDE");
    for (int i = 0; i < 5; ++i) {
        logIn("pergola");
        passTime(kLongestPause * 1000);
    }
    EXPECT_EQ(messages->shown.size(), 5u);
    password()->setText("pergolatoverde");
    on<QPushButton>(login, "cmdOK")->click();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(messages->shown.size(), 5u);
    // The scratch label holds the password read from the store.
    EXPECT_EQ(on<QLabel>(login, "lblMemory")->text(), "PERGOLATOVERDE");
}

TEST(LoginPause, NoneForTwoWrongPasswordsThenOneSecondDoublingUpToThirty) {
    const std::pair<int, int> pauses[] = {{0, 0},  {1, 0},  {2, 0},   {3, 1},
                                          {4, 2},  {5, 4},  {6, 8},   {7, 16},
                                          {8, 30}, {9, 30}, {40, 30}, {INT_MAX, 30}};
    for (const auto& [wrong, seconds] : pauses)
        EXPECT_EQ(loginPauseSeconds(wrong), seconds) << wrong;
}

TEST_F(Login, FromTheThirdWrongPasswordInARowTheBoxWaitsAndSaysHowLong) {
    storePassword("PERGOLATOVERDE");
    auto* line = on<QLabel>(login, "lblAttesa");
    auto* timer = login->findChild<QTimer*>("tmrAttesa");
    ASSERT_TRUE(timer);
    auto* ok = on<QPushButton>(login, "cmdOK");
    auto waiting = [](int seconds) {
        return seconds == 1 ? QStringLiteral("Troppi tentativi errati: riprovare tra 1 secondo.")
                            : QStringLiteral("Troppi tentativi errati: riprovare tra %1 secondi.")
                                  .arg(seconds);
    };
    login->layout()->activate();
    const QSize size = login->size();

    for (int i = 0; i < 2; ++i) {
        logIn("pergola");
        EXPECT_TRUE(password()->isEnabled());
        EXPECT_FALSE(line->isVisible());
    }
    for (const int pause : {1, 2, 4, 8, 16, 30, 30}) {
        SCOPED_TRACE(pause);
        messages->shown.clear();
        logIn("pergola");
        // The message is the one of every wrong password.
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].text, kWrongPassword);
        // The box waits, the window does not: the call is back, the timer
        // will wake the screen when the count drops.
        EXPECT_FALSE(password()->isEnabled());
        EXPECT_TRUE(line->isVisible());
        EXPECT_EQ(line->text(), waiting(pause));
        // No button takes the focus the box gave up, so an Enter presses
        // nothing (Esci least of all).
        EXPECT_EQ(login->focusWidget(), login);
        QTest::keyClick(login, Qt::Key_Return);
        EXPECT_TRUE(login->isVisible());
        EXPECT_TRUE(timer->isActive());
        EXPECT_LE(timer->interval(), 1000);
        login->layout()->activate();
        EXPECT_EQ(login->size(), size);
        // Nothing typed gets in, Enter and OK do nothing.
        QTest::keyClicks(password(), "pergolatoverde");
        QTest::keyClick(password(), Qt::Key_Return);
        EXPECT_EQ(password()->text(), "");
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_EQ(messages->shown.size(), 1u);

        for (int left = pause - 1; left >= 1; --left) {
            passTime(1000);
            EXPECT_FALSE(password()->isEnabled());
            EXPECT_EQ(line->text(), waiting(left));
        }
        passTime(999);
        EXPECT_FALSE(password()->isEnabled());
        passTime(1);
        EXPECT_TRUE(password()->isEnabled());
        EXPECT_FALSE(line->isVisible());
        EXPECT_FALSE(timer->isActive());
        EXPECT_EQ(login->focusWidget(), password());
    }

    // A right password ends the series: the next two wrong ones are free.
    logIn("pergolatoverde");
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    login->show();
    for (int i = 0; i < 2; ++i) {
        logIn("pergola");
        EXPECT_TRUE(password()->isEnabled());
    }
    logIn("pergola");
    EXPECT_FALSE(password()->isEnabled());
    EXPECT_EQ(line->text(), waiting(1));
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
