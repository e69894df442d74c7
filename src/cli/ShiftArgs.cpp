#include "ShiftArgs.h"

#include "domain/WorkerRules.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace cli {

ShiftRequest parseShiftRequest(const Options& options, const QStringList& args,
                               const QStringList& valued, const QString& usage) {
    auto fail = [&usage](const QString& what) { throw CliError(what + u'\n' + usage); };
    ShiftRequest r;
    bool weekly = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--weekly") {
            weekly = true;
        } else if (a == u"--year" || valued.contains(a)) {
            if (i + 1 >= args.size()) fail(QStringLiteral("%1 needs a value").arg(a));
            if (a == u"--year")
                r.year = args[++i];
            else if (r.values.count(a))
                fail(QStringLiteral("%1 given twice").arg(a));
            else
                r.values[a] = args[++i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            fail(QStringLiteral("unknown option '%1'").arg(a));
        } else {
            fail(QStringLiteral("unexpected argument '%1'").arg(a));
        }
    }
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    if (!fourDigits.match(r.year).hasMatch())
        fail(QStringLiteral("--year needs a four-digit year"));
    r.layout = weekly ? &TRecordLayout::weekly() : &TRecordLayout::daily();
    r.archive = QDir::cleanPath(
        QDir(options.folder)
            .filePath(r.year + (weekly ? QStringLiteral(".set") : QStringLiteral(".ore"))));
    if (!QFileInfo(r.archive).isFile())
        throw CliError(QStringLiteral("no archive at %1").arg(r.archive));
    return r;
}

QDate dateOption(const ShiftRequest& request, const QString& option, const QDate& otherwise,
                 const QString& usage) {
    const auto given = request.values.find(option);
    if (given == request.values.end()) return otherwise;
    const std::optional<QDate> day = worker::contractDate(given->second);
    if (!day)
        throw CliError(QStringLiteral("'%1' is not a date dd/mm/yyyy").arg(given->second) + u'\n' +
                       usage);
    return *day;
}

} // namespace cli
