#pragma once
// The record editor every archive has: the standard button bar with its
// hints and keys, Nuovo, Salva, Duplica, the four moves through the archive,
// clearing on show and handing back to the start menu on close. A concrete
// editor is its tables: it builds its fields with the form builder, lists
// its mandatory fields and the standard buttons it lacks, and wires the
// buttons that open its own screens. The record lives only in the form's
// controls; the number of the record on screen lives in lblPosizione (empty
// for a record never saved).

#include "ArchiveAction.h"
#include "EditorChrome.h"
#include "FormBuilder.h"
#include "RecordBinder.h"
#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/HelpTexts.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

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
inline const QString kNameWarning =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome "
                   "identificativo della tabella dei turni.");
} // namespace EditorTexts

class RecordEditor : public QWidget {
    Q_OBJECT
  public:
    struct Mandatory {
        QString control; // edit box that must not be empty
        QString warning; // shown when it is, with the focus put there
    };

    // What sets one editor apart from the others.
    struct Setup {
        QString name;                     // the screen's name (ScreenName)
        QString caption = {};             // a shift editor has the one of its base
        std::vector<Mandatory> mandatory; // checked in this order at Salva
        QString firstField;               // where Nuovo and showing put the focus
        QStringList omitted = {};         // standard buttons this editor does not have
        // Standard names this editor spells otherwise (btnNuovo -> cmdNuovo).
        std::vector<std::pair<QString, QString>> renamed = {};
        // Buttons of this editor alone, placed before Esci.
        std::vector<EditorButton> extra = {};
        // The hint line's text when the editor first shows.
        QString readyText = EditorTexts::kReady;
        // The routing tag with which the attachments screen hands this
        // editor's attachments back.
        QString attachmentTag = {};
        // The topic its Guida button shows.
        std::optional<HelpTopic> help = {};
    };

    // Nuovo: an empty screen for a new record.
    void btnNuovoClick();
    // Salva: checks the mandatory fields (and the editor's own checks), then
    // updates the record on screen in place or appends it as a new one.
    void btnSalvaClick();
    // Duplica: the record on screen becomes a new, unsaved copy without its
    // attachments.
    void btnDuplicaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();

    // Allega: the attachments screen over this record's six attachment
    // labels.
    void btnAllegaClick();
    // Puts a record read elsewhere (a search screen) on screen as number n.
    void showRecord(const TRecord& record, qint64 number);
    // Writes the named fields of a record into their boxes and leaves every
    // other box alone (a template imported into a shift table).
    void importFields(const TRecord& record, const QStringList& fields);
    // The full path of this editor's archive.
    virtual QString archivePath() const = 0;
    // The archive of the editor of that name (a yearly editor's lblFile),
    // or an empty text when there is no such editor.
    static QString archivePathOf(const QString& editorName);
    const TRecordLayout& layout() const { return buffer_.layout(); }
    // The name this editor gives a standard button (btnNuovo or cmdNuovo).
    QString button(const QString& standardName) const;
    // The warning line under the fields (lblAvviso), hidden while empty.
    // Nuovo and every move empty it.
    void setWarningLine(const QString& text);

  protected:
    RecordEditor(const TRecordLayout& layout, Setup setup, QWidget* parent = nullptr);
    // Where the subclass puts the panels of its fields, inside shpCampi.
    QVBoxLayout* body() const { return body_; }
    FormBuilder& builder() { return builder_; }
    // Called by the subclass once every control exists: the hint line, the
    // hidden labels, the Enter chain and the binding. `hints` are the
    // editor's own hints beyond the standard buttons'.
    void finishForm(const std::vector<std::pair<QString, QString>>& hints);
    // Runs when the screen is emptied for a new record: the editor's own
    // defaults (today's date, zero amounts...).
    virtual void newRecordDefaults() {}
    // The editor's own checks after the mandatory fields; false stops Salva
    // (the check has told the user why).
    virtual bool checkBeforeSave() { return true; }
    // Runs once Salva has put the record on the disk, with its number: the
    // editor's own look at what it saved (the shift editors warn of a worker
    // booked twice). The save is done and reported whatever it finds.
    virtual void afterSave(const TRecord& /*record*/, qint64 /*number*/) {}
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

    Setup setup_;
    TRecord buffer_;
    FormBuilder builder_;
    QVBoxLayout* body_ = nullptr;
    std::vector<std::pair<QString, QString>> buttonHints_;
    std::unique_ptr<RecordBinder> binder_;
    QLabel* lblPosizione_ = nullptr;
    QLabel* lblAvviso_ = nullptr;
};
