#pragma once
// The payment card number (ISO/IEC 7812): the Luhn check on the digits among
// its first 20 characters, and the brand told by its leading digits. The
// length of the number is not checked.

#include "CheckResult.h"

namespace checks {

// The card type code: the first digit minus 2 when the digits among the
// first 20 characters pass the Luhn check, otherwise 0. So 1 is a leading 3
// (brand by the first two characters), 2 Visa, 3 MasterCard, 4 Discover;
// every other value is a number reported wrong (no digits at all fail; a
// lone 0 passes and gives -2).
int cardTypeCode(QStringView number);

// "Controlla" on the box's text as it stands: the check runs on it untrimmed,
// the emptiness test and the message on it trimmed. A valid number with a
// leading 3 and no known pair of first characters is reported Wrong with no
// message at all: the dialog just closes.
CheckResult checkPaymentCard(QStringView text);

} // namespace checks
