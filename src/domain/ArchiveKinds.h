#pragma once
// Which layout an archive file holds, from its kind name or its file name.

#include "archive/RecordLayout.h"

#include <QString>

inline const QString kTimetablesFile = QStringLiteral("Orari.pro");
inline const QString kWorkersFile = QStringLiteral("Dipendenti.pro");

// "daily", "weekly", "timetables", "workers"; nullptr for anything else.
const TRecordLayout* layoutForKind(QStringView kind);
// NNNN.ore, NNNN.set, Orari.pro, Dipendenti.pro (letters in any case);
// nullptr for anything else.
const TRecordLayout* layoutForFileName(QStringView fileName);
