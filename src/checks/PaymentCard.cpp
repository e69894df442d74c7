#include "PaymentCard.h"

#include "archive/Text.h"

#include <algorithm>
#include <array>

namespace checks {
namespace {

// Only the first 20 characters count; what follows them is ignored.
constexpr qsizetype kCheckedCharacters = 20;

struct LeadingPair {
    const char16_t* pair;
    const char16_t* brand;
};

// The brands of the numbers starting with 3, by the first two characters.
constexpr std::array<LeadingPair, 8> kBrandsOfThree = {{
    {u"30", u"Diner's Club / Carte Blanche"},
    {u"36", u"Diner's Club / Carte Blanche"},
    {u"38", u"Diner's Club / Carte Blanche"},
    {u"34", u"American Express"},
    {u"37", u"American Express"},
    {u"31", u"JCB"},
    {u"33", u"JCB"},
    {u"35", u"JCB"},
}};

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool passesLuhn(const QString& digits) {
    if (digits.isEmpty()) return false;
    int sum = 0;
    // Leftwards from the digit before the check digit: every other one,
    // starting with that one, is doubled.
    for (qsizetype distance = 1; distance < digits.size(); ++distance) {
        int digit = digits[digits.size() - 1 - distance].unicode() - u'0';
        if (distance % 2 == 1) {
            digit *= 2;
            if (digit > 9) digit -= 9;
        }
        sum += digit;
    }
    const int due = (10 - sum % 10) % 10;
    return digits.back().unicode() - u'0' == due;
}

QString brandOfThree(QStringView firstTwo) {
    for (const LeadingPair& p : kBrandsOfThree)
        if (firstTwo == QStringView(p.pair)) return QString::fromUtf16(p.brand);
    return {};
}

QString brandOf(int typeCode, QStringView shown) {
    switch (typeCode) {
    case 1:
        return brandOfThree(shown.first(std::min<qsizetype>(2, shown.size())));
    case 2:
        return QStringLiteral("Visa");
    case 3:
        return QStringLiteral("MasterCard");
    case 4:
        return QStringLiteral("Discover");
    default:
        return {};
    }
}

} // namespace

int cardTypeCode(QStringView number) {
    QString digits;
    for (const QChar c : number.first(std::min(kCheckedCharacters, number.size())))
        if (isDigit(c)) digits += c;
    if (!passesLuhn(digits)) return 0;
    return digits.front().unicode() - u'0' - 2;
}

CheckResult checkPaymentCard(QStringView text) {
    const QString shown = vtext::trimmed(text);
    if (shown.isEmpty())
        return {Outcome::CannotCheck, MessageKind::Warning,
                QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                               "premere il pulsante di controllo.")};
    const int typeCode = cardTypeCode(text);
    if (typeCode < 1 || typeCode > 4)
        return {Outcome::Wrong, MessageKind::Warning,
                QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n"
                               "\r\n"
                               "Non è quindi possibile fornire informazioni relative al tipo di "
                               "carta di credito.")};
    const QString brand = brandOf(typeCode, shown);
    if (brand.isEmpty()) return {Outcome::Wrong, MessageKind::None, QString()};
    return {Outcome::Valid, MessageKind::Information,
            QStringLiteral("Il numero di carta di credito ") + shown +
                QStringLiteral(" risulta valido.\r\n"
                               "\r\n"
                               "La carta di credito è del tipo ") +
                brand + u'.'};
}

} // namespace checks
