#pragma once
// The year of the shift archives, as the year chooser takes it: their paths
// come from the kinds table (ArchiveKinds: the year followed by ".ore" or
// ".set").

#include <QString>

// The year chooser's check at "Apri": the box holds exactly four characters,
// counted as typed. The box itself lets only digits in.
bool isFourCharacterYear(QStringView typed);

// Today's year, four digits, as the year boxes start.
QString currentYear();
