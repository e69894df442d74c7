// The sheet each archive kind names: its boxes are filled from that kind's
// own fields.
#include "reports/SheetDesigns.h"
#include "domain/ArchiveKinds.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetDesigns, EachKindsSheetReadsItsOwnFields) {
    for (const ArchiveKind& k : archiveKinds()) {
        SCOPED_TRACE(k.name.toStdString());
        ASSERT_TRUE(k.sheet.has_value());
        const report::SheetDesign& design = report::sheetDesign(*k.sheet);
        int read = 0;
        for (const report::SheetBox& box : design.boxes) {
            if (box.compose || box.field.isEmpty()) continue;
            EXPECT_GE(k.layout->indexOf(box.field), 0) << box.field.toStdString();
            ++read;
        }
        EXPECT_GT(read, 0);
    }
}

} // namespace
