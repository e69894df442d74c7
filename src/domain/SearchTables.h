#pragma once
// What each of the four searches looks at and how it lists a record: the
// record fields of its filter boxes, in the order of the boxes, and its
// result line. The search screens and the command line read the same tables,
// so a record is found and shown alike in both.

#include "ListLine.h"

#include "archive/RecordLayout.h"

#include <QStringList>

struct SearchTable {
    const TRecordLayout* layout;
    QStringList filterFields;
    LineFormat line;
};

const SearchTable& dailySearch();     // daily shift tables, NNNN.ore
const SearchTable& weeklySearch();    // weekly shift tables, NNNN.set
const SearchTable& timetableSearch(); // timetable templates, Orari.pro
const SearchTable& workerSearch();    // workers, Dipendenti.pro
