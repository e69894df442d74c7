#include "TimetableSheet.h"

#include "SlotSheet.h"

namespace report::TimetableSheet {

namespace {

constexpr BoxRow kTitle[] = {
    {"Nome", 1, 1, 274.8, 7.2, 12, HAlign::Center, "NOME TURNO"},
};
// The activity takes the whole width after the times.
constexpr BoxRow kColumns[] = {
    {"Attivita", 71, 17, 203.5, 4.4, 9, HAlign::Left},
};
constexpr FixedRow kHeadings[] = {
    {"ATTIVITA' DA SVOLGERE", 70, 11, 205, 3.8, 9, HAlign::Center},
};

} // namespace

const SheetDesign& design() {
    static const SheetDesign d = SlotSheet::build({QStringLiteral("timetable sheet"),
                                                   kTitle,
                                                   kColumns,
                                                   SlotSheet::Order::SlotBySlot,
                                                   kHeadings,
                                                   {}});
    return d;
}

} // namespace report::TimetableSheet
