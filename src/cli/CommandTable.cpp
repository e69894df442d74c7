#include "CommandTable.h"

#include "Commands.h"
#include "PdfCommand.h"

namespace cli {

namespace {

// One entry per command, each implemented in its own file.
const Command kCommands[] = {
    {"dump", "FILE", "print every record as one JSON object per line", 1, 1, ArgStyle::Files,
     cli::runDump, nullptr},
    {"verify", "FILE",
     "print the record count, the bytes of an incomplete last record and every\n"
     "length byte beyond its field's capacity; exit 1 when any is found",
     1, 1, ArgStyle::Files, cli::runVerify, nullptr},
    {"repair", "FILE -o NEW",
     "write to NEW every whole record of a damaged archive, each length byte\n"
     "beyond its field's capacity clamped to it and an incomplete last record\n"
     "dropped, and print what changed; exit 0 when nothing needed repair, 1 when\n"
     "something did. NEW is never an archive: put it in the archive's place by\n"
     "hand, with the program closed",
     1, 3, ArgStyle::Options, cli::runRepair, nullptr},
    {"backups", "",
     "list the program's daily copies of the archives in Backup/ of the folder:\n"
     "archive, day, records, size; to restore one, close the program and copy\n"
     "it over the archive under the archive's name",
     0, 0, ArgStyle::Files, cli::runBackups, nullptr},
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

} // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* findCommand(const QString& name) {
    for (const Command& c : kCommands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

} // namespace cli
