#pragma once
// The spreadsheet files of the exported archives: an HTML table with the
// markup spreadsheet programs read as one worksheet, in Windows-1252, without
// a single line break. Each archive is described by a table of its columns;
// the export screens show the same table in their grid.

#include "archive/RecordArchive.h"
#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct ExportColumn {
    QString name;   // the grid column: "colNome"
    QString header; // on screen and in the file
    int screenWidth = 0;
    int fileWidth = 0;
    // The cell of one record, from its bytes as they sit in the archive.
    std::function<QString(const char* record)> cell;
};

struct ExportTable {
    QString fileName;  // in the program folder
    QString sheetName; // the worksheet's tab
    const TRecordLayout* layout = nullptr;
    // The exported columns, in order; the grid's number column is not one.
    std::vector<ExportColumn> columns;
};

// The rows an export screen's grid has before it is filled, which an empty
// archive exports as they are: empty.
inline constexpr int kEmptyExportRows = 10;

const ExportTable& dailyExport();     // Turni_Lavoro.xls from a yearly .ore
const ExportTable& timetableExport(); // Orari_Lavoro.xls from Orari.pro
const ExportTable& workerExport();    // Personale_Interno.xls from Dipendenti.pro

// One pass over the archive: `row` gets the cells of every record, first to
// last. Archive failures are thrown as ArchiveError.
void readExportRows(const QString& archivePath, const ExportTable& table, TRecordArchive::Mode mode,
                    const std::function<void(QStringList)>& row);

// The whole file for these rows, one text per column each. Every text is
// trimmed and written so that it reads back as it was typed: markup
// characters, line breaks and runs of blanks escaped, each data cell marked
// as text.
QByteArray spreadsheetBytes(const ExportTable& table, const std::vector<QStringList>& rows);

// Writes the file in place of an earlier one; a failure leaves the earlier
// file whole and returns false with the reason in `error`.
bool writeSpreadsheet(const QString& path, const ExportTable& table,
                      const std::vector<QStringList>& rows, QString* error = nullptr);
