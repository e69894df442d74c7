// The password store changed as a file: only the bytes of the value move,
// whatever else the file holds; names of sections and keys in any case.
#include "app/Crypt.h"
#include "app/IniText.h"
#include "domain/Environment.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StoreFile : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    void SetUp() override { ProgramFolder::override(folder.path()); }
    void TearDown() override { ProgramFolder::override(QString()); }
    void write(const QByteArray& bytes) {
        QFile f(PasswordStore::path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const {
        QFile f(PasswordStore::path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(StoreFile, AChangeTouchesOnlyTheValue) {
    struct Case {
        const char* what;
        QByteArray before, after;
    } cases[] = {
        {"CRLF, comments, backslashes and text after a semicolon elsewhere",
         "; installato da Velmora\r\n[Installazione]\r\nCartella=C:\\Programmi\\Velmora\r\n"
         "Nota=prima; dopo\r\n\r\n[Accesso]\r\n; la password\r\nValore=5F87\r\nAltro=\\\\x\r\n",
         "; installato da Velmora\r\n[Installazione]\r\nCartella=C:\\Programmi\\Velmora\r\n"
         "Nota=prima; dopo\r\n\r\n[Accesso]\r\n; la "
         "password\r\nValore=416DCC1DF7\r\nAltro=\\\\x\r\n"},
        {"names in lower case, blanks around, no final line break",
         "[ accesso ]\n  valore =  5F87  \n[Altro]\nValore=00",
         "[ accesso ]\n  valore =  416DCC1DF7  \n[Altro]\nValore=00"},
        {"the key missing from its section", "[Accesso]\r\nPrima=1\r\n\r\n[Altro]\r\nX=2\r\n",
         "[Accesso]\r\nPrima=1\r\nValore=416DCC1DF7\r\n\r\n[Altro]\r\nX=2\r\n"},
        {"the section missing, no final line break", "[Altro]\nX=2",
         "[Altro]\nX=2\n[Accesso]\nValore=416DCC1DF7\n"},
        {"a second section of the same name is not the store's",
         "[Accesso]\nValore=1\n[ACCESSO]\nValore=2\n",
         "[Accesso]\nValore=416DCC1DF7\n[ACCESSO]\nValore=2\n"},
        {"Latin-1 bytes elsewhere stay as they are", "[Sede]\nCitt\xe0=S\xec\n[Accesso]\nValore=\n",
         "[Sede]\nCitt\xe0=S\xec\n[Accesso]\nValore=416DCC1DF7\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.before);
        PasswordStore::writeValue(QStringLiteral("416DCC1DF7"));
        EXPECT_EQ(bytes(), c.after);
        EXPECT_EQ(PasswordStore::readValue(), QStringLiteral("416DCC1DF7"));
    }
}

TEST(IniText, ReadsAsTheSystemsSettingsReaderDoes) {
    struct Case {
        const char* what;
        QByteArray file;
        std::optional<QByteArray> value;
    } cases[] = {
        {"plain", "[Accesso]\nValore=AB\n", "AB"},
        {"any case, blanks trimmed", "[ACCESSO]\r\n VALORE = AB \r\n", "AB"},
        {"a commented line is no key", "[Accesso]\n;Valore=AB\n", std::nullopt},
        {"a semicolon inside a value is part of it", "[Accesso]\nValore=AB;CD\n", "AB;CD"},
        {"a key before any section", "Valore=AB\n[Accesso]\n", std::nullopt},
        {"the key of another section", "[Altro]\nValore=AB\n[Accesso]\nX=1\n", std::nullopt},
        {"the first key of two", "[Accesso]\nValore=AB\nValore=CD\n", "AB"},
        {"an empty value", "[Accesso]\nValore=\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniText::value(c.file, "Accesso", "Valore"), c.value) << c.what;
}

} // namespace
