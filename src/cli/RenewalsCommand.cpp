// renewals [--today dd/mm/yyyy]: the contracts due for renewal, as the
// worker editor's list shows them and in its order, for a reminder run from
// a scheduler. Only reads: a missing Dipendenti.pro lists nothing and is
// left missing.
#include "Commands.h"

#include "domain/ArchiveKinds.h"
#include "domain/Renewals.h"
#include "domain/WorkerRules.h"

#include <QDir>

#include <optional>

namespace cli {

namespace {

const QString kUsage =
    QStringLiteral("usage: velmora-cli [--folder DIR] renewals [--today dd/mm/yyyy]");

[[noreturn]] void usageError(const QString& what) {
    throw CliError(what + u'\n' + kUsage);
}

// The day given with --today, as a clock that tells it; none without it.
std::optional<FixedClock> givenToday(const QStringList& args) {
    if (args.isEmpty()) return std::nullopt;
    if (args.first() != u"--today")
        usageError(QStringLiteral("unexpected argument '%1'").arg(args.first()));
    if (args.size() < 2) usageError(QStringLiteral("--today needs a date"));
    if (args.size() > 2) usageError(QStringLiteral("unexpected argument '%1'").arg(args[2]));
    const std::optional<QDate> day = worker::contractDate(args[1]);
    if (!day) usageError(QStringLiteral("'%1' is not a date dd/mm/yyyy").arg(args[1]));
    return FixedClock(QDateTime(*day, QTime(12, 0)));
}

} // namespace

int runRenewals(const Options& options, const QStringList& args) {
    const std::optional<FixedClock> given = givenToday(args);
    const Clock& clock = given ? static_cast<const Clock&>(*given) : Clock::current();
    writeLines(dueRenewals(QDir::cleanPath(QDir(options.folder).filePath(kWorkersFile)), clock,
                           MissingArchive::ListNothing));
    return kExitOk;
}

} // namespace cli
