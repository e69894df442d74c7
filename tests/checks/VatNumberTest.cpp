// The VAT number check: the Luhn check digit, the issuing office by its code,
// and the messages.
#include "Outcomes.h"

#include "checks/VatNumber.h"
#include "checks/VatOffices.h"

#include <gtest/gtest.h>

namespace {

using checks::checkVatNumber;
using checks::MessageKind;
using checks::Outcome;

TEST(VatNumberCheck, CheckDigitAndOneCharacterChanged) {
    struct Case {
        QString number;
        Outcome outcome;
    } cases[] = {
        {QStringLiteral("12345670157"), Outcome::Valid},
        // 7 and 8 doubled add 1 + 4 and 1 + 6.
        {QStringLiteral("87878780482"), Outcome::Valid},
        {QStringLiteral("00000000000"), Outcome::Valid},
        {QStringLiteral("12345670158"), Outcome::Wrong},
        {QStringLiteral("12345680157"), Outcome::Wrong},
        {QStringLiteral("87878780492"), Outcome::Wrong},
        // Handed in by the worker editor with letters or blanks.
        {QStringLiteral("1234567A157"), Outcome::Wrong},
        {QStringLiteral("1234567 157"), Outcome::Wrong},
        {QStringLiteral(" 1234567015"), Outcome::Wrong},
        {QStringLiteral("1234567015"), Outcome::CannotCheck},
        {QStringLiteral("123456701577"), Outcome::CannotCheck},
        {QString(), Outcome::CannotCheck},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkVatNumber(c.number).outcome, c.outcome) << c.number.toStdString();
}

TEST(VatNumberCheck, OfficeNamesByCode) {
    struct Case {
        const char16_t* code;
        QString name;
    } cases[] = {
        {u"001", QStringLiteral("Torino")},
        {u"015", QStringLiteral("Milano 1")},
        {u"040", QStringLiteral("Forlì")},
        {u"048", QStringLiteral("Firenze 1")},
        {u"066", QStringLiteral("Aquila")},
        {u"096", QStringLiteral("Monza (Milano 2)")},
        {u"101", QStringLiteral("Bologna 2")},
        {u"102", QStringLiteral("Napoli 2")},
        {u"120", QStringLiteral("Bologna 2")},
        {u"121", QStringLiteral("Napoli 2")},
        {u"000", QString()},
        {u"103", QString()},
        {u"110", QString()},
        {u"119", QString()},
        {u"122", QString()},
        {u"999", QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checks::vatOfficeName(c.code), c.name)
            << QString::fromUtf16(c.code).toStdString();
}

TEST(VatNumberCheck, MessagesNameTheOfficeOrLeaveItsPlaceEmpty) {
    const QString valid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                         "E' stato rilasciato dall'Ufficio IVA del Comune di ");
    struct Case {
        QString number;
        MessageKind kind;
        QString message;
        bool staysOpen;
    } cases[] = {
        {QStringLiteral("12345670157"), MessageKind::Information,
         valid + QStringLiteral("Milano 1."), false},
        {QStringLiteral("76543211205"), MessageKind::Information,
         valid + QStringLiteral("Bologna 2."), false},
        {QStringLiteral("98798701102"), MessageKind::Information, valid + QStringLiteral("."),
         false},
        {QStringLiteral("12345670158"), MessageKind::Warning,
         QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                        "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                        "che lo ha rilasciato."),
         false},
        {QStringLiteral("1234567015"), MessageKind::Warning,
         QStringLiteral(
             "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number.toStdString());
        const checks::CheckResult result = checkVatNumber(c.number);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.keepsDialogOpen(), c.staysOpen);
    }
}

} // namespace
