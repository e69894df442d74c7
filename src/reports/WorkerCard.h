#pragma once
// The worker card: one portrait A4 page of 41 rows, a label and a value
// each, showing the worker on the editor's screen.

#include "Sheet.h"

namespace report::WorkerCard {

inline constexpr int kRows = 41;

const SheetDesign& design();

} // namespace report::WorkerCard
