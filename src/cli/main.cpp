// velmora-cli: the archives and the identifier checks from the command line.
// Every command only reads the archives: none is ever created or changed from
// here.
#include "CommandTable.h"
#include "Completion.h"
#include "HelpText.h"

#include "archive/RecordArchive.h"
#include "domain/Environment.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

using cli::ArgStyle;
using cli::Command;
using cli::findCommand;
using cli::kExitFailure;
using cli::kExitOk;

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
        const bool takesValue = style == ArgStyle::Options && a.startsWith(u'-') && a.size() > 1 &&
                                !cli::kFlags.contains(a);
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
    // The shell's completion asks what may follow the words typed so far.
    if (arguments.size() > 1 && arguments[1] == u"--complete") {
        const QCoreApplication app(argc, argv);
        cli::writeOut(cli::completions(arguments.mid(2)).join(u'\n') + u'\n');
        std::fflush(stdout);
        return kExitOk;
    }

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
        cli::writeOut(cli::help::text());
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
        // By default the data folder the program itself works in.
        options.folder = folder ? cli::folderPath(*folder) : QDir::cleanPath(ProgramFolder::path());
        options.kind = parser.value(kindOption);
        return afterOutput(command->run(options, args));
    } catch (const cli::CliError& e) {
        return fail(e.message());
    } catch (const ArchiveError& e) {
        return fail(QString::fromStdString(e.what()));
    }
}
