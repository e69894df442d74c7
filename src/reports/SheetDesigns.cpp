#include "SheetDesigns.h"

#include "DailySheet.h"
#include "TimetableSheet.h"
#include "WeeklySheet.h"
#include "WorkerCard.h"

namespace report {

// Every sheet has its case: a new one is a build error until it has a design.
const SheetDesign& sheetDesign(PrintedSheet sheet) {
    switch (sheet) {
    case PrintedSheet::DailyTable:
        return DailySheet::design();
    case PrintedSheet::WeeklyTable:
        return WeeklySheet::design();
    case PrintedSheet::Timetable:
        return TimetableSheet::design();
    case PrintedSheet::WorkerCard:
        return WorkerCard::design();
    }
    Q_UNREACHABLE();
}

} // namespace report
