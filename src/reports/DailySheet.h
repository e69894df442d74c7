#pragma once
// The daily sheet: one landscape A4 page showing the daily shift table on
// the editor's screen.

#include "Sheet.h"

namespace report::DailySheet {

const SheetDesign& design();
// A fresh copy of the template.
Report create();
// Fills every named box from the daily editor's fields and the footer.
void fill(Report& report, const FieldSource& field, const QDateTime& now);

} // namespace report::DailySheet
