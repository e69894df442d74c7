#pragma once
// The provincial VAT offices that issue VAT numbers, by the three-digit code
// at characters 8 to 10 of the number.

#include <QString>

namespace checks {

// The place name of the office with that code ("015" -> "Milano 1"), or an
// empty text for a code without a name (000, 103 to 119, 122 and above).
QString vatOfficeName(QStringView code);

} // namespace checks
