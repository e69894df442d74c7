#pragma once
// What the landscape sheets of a table of twelve slots share: the two time
// columns, the twelve row frames, the period, site, instructions and notes
// below the table, the signature and the footer. A sheet adds its title
// boxes and the columns after the times.

#include "Sheet.h"

namespace report::SlotSheet {

inline constexpr double kPitch = 7; // mm from one slot row to the next
inline constexpr double kFrame = 0.2;

// How the slot boxes follow each other when filled: every slot of a column
// before the next column, or every column of a slot before the next slot.
enum class Order { ColumnByColumn, SlotBySlot };

struct Parts {
    QString name;
    std::span<const BoxRow> title;   // filled first: tit + field
    std::span<const BoxRow> columns; // after the times, at slot 1: tit + field + 01..12
    Order order;
    std::span<const FixedRow> headings; // of those columns, in the heading band
    std::span<const ShapeRow> rules;    // between those columns
};

SheetDesign build(const Parts& parts);

} // namespace report::SlotSheet
