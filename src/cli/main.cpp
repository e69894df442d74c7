// velmora-cli: the archives and the identifier checks from the command line.
// Every command only reads the archives: none is ever created or changed from
// here.
#include "Commands.h"
#include "PdfCommand.h"

#include "archive/RecordArchive.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

using cli::kExitFailure;
using cli::kExitOk;

struct Command {
    const char* name;
    const char* arguments; // as shown in the usage
    const char* summary;   // lines of the help, '\n' between them
    int minArgs;
    int maxArgs;
    // True when the command reads options of its own after its name;
    // otherwise an argument starting with '-' is a misplaced global option.
    bool ownOptions;
    int (*run)(const cli::Options&, const QStringList&);
    // The application object the command needs, or nullptr for a
    // QCoreApplication (a command that lays out text needs a GUI one).
    std::unique_ptr<QCoreApplication> (*makeApplication)(int& argc, char** argv);
};

// One entry per command, each implemented in its own file.
const Command kCommands[] = {
    {"dump", "FILE", "print every record as one JSON object per line", 1, 1, false, cli::runDump,
     nullptr},
    {"verify", "FILE",
     "print the record count, the bytes of an incomplete last record and every\n"
     "length byte beyond its field's capacity; exit 1 when any is found",
     1, 1, false, cli::runVerify, nullptr},
    {"pdf", "daily|weekly --year YYYY N -o FILE.pdf | timetables|workers N -o FILE.pdf",
     "write the printed sheet of record N as a one-page PDF: of that year's daily\n"
     "or weekly archive (YYYY.ore, YYYY.set), of Orari.pro, or the worker card of\n"
     "Dipendenti.pro",
     1, 8, true, cli::runPdf, cli::makePdfApplication},
    {"check", "codfisc|iva|iban|carta VALUE",
     "print the message the check dialog shows for a fiscal code, VAT number,\n"
     "IBAN or card number; exit 0 valid, 1 wrong, 2 not checked (wrong length,\n"
     "empty)",
     2, 2, true, cli::runCheck, nullptr},
    {"find", "daily|weekly|timetables|workers [--year YYYY] [--FIELD TEXT]...",
     "print the lines the search screen lists, in its order: every record in\n"
     "which each TEXT occurs in its FIELD (A to Z in any case); the FIELDs are\n"
     "the record fields of the screen's filters (--Nome, --Sede, --Attivita01...);\n"
     "--year is required for daily and weekly",
     1, 99, true, cli::runFind, nullptr},
    {"renewals", "[--today dd/mm/yyyy]",
     "print the lines of the worker editor's list of contracts due for renewal,\n"
     "in its order: every worker of Dipendenti.pro whose Scadenza less Preavviso\n"
     "days is on or before today (default: the system's date); a Scadenza that\n"
     "is not a date or a Preavviso that is not a number is listed too",
     0, 2, true, cli::runRenewals, nullptr},
    {"export", "daily --year YYYY | timetables | workers [-o FILE]",
     "write the spreadsheet file the export screen writes: every record of that\n"
     "year's daily archive (YYYY.ore), of Orari.pro or of Dipendenti.pro; by\n"
     "default Turni_Lavoro.xls, Orari_Lavoro.xls or Personale_Interno.xls in the\n"
     "folder",
     1, 5, true, cli::runExport, nullptr},
    {"conflicts", "--year YYYY [--weekly]",
     "print every worker booked in two overlapping slots of that year's daily\n"
     "(or weekly) tables, in one table or in two: date, worker, first slot's\n"
     "times, its table, second slot's times, its table, tab-separated, by date\n"
     "and worker; exit 1 when there is any",
     2, 3, true, cli::runConflicts, nullptr},
    {"hours", "--year YYYY [--weekly] [--from dd/mm/yyyy] [--to dd/mm/yyyy]",
     "print each worker's hours in the period (default: the whole year) as\n"
     "name, tab, H:MM, by name; slots whose times cannot be read are left out\n"
     "and counted on the error output",
     2, 7, true, cli::runHours, nullptr},
    {"ical", "--year YYYY --worker \"Cognome Nome\" [--weekly] -o FILE.ics",
     "write the worker's slots of that year as an iCalendar file (Europe/Rome\n"
     "times) to import into a calendar; importing a newer file updates the\n"
     "events it imported before",
     6, 7, true, cli::runIcal, nullptr},
};

QString usage() {
    QString text =
        QStringLiteral("Usage: velmora-cli [--folder DIR] [--kind KIND] COMMAND ARGS...\n"
                       "\n"
                       "Reads the program's archives; never creates or changes an archive.\n"
                       "\n"
                       "Commands:\n");
    for (const Command& c : kCommands) {
        const QString summary =
            QString::fromUtf8(c.summary).replace(QStringLiteral("\n"), QStringLiteral("\n      "));
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(c.name), QLatin1String(c.arguments), summary);
    }
    text += QStringLiteral(
        "\n"
        "Options (before the command):\n"
        "  --folder DIR   folder of relative FILE names (default: the program's folder)\n"
        "  --kind KIND    daily, weekly, timetables or workers (default: from the file\n"
        "                 name: NNNN.ore, NNNN.set, Orari.pro, Dipendenti.pro)\n"
        "  -h, --help     print this help\n"
        "\n"
        "Exit status: 0 done, 1 damage found (verify), a wrong value (check) or a\n"
        "double booking (conflicts),\n"
        "2 failure, bad usage or a value that cannot be checked (check).\n");
    return text;
}

int fail(const QString& message) {
    cli::writeErr(QStringLiteral("velmora-cli: %1\n").arg(message));
    return kExitFailure;
}

int usageError(const QString& message) {
    return fail(message + QStringLiteral("\nTry 'velmora-cli --help'."));
}

const Command* findCommand(const QString& name) {
    for (const Command& c : kCommands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

QString commandUsage(const Command& c) {
    return QStringLiteral("usage: velmora-cli [--folder DIR] [--kind KIND] %1 %2")
        .arg(QLatin1String(c.name), QLatin1String(c.arguments));
}

} // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
    // A file-size limit reached while writing is a failed write (exit 2),
    // not a reason for the system to stop the companion.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // The command decides which application object to build, so the command
    // line is read before there is one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Global options stand before the command; what follows it is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption folderOption(QStringLiteral("folder"), QString(),
                                          QStringLiteral("DIR"));
    const QCommandLineOption kindOption(QStringLiteral("kind"), QString(), QStringLiteral("KIND"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({folderOption, kindOption, helpOption});
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        cli::writeOut(usage());
        std::fflush(stdout);
        return kExitOk;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) return usageError(QStringLiteral("no command given"));
    const Command* command = findCommand(positional.first());
    if (!command) return usageError(QStringLiteral("unknown command '%1'").arg(positional.first()));
    const QStringList args = positional.mid(1);
    if (!command->ownOptions) {
        for (const QString& a : args)
            if (a.startsWith(u'-') && a.size() > 1)
                return usageError(QStringLiteral("options go before the command\n") +
                                  commandUsage(*command));
        if (args.size() < command->minArgs || args.size() > command->maxArgs)
            return usageError(commandUsage(*command));
    }

    const std::unique_ptr<QCoreApplication> app =
        command->makeApplication ? command->makeApplication(argc, argv)
                                 : std::make_unique<QCoreApplication>(argc, argv);

    cli::Options options;
    options.folder = parser.isSet(folderOption) ? parser.value(folderOption)
                                                : QCoreApplication::applicationDirPath();
    options.kind = parser.value(kindOption);

    try {
        const int status = command->run(options, args);
        if (std::fflush(stdout) != 0) return fail(QStringLiteral("cannot write the output"));
        return status;
    } catch (const cli::CliError& e) {
        return fail(QString::fromStdString(e.what()));
    } catch (const ArchiveError& e) {
        return fail(QString::fromStdString(e.what()));
    }
}
