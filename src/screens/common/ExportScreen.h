#pragma once
// The screen an archive is exported to a spreadsheet from: a per-use modal
// copy made by the archive's editor, over itself, which hands it the archive
// and the export table of its kind. When it shows, its grid lists the whole
// archive, one row per record, with the columns of that table; an empty
// archive leaves the grid's ten empty rows. The spreadsheet icon writes the
// grid to the table's file in the program folder and offers to open it. Tab
// goes from the grid to the three buttons and back; the buttons take the
// editors' Alt letters (Esporta Alt+R, Guida Alt+G or F1, Esci Alt+C). A
// concrete export screen is only its name, its caption and its help topic.

#include "FormKit.h"
#include "Platform.h"
#include "domain/ArchiveKinds.h"
#include "domain/HelpTexts.h"
#include "domain/SpreadsheetExport.h"

#include <QDialog>

class QTableWidget;

// What the editor that opens an export hands it: the archive to list and the
// table of the columns to list and write. Without them (the start-up
// instance) the screen has its number column alone and lists nothing.
struct ExportSource {
    QString archivePath;
    const ExportTable* table = nullptr;
};

class ExportScreen : public QDialog {
    Q_OBJECT
  public:
    // `opener` is the parent, and `source` what it exports.
    ExportScreen(QWidget* opener, ExportSource source, const QString& objectName,
                 const QString& caption, HelpTopic help);

    void cmdEsportaClick();
    // Where the export is written; empty for a screen handed nothing.
    QString filePath() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillGrid();
    void setRows(const std::vector<QStringList>& rows);
    std::vector<QStringList> gridRows() const;

    const ExportSource source_;
    QTableWidget* grid_ = nullptr;
    bool filled_ = false;
};

// Wires an editor's button to the export screen `Screen`, handed at each
// press the editor's archive as it is then and the export table of its kind.
template <class Screen, class Editor>
void opensExport(Editor* editor, const QString& button, ArchiveKindId kind) {
    FormKit::onClick(editor, button, [editor, kind] {
        Screen screen(editor, ExportSource{editor->archivePath(), archiveKind(kind).exported});
        showModal(screen);
    });
}
