// The fiscal code check: the check letter from the two conversion tables, the
// characters that have no value, and the three messages.
#include "Outcomes.h"

#include "checks/FiscalCode.h"

#include <gtest/gtest.h>

namespace {

using checks::checkFiscalCode;
using checks::MessageKind;
using checks::Outcome;

struct Case {
    QString code;
    Outcome outcome;
};

void expectOutcomes(const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(checkFiscalCode(c.code).outcome, c.outcome) << c.code.toStdString();
}

TEST(FiscalCodeCheck, EveryCharacterCountsAtOddAndEvenPlaces) {
    // Together these put each of 0-9 and A-Z at an odd and at an even place.
    expectOutcomes({
        {QStringLiteral("0123456789ABCDEP"), Outcome::Valid},
        {QStringLiteral("FGHIJKLMNOPQRSTC"), Outcome::Valid},
        {QStringLiteral("UVWXYZ012345678O"), Outcome::Valid},
        {QStringLiteral("123456789ABCDEFA"), Outcome::Valid},
        {QStringLiteral("GHIJKLMNOPQRSTUI"), Outcome::Valid},
        {QStringLiteral("VWXYZ0123456789A"), Outcome::Valid},
        {QStringLiteral("WFWUWFWUWFWUWFWW"), Outcome::Valid},
        {QStringLiteral("ZZZZZZZZZZZZZZZV"), Outcome::Valid},
        {QStringLiteral("000000000000000I"), Outcome::Valid},
    });
}

TEST(FiscalCodeCheck, RealShapedCodesAndOneCharacterChanged) {
    expectOutcomes({
        {QStringLiteral("RSSMRA80A01H501U"), Outcome::Valid},
        {QStringLiteral("BNCLRA85T45F205L"), Outcome::Valid},
        // Checked upper-cased, as the box shows it.
        {QStringLiteral("rssmra80a01h501u"), Outcome::Valid},
        // Only the check letter is verified.
        {QStringLiteral("123456789012345A"), Outcome::Valid},
        // The seven signs between 9 and A are worth nothing.
        {QStringLiteral("RSSMRA80:01H50@T"), Outcome::Valid},
        {QStringLiteral("RSSMRA80A01H501V"), Outcome::Wrong},
        {QStringLiteral("RSSMRA81A01H501U"), Outcome::Wrong},
        {QStringLiteral("BNCLRA85T45F2O5L"), Outcome::Wrong},
    });
}

TEST(FiscalCodeCheck, CharacterWithoutValueMakesTheCodeWrong) {
    // Each stands where a character worth 0 was, so scoring it 0 would still
    // give the code's last letter.
    expectOutcomes({
        {QStringLiteral("RSSMRA80A01H5 1U"), Outcome::Wrong},
        {QStringLiteral("RSSMRA80A01H50-U"), Outcome::Wrong},
        {QStringLiteral("RSSMRA80A01H50/U"), Outcome::Wrong},
        {QStringLiteral("RSSMRA80A01H50[U"), Outcome::Wrong},
        {QStringLiteral("RSSMRA80A01H50àU"), Outcome::Wrong},
        {QStringLiteral("RSSMRA80A01H50ÀU"), Outcome::Wrong},
    });
    EXPECT_FALSE(checks::fiscalCodeCheckLetter(u"RSSMRA80A01H50-").has_value());
}

TEST(FiscalCodeCheck, OnlySixteenCharactersAreChecked) {
    expectOutcomes({
        {QStringLiteral("RSSMRA80A01H501"), Outcome::CannotCheck},
        {QStringLiteral("RSSMRA80A01H501UU"), Outcome::CannotCheck},
        {QString(), Outcome::CannotCheck},
        // Not trimmed: the blank makes it 17 characters.
        {QStringLiteral("RSSMRA80A01H501U "), Outcome::CannotCheck},
    });
}

TEST(FiscalCodeCheck, MessagesAndWhetherTheDialogStays) {
    struct Case {
        QString code;
        MessageKind kind;
        QString message;
        bool staysOpen;
    } cases[] = {
        {QStringLiteral("rssmra80a01h501u"), MessageKind::Information,
         QStringLiteral("Il codice fiscale digitato è VALIDO."), false},
        {QStringLiteral("RSSMRA80A01H501V"), MessageKind::Warning,
         QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."), false},
        {QStringLiteral("RSSMRA80A01H501"), MessageKind::Warning,
         QStringLiteral(
             "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        const checks::CheckResult result = checkFiscalCode(c.code);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.keepsDialogOpen(), c.staysOpen);
    }
}

} // namespace
