#pragma once
// The login and change-password screens as the program creates them at
// start-up, on a temporary program folder that holds (or lacks) the store.

#include "app/Crypt.h"
#include "app/ScreenRegistry.h"
#include "app/TfrmPassword.h"
#include "screens/common/FormKit.h"
#include "screens/common/Screens.h"
#include "support/Faults.h"
#include "support/GuiTest.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

inline const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
inline const QString kReadError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                   "password. Si consiglia di reinstallare il software.");
inline const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
inline const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                   "necessario reinserire entrambi i valori.");
inline const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                   "password. Si consiglia di reinstallare il software.");
inline const QString kDone = QStringLiteral("Modifica della password completata con successo.");

// The hexadecimal value of the first-access password, worked out by hand
// from the scrambler's rules.
inline const QString kFirstAccessHex = QStringLiteral("5F87FD23B5966B041F00A4697CCB");

// A clock the test moves by hand.
class HandClock : public Clock {
  public:
    QDateTime moment = QDateTime(QDate(2024, 3, 5), QTime(9, 30, 15));
    QDateTime now() const override { return moment; }
};

class PasswordScreens : public GuiTest {
  protected:
    std::unique_ptr<ScreenSet> screens;
    TfrmPassword* login = nullptr;
    QWidget* change = nullptr;
    QWidget* menu = nullptr;
    HandClock* clock = nullptr;

    void SetUp() override {
        GuiTest::SetUp();
        auto c = std::make_unique<HandClock>();
        clock = c.get();
        Clock::install(std::move(c));
        screens = std::make_unique<ScreenSet>();
        login = qobject_cast<TfrmPassword*>(Screens::find(QStringLiteral("TfrmPassword")));
        change = Screens::find(QStringLiteral("TfrmCambiaPassword"));
        menu = Screens::find(QStringLiteral("TfrmAvvio"));
        screens->first()->show();
    }
    void TearDown() override {
        screens.reset();
        GuiTest::TearDown();
    }

    QString store() const { return path(QStringLiteral("unins000.dll")); }
    void writeStore(const QByteArray& content) const {
        QFile f(store());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        // QSettings trusts what it read from a file while the file's size and
        // modification time look unchanged; the tests rewrite the store faster
        // than the clock ticks, so each store gets a time of its own.
        static int written = 0;
        f.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)).addSecs(++written),
                      QFileDevice::FileModificationTime);
    }
    // A store holding `plain` exactly as given (already in its stored form).
    void storePassword(const QString& plain) const {
        writeStore("[Accesso]\nValore=" + Crypt::ScrambleToHex(plain).toLatin1() + "\n");
    }
    QByteArray storeBytes() const {
        QFile f(store());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    template <class T = QLineEdit> T* on(QWidget* form, const QString& name) const {
        return FormKit::child<T>(form, name);
    }
    QLineEdit* password() const { return on(login, QStringLiteral("txtPassword")); }
    QLineEdit* oldField() const { return on(change, QStringLiteral("txtPasswordOld")); }
    QLineEdit* newField() const { return on(change, QStringLiteral("txtPasswordNew")); }
    QLineEdit* confirmField() const { return on(change, QStringLiteral("txtConferma")); }

    // Lets `ms` go by, as the login screen's timer sees it when it wakes.
    void passTime(qint64 ms) const {
        clock->moment = clock->moment.addMSecs(ms);
        login->tmrAttesaTimer();
    }
    // Types the password at the login screen and presses Enter.
    void logIn(const QString& typed) const {
        password()->setText(typed);
        QTest::keyClick(password(), Qt::Key_Return);
    }
    // Opens the change screen from the login screen and fills its fields.
    void fillChange(const QString& old, const QString& typedNew, const QString& confirm) const {
        on<QPushButton>(login, QStringLiteral("btnCambiaPassword"))->click();
        oldField()->setText(old);
        newField()->setText(typedNew);
        confirmField()->setText(confirm);
    }
};
