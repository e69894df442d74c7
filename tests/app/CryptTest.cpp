// The scrambler of the access password and the generator of the installed
// store.
#include "app/Crypt.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString allCodes(int from, int to) {
    QString text;
    for (int c = from; c <= to; ++c)
        text.append(QChar(static_cast<char16_t>(c)));
    return text;
}

TEST(Crypt, KnownValues) {
    // Worked out by hand: K starts at 3907 (0x0F43), so the first byte is
    // XORed with 0x0F; the key then moves on with the scrambled byte.
    struct Case {
        QString plain;
        QString hex;
    } cases[] = {
        {QString(), QString()},
        {QStringLiteral("A"), QStringLiteral("4E")},
        {QStringLiteral("AB"), QStringLiteral("4E03")},
        {QStringLiteral("PERGOLATOVERDE"), QStringLiteral("5F87FD23B5966B041F00A4697CCB")},
        {QStringLiteral("CAFFè"), QStringLiteral("4C455EC4AA")},
        {QString(1, QChar(0x0F)), QStringLiteral("00")}, // the leading zero is kept
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Crypt::ScrambleToHex(c.plain), c.hex) << c.plain.toStdString();
        EXPECT_EQ(Crypt::UnscrambleFromHex(c.hex), c.plain) << c.hex.toStdString();
    }
}

TEST(Crypt, EveryEightBitCodeComesBack) {
    // At most 255 characters a call: the codes in two halves.
    for (const QString& plain : {allCodes(0, 127), allCodes(128, 255)}) {
        const QString hex = Crypt::ScrambleToHex(plain);
        EXPECT_EQ(hex.size(), plain.size() * 2);
        EXPECT_EQ(hex, hex.toUpper());
        EXPECT_EQ(Crypt::UnscrambleFromHex(hex), plain);
        EXPECT_EQ(Crypt::UnscrambleFromHex(hex.toLower()), plain);
    }
}

TEST(Crypt, WiderCodesKeepOnlyTheirLowByte) {
    const QString hex = Crypt::ScrambleToHex(QStringLiteral("€ Ā"));
    EXPECT_EQ(Crypt::UnscrambleFromHex(hex), QStringLiteral("¬ ") + QChar(0));
    EXPECT_FALSE(Crypt::keepsEveryCharacter(QStringLiteral("prezzo in €")));
    EXPECT_FALSE(Crypt::keepsEveryCharacter(QStringLiteral("l’altra")));
    EXPECT_TRUE(Crypt::keepsEveryCharacter(allCodes(0, 255)));
}

TEST(Crypt, AnOddLastDigitIsIgnored) {
    EXPECT_EQ(Crypt::UnscrambleFromHex(QStringLiteral("5F87FD23B5966B041F00A4697CCB7")),
              QStringLiteral("PERGOLATOVERDE"));
    EXPECT_EQ(Crypt::UnscrambleFromHex(QStringLiteral("4")), QString());
    EXPECT_EQ(Crypt::UnscrambleFromHex(QStringLiteral("4EG")), QStringLiteral("A"));
}

TEST(Crypt, APairThatIsNotHexadecimalIsAConversionError) {
    for (const char* hex : {"4G", "4E0G", "G4", "4E 1", "-1", "+1", "0x", "4E,03"})
        EXPECT_THROW(Crypt::UnscrambleFromHex(QString::fromLatin1(hex)), Crypt::ConversionError)
            << hex;
}

TEST(Crypt, StoredFormIsTrimmedWithAsciiLettersInUpperCase) {
    EXPECT_EQ(Crypt::storedForm(QStringLiteral("  PergolatoVerde \t\r\n")),
              QStringLiteral("PERGOLATOVERDE"));
    EXPECT_EQ(Crypt::storedForm(QStringLiteral(" caffè latte ")), QStringLiteral("CAFFè LATTE"));
}

// The generator the build runs to place the store beside the program.
TEST(StoreGenerator, WritesTheFirstAccessPassword) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("unins000.dll"));
    ASSERT_EQ(QProcess::execute(QStringLiteral(VELMORA_BIN_DIR "/velmora-mkstore"), {file}), 0);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("[Accesso]\nValore=5F87FD23B5966B041F00A4697CCB\n"));
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Accesso/Valore")).toString(),
              QStringLiteral("5F87FD23B5966B041F00A4697CCB"));
}

TEST(StoreGenerator, RefusesAPasswordTheProgramCouldNeverMatch) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("unins000.dll"));
    for (const QString& password :
         {QStringLiteral("   "), QStringLiteral("euro€"), QString(256, u'x')}) {
        EXPECT_NE(
            QProcess::execute(QStringLiteral(VELMORA_BIN_DIR "/velmora-mkstore"), {file, password}),
            0)
            << password.left(10).toStdString();
        EXPECT_FALSE(QFile::exists(file));
    }
}

} // namespace
