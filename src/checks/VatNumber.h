#pragma once
// The Italian VAT number: 11 digits, characters 1 to 7 for the holder, 8 to 10
// the code of the issuing office, 11 the check digit (Luhn formula).

#include "CheckResult.h"

namespace checks {

inline constexpr qsizetype kVatNumberLength = 11;

// True when the number is 11 digits 0-9 and the last is the check digit due
// to the first ten.
bool isValidVatNumber(QStringView number);

// "Controlla" on the box's text as it stands (nothing is trimmed); a valid
// number's message names the office that issued it.
CheckResult checkVatNumber(QStringView text);

} // namespace checks
