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
#include <optional>

namespace {

using cli::kExitFailure;
using cli::kExitOk;

// How a command reads what follows its name.
enum class ArgStyle {
    Files,   // file names only; an option there is a misplaced global one
    Options, // options of its own, each but kFlags followed by a value
    Data,    // values taken as they are, even one that starts with '-'
};

// The commands' options that take no value.
const QStringList kFlags = {QStringLiteral("--weekly")};

struct Command {
    const char* name;
    const char* arguments; // as shown in the usage
    const char* summary;   // lines of the help, '\n' between them
    int minArgs;
    int maxArgs;
    ArgStyle style;
    int (*run)(const cli::Options&, const QStringList&);
    // The application object the command needs, or nullptr for a
    // QCoreApplication (a command that lays out text needs a GUI one).
    std::unique_ptr<QCoreApplication> (*makeApplication)(int& argc, char** argv);
};

// One entry per command, each implemented in its own file.
const Command kCommands[] = {
    {"dump", "FILE", "print every record as one JSON object per line", 1, 1, ArgStyle::Files,
     cli::runDump, nullptr},
    {"verify", "FILE",
     "print the record count, the bytes of an incomplete last record and every\n"
     "length byte beyond its field's capacity; exit 1 when any is found",
     1, 1, ArgStyle::Files, cli::runVerify, nullptr},
    {"pdf", "daily|weekly --year YYYY N -o FILE.pdf | timetables|workers N -o FILE.pdf",
     "write the printed sheet of record N as a one-page PDF: of that year's daily\n"
     "or weekly archive (YYYY.ore, YYYY.set), of Orari.pro, or the worker card of\n"
     "Dipendenti.pro",
     1, 8, ArgStyle::Options, cli::runPdf, cli::makePdfApplication},
    {"check", "codfisc|iva|iban|carta VALUE",
     "print the message the check dialog shows for a fiscal code, VAT number,\n"
     "IBAN or card number; exit 0 valid, 1 wrong, 2 not checked (wrong length,\n"
     "empty)",
     2, 2, ArgStyle::Data, cli::runCheck, nullptr},
    {"find", "daily|weekly|timetables|workers [--year YYYY] [--FIELD TEXT]...",
     "print the lines the search screen lists, in its order: every record in\n"
     "which each TEXT occurs in its FIELD (A to Z in any case); the FIELDs are\n"
     "the record fields of the screen's filters (--Nome, --Sede, --Attivita01...);\n"
     "--year is required for daily and weekly",
     1, 99, ArgStyle::Options, cli::runFind, nullptr},
    {"renewals", "[--today dd/mm/yyyy]",
     "print the lines of the worker editor's list of contracts due for renewal,\n"
     "in its order: every worker of Dipendenti.pro whose Scadenza less Preavviso\n"
     "days is on or before today (default: the system's date); a Scadenza that\n"
     "is not a date or a Preavviso that is not a number is listed too",
     0, 2, ArgStyle::Options, cli::runRenewals, nullptr},
    {"export", "daily --year YYYY | timetables | workers [-o FILE]",
     "write the spreadsheet file the export screen writes: every record of that\n"
     "year's daily archive (YYYY.ore), of Orari.pro or of Dipendenti.pro; by\n"
     "default Turni_Lavoro.xls, Orari_Lavoro.xls or Personale_Interno.xls in the\n"
     "folder",
     1, 5, ArgStyle::Options, cli::runExport, nullptr},
    {"conflicts", "--year YYYY [--weekly]",
     "print every worker booked in two overlapping slots of that year's daily\n"
     "(or weekly) tables, in one table or in two: date, worker, first slot's\n"
     "times, its table, second slot's times, its table, tab-separated, by date\n"
     "and worker; exit 1 when there is any",
     2, 3, ArgStyle::Options, cli::runConflicts, nullptr},
    {"hours", "--year YYYY [--weekly] [--from dd/mm/yyyy] [--to dd/mm/yyyy]",
     "print each worker's hours in the period (default: the whole year) as\n"
     "name, tab, H:MM, by name; slots whose times cannot be read are left out\n"
     "and counted on the error output",
     2, 7, ArgStyle::Options, cli::runHours, nullptr},
    {"ical", "--year YYYY --worker \"Cognome Nome\" [--weekly] -o FILE.ics",
     "write the worker's slots of that year as an iCalendar file (Europe/Rome\n"
     "times) to import into a calendar; importing a newer file updates the\n"
     "events it imported before",
     6, 7, ArgStyle::Options, cli::runIcal, nullptr},
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
        "Options:\n"
        "  --folder DIR   folder of relative FILE names and of the archives (default: the\n"
        "                 program's folder); before or after the command\n"
        "  --kind KIND    daily, weekly, timetables or workers (default: from the file\n"
        "                 name: NNNN.ore, NNNN.set, Orari.pro, Dipendenti.pro); before\n"
        "                 the command\n"
        "  -h, --help     print this help\n"
        "Each option is given once; a file name is used as typed, in whatever encoding.\n"
        "\n"
        "pdf, export and ical write only the file asked for, whole or not at all, and\n"
        "refuse (exit 2) an output named as an archive or the password store (NNNN.ore,\n"
        "NNNN.set, Orari.pro, Dipendenti.pro, unins000.dll, in any case) in any folder,\n"
        "the program folder's Guida.pdf, velmora and velmora-cli, and an existing\n"
        "output that is not a regular file (a folder, a named pipe, a device).\n"
        "find, renewals, conflicts and hours write a control character of a field as\n"
        "\\xHH (a tab stays a tab). A folder, a looping link or a named pipe where an\n"
        "archive should be is an error (exit 2), never an empty archive.\n"
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

// What the command printed reached its reader, or `status` becomes the
// failure it is. A write that failed on the way leaves the stream's error
// mark even when the last flush has nothing left to write.
int afterOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(QStringLiteral("cannot write the output"));
    return status;
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

// Takes --folder DIR (or --folder=DIR) out of what follows the command,
// where it may stand anywhere but as the value of another option. Returns a
// usage error's text, or an empty one.
QString takeFolder(QStringList& args, ArgStyle style, std::optional<QString>& folder) {
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool joined = a.startsWith(QStringLiteral("--folder="));
        if (a == u"--folder" || joined) {
            if (folder) return QStringLiteral("--folder given twice");
            if (!joined && i + 1 >= args.size()) return QStringLiteral("--folder needs a value");
            folder = joined ? a.mid(9) : args[++i];
            continue;
        }
        rest << a;
        const bool takesValue =
            style == ArgStyle::Options && a.startsWith(u'-') && a.size() > 1 && !kFlags.contains(a);
        if (takesValue && i + 1 < args.size()) rest << args[++i];
    }
    args = rest;
    return {};
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
        arguments << cli::argumentText(argv[i]);

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
        return afterOutput(kExitOk);
    }
    for (const QCommandLineOption* o : {&folderOption, &kindOption})
        if (parser.values(*o).size() > 1)
            return usageError(QStringLiteral("--%1 given twice").arg(o->names().first()));

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) return usageError(QStringLiteral("no command given"));
    const Command* command = findCommand(positional.first());
    if (!command) return usageError(QStringLiteral("unknown command '%1'").arg(positional.first()));
    QStringList args = positional.mid(1);
    std::optional<QString> folder;
    if (parser.isSet(folderOption)) folder = parser.value(folderOption);
    const QString misplaced = takeFolder(args, command->style, folder);
    if (!misplaced.isEmpty()) return usageError(misplaced);
    if (command->style == ArgStyle::Files) {
        for (const QString& a : args)
            if (a.startsWith(u'-') && a.size() > 1)
                return usageError(QStringLiteral("--kind goes before the command\n") +
                                  commandUsage(*command));
        if (args.size() < command->minArgs || args.size() > command->maxArgs)
            return usageError(commandUsage(*command));
    }

    const std::unique_ptr<QCoreApplication> app =
        command->makeApplication ? command->makeApplication(argc, argv)
                                 : std::make_unique<QCoreApplication>(argc, argv);

    try {
        cli::Options options;
        options.folder = folder ? cli::folderPath(*folder) : QCoreApplication::applicationDirPath();
        options.kind = parser.value(kindOption);
        return afterOutput(command->run(options, args));
    } catch (const cli::CliError& e) {
        return fail(e.message());
    } catch (const ArchiveError& e) {
        return fail(QString::fromStdString(e.what()));
    }
}
