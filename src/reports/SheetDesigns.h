#pragma once
// The design of each printed sheet an archive kind names (ArchiveKinds): the
// kinds live below the report layer and name their sheet; this maps the name
// to its design.

#include "Sheet.h"

#include "domain/ArchiveKinds.h"

namespace report {

const SheetDesign& sheetDesign(PrintedSheet sheet);

} // namespace report
