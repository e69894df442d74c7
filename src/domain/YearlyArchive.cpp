#include "YearlyArchive.h"

#include "Environment.h"

#include "archive/Text.h"

bool isFourCharacterYear(QStringView typed) {
    return typed.size() == 4;
}

QString yearlyArchivePath(QStringView year, ShiftCalendar calendar) {
    return ProgramFolder::path() + vtext::trimmed(year) +
           (calendar == ShiftCalendar::Daily ? QStringLiteral(".ore") : QStringLiteral(".set"));
}

QString currentYear() {
    return Clock::current().today().toString(QStringLiteral("yyyy"));
}
