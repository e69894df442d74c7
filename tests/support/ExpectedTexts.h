#pragma once
// The messages the screens show, written out as the user reads them, so a
// test compares what is shown with the text itself and never with the
// constant the program shows it from.

#include <QString>

namespace Expected {

// Any archive action that fails.
inline const QString kArchiveError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
    "possedere i privilegi di scrittura nella cartella di installazione del programma.");
// Another copy of the program kept the archive past the wait.
inline const QString kArchiveBusy = QStringLiteral(
    "Attenzione: l'archivio è in uso da un'altra copia del programma.\n\r\n\rAttendere "
    "qualche istante e riprovare.");

// The editors.
inline const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
inline const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kDuplicateFirst =
    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                   "questa è stata inserita in archivio.");
inline const QString kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine "
    "premere Salva per inserire la scheda in archivio.");
inline const QString kNameWarning =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome "
                   "identificativo della tabella dei turni.");
inline const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

} // namespace Expected
