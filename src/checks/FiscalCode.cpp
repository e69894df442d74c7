#include "FiscalCode.h"

#include "archive/Text.h"

#include <array>

namespace checks {
namespace {

// The conversion tables, indexed by the character's code minus '0': the ten
// digits, the seven signs ':' to '@' (worth nothing), then A to Z.
// clang-format off
constexpr std::array<int, 43> kOddPlaceValues = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                          // 0-9
    0, 0, 0, 0, 0, 0, 0,                                        // :-@
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                          // A-J
    2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23}; // K-Z
constexpr std::array<int, 43> kEvenPlaceValues = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                               // 0-9
    0, 0, 0, 0, 0, 0, 0,                                        // :-@
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                               // A-J
    10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}; // K-Z
// clang-format on

constexpr qsizetype kCheckedLength = kFiscalCodeLength - 1;

} // namespace

std::optional<QChar> fiscalCodeCheckLetter(QStringView code) {
    int sum = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const char16_t c = code[i].unicode();
        if (c < u'0' || c > u'Z') return std::nullopt;
        // Places count from 1, so the even indexes are the odd places.
        sum += (i % 2 == 0 ? kOddPlaceValues : kEvenPlaceValues)[c - u'0'];
    }
    return QChar(static_cast<char16_t>(u'A' + sum % 26));
}

CheckResult checkFiscalCode(QStringView text) {
    const QString code = vtext::asciiUpper(text);
    if (code.size() != kFiscalCodeLength)
        return {Outcome::CannotCheck, MessageKind::Warning,
                QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 "
                               "caratteri alfanumerici.")};
    const std::optional<QChar> due = fiscalCodeCheckLetter(QStringView(code).first(kCheckedLength));
    if (due && *due == code.back())
        return {Outcome::Valid, MessageKind::Information,
                QStringLiteral("Il codice fiscale digitato è VALIDO.")};
    return {Outcome::Wrong, MessageKind::Warning,
            QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.")};
}

} // namespace checks
