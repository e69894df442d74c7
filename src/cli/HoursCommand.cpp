// hours --year YYYY [--weekly] [--from dd/mm/yyyy] [--to dd/mm/yyyy]: the
// hours of every worker in the period (by default the whole year), as the
// editors' "Ore" list gives them, for the payroll. Only reads the archive.
#include "Commands.h"
#include "ShiftArgs.h"

#include "domain/BookingTexts.h"

namespace cli {

int runHours(const Options& options, const QStringList& args) {
    const QString usage = QStringLiteral("usage: velmora-cli [--folder DIR] hours --year YYYY "
                                         "[--weekly] [--from dd/mm/yyyy] [--to dd/mm/yyyy]");
    const ShiftRequest request =
        parseShiftRequest(options, args, {QStringLiteral("--from"), QStringLiteral("--to")}, usage);
    const int year = request.year.toInt();
    const QDate from = dateOption(request, QStringLiteral("--from"), QDate(year, 1, 1), usage);
    const QDate to = dateOption(request, QStringLiteral("--to"), QDate(year, 12, 31), usage);
    if (request.values.count(QStringLiteral("--from")) &&
        request.values.count(QStringLiteral("--to")) && from > to)
        usageError(QStringLiteral("--from %1 is after --to %2")
                       .arg(request.values.at(QStringLiteral("--from")),
                            request.values.at(QStringLiteral("--to"))),
                   usage);
    const bookings::HoursReport report =
        bookings::readLedger(request.archive, *request.layout, MissingArchive::ListNothing)
            .hours(from, to);
    QStringList lines;
    for (const bookings::WorkerHours& w : report.workers)
        lines << w.worker + u'\t' + bookings::hoursText(w.minutes);
    writeTextLines(lines);
    if (report.unreadable > 0)
        writeErr(QStringLiteral("velmora-cli: %1 slot(s) with workers left out: their times or "
                                "date cannot be read\n")
                     .arg(report.unreadable));
    return kExitOk;
}

} // namespace cli
