// The four identifier checks over any text a box can hold: the input read as
// Latin-1 and as UTF-16. A value the check calls valid must also pass the
// rule underneath it.
#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/PaymentCard.h"
#include "checks/VatNumber.h"

#include "archive/Text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void checkAll(const QString& text) {
    using checks::Outcome;
    const checks::CheckResult fiscal = checks::checkFiscalCode(text);
    if (fiscal.outcome == Outcome::Valid) {
        const QString upper = vtext::asciiUpper(text);
        if (upper.size() != checks::kFiscalCodeLength ||
            checks::fiscalCodeCheckLetter(upper.first(15)) != upper.back())
            std::abort();
    }
    (void)checks::fiscalCodeCheckLetter(text);

    const checks::CheckResult vat = checks::checkVatNumber(text);
    if ((vat.outcome == Outcome::Valid) != checks::isValidVatNumber(text)) std::abort();

    const checks::CheckResult iban = checks::checkIban(text);
    if (iban.outcome == Outcome::Valid && checks::ibanRemainder(vtext::trimmed(text)) != 1)
        std::abort();

    const checks::CheckResult card = checks::checkPaymentCard(text);
    const int type = checks::cardTypeCode(text);
    if (card.outcome == Outcome::Valid && (type < 1 || type > 4)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkAll(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    QString wide(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(wide.data(), data, size / 2 * 2);
    checkAll(wide);
    return 0;
}
