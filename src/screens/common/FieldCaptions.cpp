#include "FieldCaptions.h"

#include <QHash>

namespace {

// Slot fields are listed by their name without the two-digit slot number,
// with %1 where the number goes.
const QHash<QString, QString>& captions() {
    static const QHash<QString, QString> table = {
        {"Nome", "Nome tabella turni:"},
        {"Data", "Data:"},
        {"DataInizio", "Data inizio:"},
        {"DataFine", "Data fine:"},
        {"Periodo", "Periodo validità:"},
        {"Sede", "Sede operativa:"},
        {"Disposizioni", "Disposizioni organizzative:"},
        {"Annotazioni", "Annotazioni:"},
        {"Lavoratore", "Turnista %1:"},
        {"Attivita", "Attività da svolgere %1:"},
    };
    return table;
}

// The worker registry names its fields as the worker editor does.
const QHash<QString, QString>& workerCaptions() {
    static const QHash<QString, QString> table = {
        {"Cognome", "Cognome:"},
        {"Nome", "Nome:"},
        {"Codice", "Mansione:"},
        {"Categoria", "Categoria:"},
        {"CodFisc", "Codice fiscale:"},
        {"Iva", "Partita IVA:"},
        {"Familiari", "Giorni e orari disponibilità:"},
        {"Prodotti", "Equipaggiamento assegnato:"},
        {"Acquisto", "Tipo contratto:"},
        {"Note", "Note:"},
    };
    return table;
}

} // namespace

QString filterCaption(const TRecordLayout& layout, const QString& field) {
    if (layout.kind() == QLatin1String("workers")) {
        const auto it = workerCaptions().constFind(field);
        if (it == workerCaptions().constEnd())
            qFatal("no caption for the worker field %s", qPrintable(field));
        return *it;
    }
    if (const auto it = captions().constFind(field); it != captions().constEnd()) return *it;
    bool isSlot = false;
    const int slot = field.right(2).toInt(&isSlot);
    const auto it = captions().constFind(field.chopped(2));
    if (!isSlot || field.size() < 3 || it == captions().constEnd())
        qFatal("no caption for the field %s", qPrintable(field));
    return it->arg(slot);
}
