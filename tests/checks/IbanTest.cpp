// The IBAN check: the MOD 97-10 remainder taken piece by piece, the length of
// an Italian IBAN, and the messages.
#include "Outcomes.h"

#include "checks/Iban.h"

#include <gtest/gtest.h>

namespace {

using checks::checkIban;
using checks::MessageKind;
using checks::Outcome;

TEST(IbanCheck, Remainder) {
    struct Case {
        QString text;
        int remainder;
    } cases[] = {
        {QStringLiteral("IT60X0542811101000000123456"), 1},
        {QStringLiteral("GB82WEST12345698765432"), 1},
        {QStringLiteral("de89 3704 0044 0532 0130 00"), 1},
        {QStringLiteral("IBAN IT60 X054 2811 1010 0000 0123 456"), 1},
        {QStringLiteral("IT60X0542811101000000123457"), 28},
        // Nothing left once the word IBAN is gone.
        {QStringLiteral("I B A N"), 0},
        {QStringLiteral("IT60X054281110-000000123456"), 0},
        {QStringLiteral("IT60X05428111°1000000123456"), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checks::ibanRemainder(c.text), c.remainder) << c.text.toStdString();
}

TEST(IbanCheck, ValidWrongOrNotChecked) {
    struct Case {
        QString text;
        Outcome outcome;
    } cases[] = {
        {QStringLiteral("IT60X0542811101000000123456"), Outcome::Valid},
        {QStringLiteral("it60x0542811101000000123456"), Outcome::Valid},
        {QStringLiteral("  IT60X0542811101000000123456 "), Outcome::Valid},
        // 27 characters with the blanks, which the check then drops.
        {QStringLiteral("DE89 3704 0044 0532 0130 00"), Outcome::Valid},
        // The word IBAN in front is dropped; the country is not examined.
        {QStringLiteral("IBANIT77X054281110100000012"), Outcome::Valid},
        {QStringLiteral("IT60X0542811101000000123457"), Outcome::Wrong},
        {QStringLiteral("IT60X0542811102000000123456"), Outcome::Wrong},
        {QStringLiteral("IT60X054281110-000000123456"), Outcome::Wrong},
        // The '+' opens the first piece of digits; read as a sign it would
        // vanish and leave a remainder of 1.
        {QStringLiteral("IT90+X054281110100000012345"), Outcome::Wrong},
        {QStringLiteral("GB82WEST12345698765432"), Outcome::CannotCheck},
        {QStringLiteral("IT60 X054 2811 1010 0000 0123 456"), Outcome::CannotCheck},
        {QString(), Outcome::CannotCheck},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkIban(c.text).outcome, c.outcome) << c.text.toStdString();
}

TEST(IbanCheck, MessagesAndWhetherTheDialogStays) {
    struct Case {
        QString text;
        MessageKind kind;
        QString message;
        bool staysOpen;
    } cases[] = {
        {QStringLiteral("IT60X0542811101000000123456"), MessageKind::Information,
         QStringLiteral("L'IBAN digitato è VALIDO."), false},
        {QStringLiteral("IT60X0542811101000000123457"), MessageKind::Warning,
         QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"), false},
        {QStringLiteral("IT60X054281110100000012345"), MessageKind::Warning,
         QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const checks::CheckResult result = checkIban(c.text);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.keepsDialogOpen(), c.staysOpen);
    }
}

} // namespace
