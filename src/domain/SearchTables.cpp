#include "SearchTables.h"

namespace {
// The fixed texts of the lines; each ends in the blank before its value.
QString s(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

const SearchTable& dailySearch() {
    static const SearchTable table{&TRecordLayout::daily(),
                                   {"Nome", "Data", "Sede", "Disposizioni", "Lavoratore01",
                                    "Lavoratore02", "Lavoratore03", "Lavoratore04", "Lavoratore05",
                                    "Annotazioni"},
                                   {{{}, {"Nome"}, 30},
                                    {s("  Data: "), {"Data"}, 10},
                                    {s("  Sede: "), {"Sede"}, 30},
                                    {s("  Note: "), {"Annotazioni"}, kInFull}}};
    return table;
}

const SearchTable& weeklySearch() {
    static const SearchTable table{
        &TRecordLayout::weekly(),
        {"Nome", "Sede", "DataInizio", "DataFine", "Disposizioni", "Annotazioni"},
        {{{}, {"Nome"}, 30},
         {s("  Da: "), {"DataInizio"}, 10},
         {s("  A: "), {"DataFine"}, 10},
         {s("  Sede: "), {"Sede"}, 30},
         {s("  Note: "), {"Annotazioni"}, kInFull}}};
    return table;
}

const SearchTable& timetableSearch() {
    static const SearchTable table{&TRecordLayout::timetables(),
                                   {"Nome", "Periodo", "Sede", "Disposizioni", "Attivita01",
                                    "Attivita02", "Attivita03", "Attivita04", "Attivita05",
                                    "Annotazioni"},
                                   {{{}, {"Nome"}, 30},
                                    {s("  Periodo: "), {"Periodo"}, 24},
                                    {s("  Sede: "), {"Sede"}, 24},
                                    {s("  Note: "), {"Annotazioni"}, kInFull}}};
    return table;
}

const SearchTable& workerSearch() {
    static const SearchTable table{&TRecordLayout::workers(),
                                   {"Cognome", "Nome", "Codice", "Categoria", "CodFisc", "Iva",
                                    "Familiari", "Prodotti", "Acquisto", "Note"},
                                   {{{}, {"Cognome", "Nome"}, 28},
                                    {s("  C.F. "), {"CodFisc"}, 16},
                                    {s("  Mans. "), {"Codice"}, 24},
                                    {s("  Tel. "), {"Recapito"}, 14},
                                    {s("  Note: "), {"Note"}, kInFull}}};
    return table;
}
