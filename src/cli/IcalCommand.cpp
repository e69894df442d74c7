// ical --year YYYY --worker "Cognome Nome" [--weekly] -o FILE.ics: the
// worker's shifts of that year as a calendar file to import into a phone or
// a desktop calendar. Reads the archive only; the file is written whole or
// not at all, and never onto one of the program's own files.
#include "Commands.h"
#include "ShiftArgs.h"

#include "archive/Text.h"
#include "domain/Environment.h"
#include "domain/WorkerCalendar.h"

namespace cli {

int runIcal(const Options& options, const QStringList& args) {
    const QString usage = QStringLiteral("usage: velmora-cli [--folder DIR] ical --year YYYY "
                                         "--worker \"Cognome Nome\" [--weekly] -o FILE.ics");
    const QString output = QStringLiteral("-o");
    const QString worker = QStringLiteral("--worker");
    const ShiftRequest request = parseShiftRequest(options, args, {output, worker}, usage);
    if (!request.values.count(worker) || vtext::trimmed(request.values.at(worker)).isEmpty())
        throw CliError(QStringLiteral("no worker given (--worker \"Cognome Nome\")\n") + usage);
    if (!request.values.count(output))
        throw CliError(QStringLiteral("no output file given (-o)\n") + usage);
    const OutputFile file = checkedOutput(options, request.values.at(output));

    const QString name = vtext::trimmed(request.values.at(worker));
    const calendar::WorkerEvents found =
        calendar::workerEvents(request.archive, *request.layout, name, MissingArchive::ListNothing);
    file.save(calendar::icsText(QStringLiteral("Turni di ") + name, found.events,
                                Clock::current().now()));
    if (found.events.empty())
        writeErr(QStringLiteral("velmora-cli: no slot of %1 in %2\n").arg(name, request.archive));
    if (found.unreadable > 0)
        writeErr(QStringLiteral("velmora-cli: %1 slot(s) of %2 left out: their times or date "
                                "cannot be read\n")
                     .arg(QString::number(found.unreadable), name));
    return kExitOk;
}

} // namespace cli
