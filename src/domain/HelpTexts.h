#pragma once
// The program's help: the topic texts the help screen shows and the printed
// manual is made of. Each text is a list of paragraphs; on screen they are
// joined by one empty line.

#include <QString>
#include <QStringList>

enum class HelpTopic {
    General,          // the start menu: an overview of the whole program
    Workers,          // Anagrafica Lavoratori
    Timetables,       // Impostazione Orari
    Calendar,         // Calendario Turni: the year chooser, daily and weekly editors
    ExportDaily,      // the three spreadsheet exports
    ExportTimetables, //
    ExportWorkers,    //
};

namespace HelpTexts {

// The title the help screen shows above the topic's text.
QString title(HelpTopic topic);
// The topic's paragraphs, in order.
QStringList paragraphs(HelpTopic topic);
// The paragraphs joined by one empty line (CR LF CR LF).
QString text(HelpTopic topic);
QString join(const QStringList& paragraphs);

// The pieces the general text is made of, which the manual also prints on
// its own: the opening paragraph and the six closing ones.
QString introduction();
QStringList closing();

// The line under the product's name on the start menu, the about screens and
// the manual's title page.
inline const QString kProductLine = QStringLiteral(
    "Software per la programmazione dei turni di lavoro con impostazione personalizzata degli "
    "orari e archivio anagrafico dei lavoratori");

// The password a freshly installed program accepts, which the help quotes.
inline constexpr const char* kFirstPassword = "pergolatoverde";

} // namespace HelpTexts
