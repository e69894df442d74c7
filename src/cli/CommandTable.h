#pragma once
// The companion's commands, in one table: the command line is read by it,
// and --help, the manual page and the shell completion are written from it.

#include "CliSupport.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>
#include <span>

namespace cli {

// How a command reads what follows its name.
enum class ArgStyle {
    Files,   // file names only; an option there is a misplaced global one
    Options, // options of its own, each but kFlags followed by a value
    Data,    // values taken as they are, even one that starts with '-'
};

// The commands' options that take no value.
inline const QStringList kFlags = {QStringLiteral("--weekly")};

struct Command {
    const char* name;
    const char* arguments; // as shown in the usage
    const char* summary;   // lines of the help, '\n' between them
    int minArgs;
    int maxArgs;
    ArgStyle style;
    int (*run)(const Options&, const QStringList&);
    // The application object the command needs, or nullptr for a
    // QCoreApplication (a command that lays out text needs a GUI one).
    std::unique_ptr<QCoreApplication> (*makeApplication)(int& argc, char** argv);
};

// Every command, in the order of the help.
std::span<const Command> commands();
// The command of that name, or nullptr.
const Command* findCommand(const QString& name);

} // namespace cli
