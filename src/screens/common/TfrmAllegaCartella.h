#pragma once
// The attachments of a record: up to three files, each copied into the
// attachments folder beside the program, with a description. The editor
// that registered the routing tag gets the six values back on "Applica e
// chiudi"; they reach the archive at its next Salva.

#include <QDialog>

class QLabel;

class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmAllegaCartella(QWidget* parent = nullptr);

    // Chooses a file for the slot (1 to 3) and copies it into the folder,
    // never through a link there; a name the record cannot hold, a file
    // that is not a regular one or a copy that fails is told, and the slot
    // keeps its old name and its old file.
    void btnSfogliaClick(int slot);
    // Opens the slot's attached file with the desktop's program.
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();

  private:
    QLabel* lblMemory_;
};

namespace Attachments {
// "Documenti_Allegati" in the program folder, with its trailing separator.
QString folder();
// Whether a stored name may be joined to the folder: a bare file name, not
// a path, a drive, a stream or "." / "..", so nothing outside the folder is
// ever read or written through it.
bool isBareName(const QString& name);
} // namespace Attachments
