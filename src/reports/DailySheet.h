#pragma once
// The daily sheet: one landscape A4 page showing the daily shift table on
// the editor's screen.

#include "Sheet.h"

namespace report::DailySheet {

const SheetDesign& design();

} // namespace report::DailySheet
