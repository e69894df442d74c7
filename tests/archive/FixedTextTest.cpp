// Text as it is stored in and loaded from a fixed text field.
#include "archive/FixedText.h"
#include "archive/Text.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

QString roundTrip(const QString& text, int capacity) {
    QByteArray field(capacity + 1, '\x7f');
    TFixedText::store(field.data(), capacity, text);
    return TFixedText::load(field.constData(), capacity);
}

TEST(FixedText, StoreAndLoad) {
    struct Case {
        QString in;
        int capacity;
        QString out;
    } cases[] = {
        {QStringLiteral("attività lunedì"), 50, QStringLiteral("attività lunedì")},
        {QStringLiteral("  Rossi  Mario \t\r\n"), 50, QStringLiteral("Rossi  Mario")},
        {QString(60, u'x'), 50, QString(50, u'x')},
        {QStringLiteral("€ „Ÿ“ œ"), 50, QStringLiteral("€ „Ÿ“ œ")},
        {QStringLiteral("Ω日本"), 10, QStringLiteral("???")},
        {QStringLiteral("a😀b"), 10, QStringLiteral("a?b")},
        {QStringLiteral("08:30:00"), 5, QStringLiteral("08:30")},
        {QStringLiteral("ab   c"), 3, QStringLiteral("ab")}, // cut, then trimmed on load
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundTrip(c.in, c.capacity), c.out) << c.in.toStdString();
}

TEST(FixedText, StoredBytesAreLengthThenWindows1252) {
    QByteArray field(11, '\x7f');
    TFixedText::store(field.data(), 10, QStringLiteral(" è€ "));
    EXPECT_EQ(field, QByteArray("\x02\xe8\x80\0\0\0\0\0\0\0\0", 11));
}

TEST(FixedText, LengthByteBeyondCapacityIsClamped) {
    QByteArray bytes("\xff"
                     "abcde"
                     "SECRET",
                     12);
    EXPECT_EQ(TFixedText::load(bytes.constData(), 5), QStringLiteral("abcde"));
    EXPECT_EQ(TFixedText::storedBytes(bytes.constData(), 5), "abcde");
    EXPECT_TRUE(TFixedText::isDamaged(bytes.constData(), 5));
    EXPECT_FALSE(TFixedText::isDamaged(bytes.constData(), 255));
}

TEST(Text, Windows1252BothWays) {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    EXPECT_EQ(vtext::toWin1252(vtext::fromWin1252(all)), all);
    EXPECT_EQ(vtext::fromWin1252(QByteArray("\x80\x9f\xe0", 3)), QStringLiteral("€Ÿà"));
    EXPECT_EQ(vtext::toWin1252(QStringLiteral("\u0080")), QByteArray("?"));
}

TEST(Text, CaseFoldingTouchesOnlyAscii) {
    EXPECT_EQ(vtext::asciiUpper(QStringLiteral("perGolato è ß")), QStringLiteral("PERGOLATO è ß"));
    EXPECT_EQ(vtext::asciiLower(QStringLiteral("PERGOLATO È")), QStringLiteral("pergolato È"));
}

// The passes over a whole archive trim and fold the stored bytes without
// decoding them: for every byte that must be what the rules do to its text.
TEST(Text, TrimAndFoldOnStoredBytesAreTrimAndFoldOnTheText) {
    for (int i = 0; i < 256; ++i) {
        const char byte = static_cast<char>(i);
        const QString text = vtext::fromWin1252(&byte, 1);
        EXPECT_EQ(vtext::isBlank(byte), vtext::trimmed(text).isEmpty()) << i;
        EXPECT_EQ(vtext::fromWin1252(QByteArray(1, vtext::asciiLower(byte))),
                  vtext::asciiLower(text))
            << i;
    }
    EXPECT_EQ(vtext::trimmedBytes(" \t\x01Rossi  Mario\x20\r\n"), "Rossi  Mario");
    EXPECT_EQ(vtext::trimmedBytes("\x7f\xa0"), "\x7f\xa0"); // DEL and the no-break space stay
    EXPECT_TRUE(vtext::sameAsciiFolded("ROSSI Mario", "rossi mARIO"));
    EXPECT_FALSE(vtext::sameAsciiFolded("\xc8", "\xe8")); // È and è
    EXPECT_FALSE(vtext::sameAsciiFolded("Rossi", "Rossi "));
}

} // namespace
