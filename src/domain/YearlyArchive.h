#pragma once
// The shift archives are one file per calendar year in the program folder,
// named as their kinds say (ArchiveKinds): the four-digit year followed by
// ".ore" (daily tables) or ".set" (weekly tables). The year chooser names them
// from what the user typed.

#include <QString>

enum class ShiftCalendar { Daily, Weekly };

// The year chooser's check at "Apri": the box holds exactly four characters,
// counted as typed. The box itself lets only digits in.
bool isFourCharacterYear(QStringView typed);

// The program folder (with its trailing separator) + the year trimmed +
// the calendar's suffix. No file is opened or created here.
QString yearlyArchivePath(QStringView year, ShiftCalendar calendar);

// Today's year, four digits, as the year boxes start.
QString currentYear();
