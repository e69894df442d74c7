#pragma once
// The IBAN (ISO 13616): valid when its ISO 7064 MOD 97-10 remainder is 1. The
// dialog takes only the length of an Italian IBAN; the country code is not
// compared with any list.

#include "CheckResult.h"

namespace checks {

inline constexpr qsizetype kIbanLength = 27;

// The MOD 97-10 remainder of an IBAN written in any case, with blanks and with
// or without the word "IBAN" in it: the first four characters go to the end,
// letters become 10 to 35, and the digits are reduced nine at a time so no
// piece outgrows an int. A character that is neither a digit nor a letter A-Z
// (a hyphen, a sign, an accented letter), or nothing left to read, gives 0.
int ibanRemainder(QStringView text);

// "Controlla" on the box's text, trimmed; the length is counted before the
// inner blanks are dropped.
CheckResult checkIban(QStringView text);

} // namespace checks
