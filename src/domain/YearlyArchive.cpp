#include "YearlyArchive.h"

#include "Environment.h"

bool isFourCharacterYear(QStringView typed) {
    return typed.size() == 4;
}

QString currentYear() {
    return Clock::current().today().toString(QStringLiteral("yyyy"));
}
