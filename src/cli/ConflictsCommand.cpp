// conflicts --year YYYY [--weekly]: every worker booked in two overlapping
// slots of that year's tables, one line each, for a check run before the
// sheets go out. Only reads the archive.
#include "Commands.h"
#include "ShiftArgs.h"

#include "domain/BookingTexts.h"

namespace cli {

int runConflicts(const Options& options, const QStringList& args) {
    const ShiftRequest request = parseShiftRequest(
        options, args, {},
        QStringLiteral("usage: velmora-cli [--folder DIR] conflicts --year YYYY [--weekly]"));
    const std::vector<bookings::Conflict> conflicts =
        bookings::readLedger(request.archive, *request.layout, MissingArchive::ListNothing)
            .conflicts();
    QStringList lines;
    for (const bookings::Conflict& c : conflicts)
        lines << QStringList{c.first.date.toString(QStringLiteral("dd/MM/yyyy")),
                             c.worker,
                             bookings::spanText(c.first.span),
                             c.first.table,
                             bookings::spanText(c.second.span),
                             c.second.table}
                     .join(u'\t');
    writeTextLines(lines);
    return conflicts.empty() ? kExitOk : kExitFound;
}

} // namespace cli
