// The payment card check: the Luhn check on the digits among the first 20
// characters, the type code and the brand, and the messages.
#include "Outcomes.h"

#include "checks/PaymentCard.h"

#include <gtest/gtest.h>

namespace {

using checks::checkPaymentCard;
using checks::MessageKind;
using checks::Outcome;

TEST(PaymentCardCheck, TypeCode) {
    struct Case {
        QString number;
        int typeCode;
    } cases[] = {
        {QStringLiteral("378282246310005"), 1},
        {QStringLiteral("4111111111111111"), 2},
        {QStringLiteral("5555555555554444"), 3},
        {QStringLiteral("6011111111111117"), 4},
        {QStringLiteral("9000000000000001"), 7},
        {QStringLiteral("4111111111111112"), 0},
        {QStringLiteral("2221000000000009"), 0},
        // A lone 0 passes the check; no digit at all fails it.
        {QStringLiteral("0"), -2},
        {QStringLiteral("5"), 0},
        {QStringLiteral("ABC-"), 0},
        {QString(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checks::cardTypeCode(c.number), c.typeCode) << c.number.toStdString();
}

TEST(PaymentCardCheck, BrandOfEveryValidNumber) {
    struct Case {
        QString number;
        QString brand;
    } cases[] = {
        {QStringLiteral("378282246310005"), QStringLiteral("American Express")},
        {QStringLiteral("343434343434343"), QStringLiteral("American Express")},
        {QStringLiteral("30569309025904"), QStringLiteral("Diner's Club / Carte Blanche")},
        {QStringLiteral("36000000000008"), QStringLiteral("Diner's Club / Carte Blanche")},
        {QStringLiteral("38520000023237"), QStringLiteral("Diner's Club / Carte Blanche")},
        {QStringLiteral("3100000000000003"), QStringLiteral("JCB")},
        {QStringLiteral("3300000000000001"), QStringLiteral("JCB")},
        {QStringLiteral("3530111333300000"), QStringLiteral("JCB")},
        {QStringLiteral("4111111111111111"), QStringLiteral("Visa")},
        {QStringLiteral("5555555555554444"), QStringLiteral("MasterCard")},
        {QStringLiteral("6011111111111117"), QStringLiteral("Discover")},
        // Blanks between the groups: the check sees the digits alone, the
        // message shows the number as typed.
        {QStringLiteral("4111 1111 1111 1111"), QStringLiteral("Visa")},
        {QStringLiteral("3782 822463 10005"), QStringLiteral("American Express")},
        // Only the first 20 characters count.
        {QStringLiteral("41111111111111110000"), QStringLiteral("Visa")},
        {QStringLiteral("411111111111111100005"), QStringLiteral("Visa")},
        {QStringLiteral("4111 1111 1111 1111 0"), QStringLiteral("Visa")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number.toStdString());
        const checks::CheckResult result = checkPaymentCard(c.number);
        EXPECT_EQ(result.outcome, Outcome::Valid);
        EXPECT_EQ(result.kind, MessageKind::Information);
        EXPECT_EQ(result.message, QStringLiteral("Il numero di carta di credito ") + c.number +
                                      QStringLiteral(" risulta valido.\r\n\r\n"
                                                     "La carta di credito è del tipo ") +
                                      c.brand + u'.');
        EXPECT_FALSE(result.keepsDialogOpen());
    }
}

TEST(PaymentCardCheck, WrongNumbersAndNumbersWithoutBrand) {
    const QString wrong =
        QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                       "Non è quindi possibile fornire informazioni relative al tipo di carta di "
                       "credito.");
    struct Case {
        QString number;
        MessageKind kind;
    } cases[] = {
        {QStringLiteral("4111111111111112"), MessageKind::Warning},
        {QStringLiteral("378282246310006"), MessageKind::Warning},
        // Luhn-valid, but a leading 2, 9, 7, 1 or a lone 0 is reported wrong.
        {QStringLiteral("2221000000000009"), MessageKind::Warning},
        {QStringLiteral("9000000000000001"), MessageKind::Warning},
        {QStringLiteral("7000000000000005"), MessageKind::Warning},
        {QStringLiteral("1000000000000008"), MessageKind::Warning},
        {QStringLiteral("0"), MessageKind::Warning},
        {QStringLiteral("CARTA"), MessageKind::Warning},
        // Luhn-valid with a leading 3, but no brand for the first two
        // characters of the number as shown: the dialog closes silently.
        {QStringLiteral("3200000000000002"), MessageKind::None},
        {QStringLiteral("3 782822463 10005"), MessageKind::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number.toStdString());
        const checks::CheckResult result = checkPaymentCard(c.number);
        EXPECT_EQ(result.outcome, Outcome::Wrong);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.kind == MessageKind::None ? QString() : wrong);
        EXPECT_FALSE(result.keepsDialogOpen());
    }
}

TEST(PaymentCardCheck, NothingTypedKeepsTheDialogOpen) {
    for (const QString& number : {QString(), QStringLiteral("   ")}) {
        const checks::CheckResult result = checkPaymentCard(number);
        EXPECT_EQ(result.outcome, Outcome::CannotCheck);
        EXPECT_EQ(result.kind, MessageKind::Warning);
        EXPECT_EQ(result.message, QStringLiteral("Attenzione: immettere il numero di carta di "
                                                 "credito prima di premere il pulsante di "
                                                 "controllo."));
        EXPECT_TRUE(result.keepsDialogOpen());
    }
}

} // namespace
