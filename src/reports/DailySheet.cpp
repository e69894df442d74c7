#include "DailySheet.h"

#include "SlotSheet.h"

namespace report::DailySheet {

namespace {

constexpr BoxRow kTitle[] = {
    {"Nome", 1, 1, 221.8, 7.2, 12, HAlign::Left, "NOME TURNO"},
    {"Data", 226, 1, 49.8, 7.2, 12, HAlign::Right, "DATA: GG/MM/AAAA ", "DATA:  ", " "},
};
// The workers of the slot, then its activity.
constexpr BoxRow kColumns[] = {
    {"Attivita", 180, 17, 94.5, 4.4, 9, HAlign::Left},
    {"Lavoratore", 71, 17, 105.5, 4.4, 9, HAlign::Left},
};
constexpr FixedRow kHeadings[] = {
    {"TURNISTI", 70, 11, 106.8, 3.8, 9, HAlign::Center},
    {"ATTIVITA' DA SVOLGERE", 180, 11, 94.5, 3.8, 9, HAlign::Center},
};
constexpr ShapeRow kRules[] = {
    {178, 10, 0, 89.6, nullptr, SlotSheet::kFrame},
};

} // namespace

const SheetDesign& design() {
    static const SheetDesign d =
        SlotSheet::build({QStringLiteral("daily sheet"), kTitle, kColumns,
                          SlotSheet::Order::ColumnByColumn, kHeadings, kRules});
    return d;
}

} // namespace report::DailySheet
