#include "HelpText.h"

#include "CommandTable.h"

namespace cli::help {

namespace {

const Entry kOptions[] = {
    {"--folder DIR", "the data folder: where the archives and relative FILE names\n"
                     "are found (default: the one the program uses: its own folder\n"
                     "when its user may write there, else the VELMORA_FOLDER of\n"
                     "/etc/velmora.conf, else ~/.local/share/Velmora); before or\n"
                     "after the command"},
    {"--kind KIND", "daily, weekly, timetables or workers (default: from the file\n"
                    "name: NNNN.ore, NNNN.set, Orari.pro, Dipendenti.pro); before\n"
                    "the command"},
    {"-h, --help", "print this help"},
};

const char* const kRules[] = {
    "Each option is given once; a file name is used as typed, in whatever encoding.",
    "pdf, export, ical and repair write only the file asked for, whole or not at\n"
    "all, and refuse (exit 2) an output named as an archive or the password store\n"
    "(NNNN.ore, NNNN.set, Orari.pro, Dipendenti.pro, unins000.dll, in any case) in\n"
    "any folder, the program folder's Guida.pdf, velmora and velmora-cli, and an\n"
    "existing output that is not a regular file (a folder, a named pipe, a device).",
    "find, renewals, conflicts and hours write a control character of a field as\n"
    "\\xHH (a tab stays a tab). A folder, a looping link or a named pipe where an\n"
    "archive should be is an error (exit 2), never an empty archive.",
};

const Entry kExitStatus[] = {
    {"0", "done"},
    {"1", "damage found (verify) or repaired (repair), a wrong value (check) or\n"
          "a double booking (conflicts)"},
    {"2", "failure, bad usage or a value that cannot be checked (check)"},
};

const Entry kFiles[] = {
    {"NNNN.ore, NNNN.set", "the daily and the weekly shift tables of year NNNN, in the data\n"
                           "folder"},
    {"Orari.pro", "the timetable templates, in the data folder"},
    {"Dipendenti.pro", "the worker registry, in the data folder"},
    {"unins000.dll", "the access password, scrambled, in the data folder"},
    {"Backup/NAME.YYYYMMDD",
     "the copy of archive NAME the program made on that day before its first\n"
     "change of the day, in the data folder; the last 30 days of each archive\n"
     "are kept"},
    {"/etc/velmora.conf",
     "read for the default data folder: a line VELMORA_FOLDER=/a/folder names the\n"
     "folder shared by the users of a program folder they may not write, such as\n"
     "the package's /usr/lib/velmora"},
    {"~/.local/share/Velmora",
     "the user's own data folder when the program folder is shared and no\n"
     "VELMORA_FOLDER is set; the program makes it at its first start, with the\n"
     "first-access password store"},
};

const Entry kExports[] = {
    {"Turni_Lavoro.xls, Orari_Lavoro.xls, Personale_Interno.xls",
     "what export writes when no -o is given, in the data folder"},
};

const Entry kEnvironment[] = {
    {"VELMORA_CONF", "the configuration file read instead of /etc/velmora.conf"},
    {"XDG_DATA_HOME", "when set, the user's own data folder is $XDG_DATA_HOME/Velmora"},
};

const Entry kExamples[] = {
    {"velmora-cli verify 2024.ore",
     "Checks the daily shift tables of 2024 in the data folder; exits 1 when it\n"
     "finds damage."},
    {"velmora-cli --folder /srv/velmora find workers --Cognome rossi",
     "Lists the workers of a shared folder whose surname holds \"rossi\", in any case."},
    {"velmora-cli repair 2024.ore -o 2024-riparato.ore",
     "Writes a repaired copy of a damaged archive; exits 1 when it changed\n"
     "something."},
    {"velmora-cli pdf daily --year 2024 3 -o turno.pdf",
     "Writes the sheet of the third daily table of 2024, as Stampa prints it."},
    {"velmora-cli check codfisc RSSMRA80A01H501U",
     "Tells whether a fiscal code is valid; exits 1 when it is wrong."},
    {"velmora-cli hours --year 2024 --from 01/03/2024 --to 31/03/2024",
     "Prints each worker's hours of March 2024."},
    {"velmora-cli ical --year 2024 --worker \"Rossi Mario\" -o rossi.ics",
     "Writes a worker's slots of 2024 as a calendar file for a phone."},
};

// "  TERM  text", the text's lines under one another.
QString entries(std::span<const Entry> list, int width) {
    QString out;
    const QString indent(2 + width, u' ');
    for (const Entry& e : list) {
        QString line = QStringLiteral("  ") + QString::fromUtf8(e.term).leftJustified(width);
        if (line.size() > indent.size()) line += u'\n' + indent;
        out += line + QString::fromUtf8(e.text).replace(u'\n', u'\n' + indent) + u'\n';
    }
    return out;
}

} // namespace

std::span<const Entry> options() {
    return kOptions;
}
std::span<const char* const> rules() {
    return kRules;
}
std::span<const Entry> exitStatus() {
    return kExitStatus;
}
std::span<const Entry> files() {
    return kFiles;
}
std::span<const Entry> exports() {
    return kExports;
}
std::span<const Entry> environment() {
    return kEnvironment;
}
std::span<const Entry> examples() {
    return kExamples;
}

QString text() {
    QString out = QStringLiteral("Usage: velmora-cli %1\n\n%2\n\nCommands:\n")
                      .arg(QLatin1String(kSynopsis), QLatin1String(kPurpose));
    for (const Command& c : commands()) {
        const QString summary =
            QString::fromUtf8(c.summary).replace(QStringLiteral("\n"), QStringLiteral("\n      "));
        const QString usage = (QLatin1String(c.name) + u' ' + QLatin1String(c.arguments)).trimmed();
        out += QStringLiteral("  %1\n      %2\n").arg(usage, summary);
    }
    out += QStringLiteral("\nOptions:\n") + entries(kOptions, 15);
    for (const char* rule : kRules)
        out += u'\n' + QString::fromUtf8(rule) + u'\n';
    out += QStringLiteral("\nExit status:\n") + entries(kExitStatus, 3);
    return out;
}

} // namespace cli::help
