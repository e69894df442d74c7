#pragma once
// The weekly sheet: one landscape A4 page with the week's name and dates,
// twelve slot rows by the two times and seven days, the site, the
// instructions, the notes and the signature.

#include "Sheet.h"

namespace report::WeeklySheet {
const SheetDesign& design();
} // namespace report::WeeklySheet
