#include "VatNumber.h"

#include "VatOffices.h"
#include "archive/Text.h"

#include <algorithm>

namespace checks {

bool isValidVatNumber(QStringView number) {
    if (number.size() != kVatNumberLength) return false;
    if (!std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    int sum = 0;
    for (qsizetype i = 0; i < kVatNumberLength - 1; ++i) {
        const int digit = number[i].unicode() - u'0';
        // Places count from 1: an odd place adds the digit, an even one the
        // two digits of its double (7 adds 1 + 4).
        if (i % 2 == 0) {
            sum += digit;
        } else {
            const int doubled = 2 * digit;
            sum += doubled / 10 + doubled % 10;
        }
    }
    const int due = (10 - sum % 10) % 10;
    return number.back().unicode() - u'0' == due;
}

CheckResult checkVatNumber(QStringView text) {
    const QString number = vtext::asciiUpper(text);
    if (number.size() != kVatNumberLength)
        return {Outcome::CannotCheck, MessageKind::Warning,
                QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri "
                               "numerici.")};
    if (!isValidVatNumber(number))
        return {Outcome::Wrong, MessageKind::Warning,
                QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n"
                               "\r\n"
                               "Non è quindi possibile fornire informazioni relative all'Ufficio "
                               "IVA che lo ha rilasciato.")};
    // A code without a name leaves the blank before the full stop.
    return {Outcome::Valid, MessageKind::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n"
                           "\r\n"
                           "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                vatOfficeName(QStringView(number).sliced(7, 3)) + u'.'};
}

} // namespace checks
