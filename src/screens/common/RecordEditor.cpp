#include "RecordEditor.h"

#include "ArchiveAction.h"
#include "FormKit.h"
#include "Platform.h"
#include "Screens.h"
#include "archive/Text.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QShowEvent>

RecordEditor::RecordEditor(const TRecordLayout& layout, QWidget* parent)
    : QWidget(parent), buffer_(layout) {}

void RecordEditor::bindControls(std::vector<Mandatory> mandatory, const QString& firstField) {
    binder_ = std::make_unique<RecordBinder>(this, layout());
    mandatory_ = std::move(mandatory);
    firstField_ = firstField;
    lblPosizione_ = FormKit::child<QLabel>(this, QStringLiteral("lblPosizione"));
}

QString RecordEditor::position() const {
    return vtext::trimmed(lblPosizione_->text());
}

void RecordEditor::setPosition(qint64 number) {
    lblPosizione_->setText(QString::number(number));
}

bool RecordEditor::withArchive(const std::function<QString(TRecordArchive&)>& work,
                               ArchiveAccess access) {
    return archiveAction(this, archivePath(), layout().size(), access, work);
}

void RecordEditor::clearScreen() {
    binder_->clear();
    lblPosizione_->clear();
    FormKit::child<QWidget>(this, firstField_)->setFocus(Qt::OtherFocusReason);
}

void RecordEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored by the desktop is not a new entry into the editor.
    if (!event->spontaneous()) clearScreen();
}

void RecordEditor::closeEvent(QCloseEvent* event) {
    event->accept();
    Screens::handOver(this, QStringLiteral("TfrmAvvio"));
}

void RecordEditor::btnNuovoClick() {
    clearScreen();
}

void RecordEditor::btnSalvaClick() {
    for (const Mandatory& m : mandatory_) {
        auto* box = FormKit::child<QLineEdit>(this, m.control);
        if (vtext::trimmed(box->text()).isEmpty()) {
            Platform::messages().warning(this, m.warning);
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    withArchive(
        [this](TRecordArchive& archive) {
            binder_->toRecord(buffer_);
            if (!position().isEmpty()) {
                archive.seek(position().toLongLong() - 1);
                archive.write(buffer_.bytes());
                setPosition(archive.position());
                return EditorTexts::kUpdated;
            }
            const qint64 count = archive.count();
            archive.seek(count);
            archive.write(buffer_.bytes());
            setPosition(count + 1);
            return EditorTexts::kAppended;
        },
        ArchiveAccess::Write);
}

void RecordEditor::btnDuplicaClick() {
    if (position().isEmpty()) {
        Platform::messages().warning(this, EditorTexts::kDuplicateFirst);
        return;
    }
    for (const char* stem : {"lblFile", "lblDesc"})
        for (int i = 1; i <= 3; ++i)
            FormKit::child<QLabel>(this, stem + slotSuffix(i))->clear();
    lblPosizione_->clear();
    if (!withArchive([](TRecordArchive&) { return QString(); })) return;
    FormKit::child<QWidget>(this, firstField_)->setFocus(Qt::OtherFocusReason);
    Platform::messages().information(this, EditorTexts::kDuplicated);
}

void RecordEditor::loadAt(TRecordArchive& archive, qint64 index) {
    archive.seek(index);
    archive.read(buffer_.bytes());
    binder_->fromRecord(buffer_);
    setPosition(archive.position());
}

void RecordEditor::showRecord(const TRecord& record, qint64 number) {
    buffer_ = record;
    binder_->fromRecord(buffer_);
    setPosition(number);
}

void RecordEditor::cmdPrimoClick() {
    withArchive([this](TRecordArchive& archive) {
        if (archive.count() == 0) return EditorTexts::kEmptyArchive;
        loadAt(archive, 0);
        return QString();
    });
}

void RecordEditor::cmdUltimoClick() {
    withArchive([this](TRecordArchive& archive) {
        const qint64 count = archive.count();
        if (count == 0) return EditorTexts::kEmptyArchive;
        loadAt(archive, count - 1);
        return QString();
    });
}

void RecordEditor::cmdAvantiClick() {
    withArchive([this](TRecordArchive& archive) {
        if (position().isEmpty()) lblPosizione_->setText(QStringLiteral("0"));
        const qint64 count = archive.count();
        if (count == 0) {
            lblPosizione_->clear();
            return EditorTexts::kEmptyArchive;
        }
        const qint64 p = position().toLongLong();
        if (p < count) loadAt(archive, p);
        return QString();
    });
}

void RecordEditor::cmdIndietroClick() {
    withArchive([this](TRecordArchive& archive) {
        if (position() == QStringLiteral("1")) return QString();
        if (archive.count() == 0) return EditorTexts::kEmptyArchive;
        loadAt(archive, position().isEmpty() ? 0 : position().toLongLong() - 2);
        return QString();
    });
}
