#include "YearlyArchive.h"

#include "ArchiveKinds.h"
#include "Environment.h"

bool isFourCharacterYear(QStringView typed) {
    return typed.size() == 4;
}

QString yearlyArchivePath(QStringView year, ShiftCalendar calendar) {
    return archivePath(
        calendar == ShiftCalendar::Daily ? ArchiveKindId::Daily : ArchiveKindId::Weekly, year);
}

QString currentYear() {
    return Clock::current().today().toString(QStringLiteral("yyyy"));
}
