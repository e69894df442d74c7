#pragma once
// The fiscal code of a person: 16 characters, the last one a check letter
// computed from the first fifteen. Only the check letter is verified; the
// pattern of letters and digits, the month and the day are not.

#include "CheckResult.h"

#include <optional>

namespace checks {

inline constexpr qsizetype kFiscalCodeLength = 16;

// The check letter due to the characters before it (upper case), or nothing
// when one of them lies outside '0'..'Z' of ASCII: the conversion tables have
// no value for a blank, a hyphen, a lower-case or an accented letter.
std::optional<QChar> fiscalCodeCheckLetter(QStringView code);

// "Controlla" on the box's text as it stands: its ASCII letters are
// upper-cased, nothing is trimmed.
CheckResult checkFiscalCode(QStringView text);

} // namespace checks
