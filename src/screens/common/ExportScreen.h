#pragma once
// The screen an archive is exported to a spreadsheet from: a per-use modal
// copy made by the archive's editor, over itself. When it shows, its grid
// lists the whole archive, one row per record, with the columns of the
// archive's export table; an empty archive leaves the grid's ten empty rows.
// The spreadsheet icon writes the grid to the file in the program folder and
// offers to open it. Tab goes from the grid to the three buttons and back;
// the buttons take the editors' Alt letters (Esporta Alt+R, Guida Alt+G or
// F1, Esci Alt+C). A concrete export screen is only its table and its name.

#include "domain/HelpTexts.h"
#include "domain/SpreadsheetExport.h"

#include <QDialog>

class QLabel;
class QTableWidget;

class ExportScreen : public QDialog {
    Q_OBJECT
  public:
    // `editor` is the parent and tells the archive; a screen made without
    // one (the start-up instance) lists nothing.
    ExportScreen(QWidget* editor, const ExportTable& table, const QString& objectName,
                 const QString& caption, HelpTopic help);

    void cmdEsportaClick();
    // Where the export is written.
    QString filePath() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillGrid();
    void setRows(const std::vector<QStringList>& rows);
    std::vector<QStringList> gridRows() const;

    const ExportTable& table_;
    QTableWidget* grid_ = nullptr;
    bool filled_ = false;
};
