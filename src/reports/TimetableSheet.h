#pragma once
// The timetable sheet: one landscape A4 page showing the timetable template
// on the editor's screen.

#include "Sheet.h"

namespace report::TimetableSheet {

const SheetDesign& design();

} // namespace report::TimetableSheet
