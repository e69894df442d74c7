#pragma once
// What the four record editors share: Nuovo, Salva, Duplica, the four moves
// through the archive, clearing on show and handing back to the start menu
// on close. The record lives only in the form's controls; the number of the
// record on screen lives in lblPosizione (empty for a record never saved).

#include "ArchiveAction.h"
#include "RecordBinder.h"
#include "archive/Record.h"
#include "archive/RecordArchive.h"

#include <QLabel>
#include <QWidget>

#include <memory>
#include <vector>

class RecordEditor : public QWidget {
    Q_OBJECT
  public:
    struct Mandatory {
        QString control; // edit box that must not be empty
        QString warning; // shown when it is, with the focus put there
    };

    // Nuovo: an empty screen for a new record.
    void btnNuovoClick();
    // Salva: checks the mandatory fields, then updates the record on screen in
    // place or appends it as a new one.
    void btnSalvaClick();
    // Duplica: the record on screen becomes a new, unsaved copy without its
    // attachments.
    void btnDuplicaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();

    // Puts a record read elsewhere (the search screen) on screen as number n.
    void showRecord(const TRecord& record, qint64 number);
    // The full path of this editor's archive.
    virtual QString archivePath() const = 0;
    const TRecordLayout& layout() const { return buffer_.layout(); }

  protected:
    RecordEditor(const TRecordLayout& layout, QWidget* parent = nullptr);
    // Called by the subclass once every control exists.
    void bindControls(std::vector<Mandatory> mandatory, const QString& firstField);
    void clearScreen();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    bool withArchive(const std::function<QString(TRecordArchive&)>& work,
                     ArchiveAccess access = ArchiveAccess::Read);
    // Reads the record at the archive's position onto the screen and shows
    // its number.
    void loadAt(TRecordArchive& archive, qint64 index);
    QString position() const;
    void setPosition(qint64 number);

    TRecord buffer_;
    std::unique_ptr<RecordBinder> binder_;
    std::vector<Mandatory> mandatory_;
    QString firstField_;
    QLabel* lblPosizione_ = nullptr;
};

// Texts shared by every editor.
namespace EditorTexts {
inline const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
inline const QString kDuplicateFirst =
    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                   "questa è stata inserita in archivio.");
inline const QString kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine "
    "premere Salva per inserire la scheda in archivio.");
inline const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");
} // namespace EditorTexts
