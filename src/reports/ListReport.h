#pragma once
// The printed list of a search screen: a title band, the result lines in one
// multi-line box of a data band that runs over as many pages as it needs,
// and a footer on every page with the date of printing.

#include "Report.h"

namespace report::ListReport {

// Height of one line of txtRiepilogo in the engine's units.
constexpr double kLineUnits = 12.822;

// A fresh copy of the list template.
Report create();

// Sets the title into txtTitolo, the lines into txtRiepilogo in order, and
// the heights of the box and of the MasterData band from the line count.
void fill(Report& report, const QString& title, const QStringList& lines);

} // namespace report::ListReport
