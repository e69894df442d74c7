#include "RecordEditor.h"

#include "ArchiveAction.h"
#include "EditorChrome.h"
#include "FormKit.h"
#include "InfoScreens.h"
#include "Platform.h"
#include "Routes.h"
#include "ScreenNames.h"
#include "Screens.h"
#include "TfrmAllegaCartella.h"
#include "archive/Text.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QShowEvent>

RecordEditor::RecordEditor(const TRecordLayout& layout, Setup setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)), buffer_(layout), builder_(this, layout) {
    setObjectName(setup_.name);
    setWindowTitle(setup_.caption);
    FormKit::maximize(this);

    // This editor's share of the standard buttons, under its own names.
    auto pick = [this](const std::vector<EditorButton>& standard) {
        std::vector<EditorButton> buttons;
        for (EditorButton b : standard) {
            if (setup_.omitted.contains(b.name)) continue;
            b.name = button(b.name);
            buttons.push_back(std::move(b));
        }
        return buttons;
    };
    std::vector<EditorButton> tools = pick(EditorChrome::standardTools());
    const std::vector<EditorButton> extra = pick(setup_.extra);
    tools.insert(tools.end() - 1, extra.begin(), extra.end());
    std::vector<EditorButton> navigation = pick(EditorChrome::standardNavigation());
    for (const std::vector<EditorButton>* list : {&tools, &navigation})
        for (const EditorButton& b : *list)
            buttonHints_.emplace_back(b.name, b.hint);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(6);
    page->addWidget(EditorChrome::buttonBar(this, tools, navigation));
    QFrame* fields = FormKit::panel(this, QStringLiteral("shpCampi"));
    body_ = new QVBoxLayout(fields);
    body_->setContentsMargins(6, 6, 6, 6);
    page->addWidget(fields, 1);
    lblAvviso_ = FormKit::label(this, QStringLiteral("lblAvviso"), {});
    lblAvviso_->setWordWrap(true);
    lblAvviso_->setContentsMargins(6, 2, 6, 2);
    lblAvviso_->setStyleSheet(QStringLiteral("color: #9c1c1c; font-weight: bold;"));
    lblAvviso_->hide();
    page->addWidget(lblAvviso_);
    page->addWidget(EditorChrome::hintLine(this, setup_.readyText));
    EditorChrome::attachmentLabels(this);
}

QString RecordEditor::archivePathOf(const QString& editorName) {
    const RecordEditor* editor = Screens::get<RecordEditor>(editorName);
    return editor ? editor->archivePath() : QString();
}

QString RecordEditor::button(const QString& standardName) const {
    for (const auto& [from, to] : setup_.renamed)
        if (from == standardName) return to;
    return standardName;
}

void RecordEditor::finishForm(const std::vector<std::pair<QString, QString>>& hints) {
    builder_.finish();
    binder_ = std::make_unique<RecordBinder>(this, layout());
    lblPosizione_ = FormKit::child<QLabel>(this, QStringLiteral("lblPosizione"));

    const std::pair<const char*, void (RecordEditor::*)()> handlers[] = {
        {"btnNuovo", &RecordEditor::btnNuovoClick},
        {"btnDuplica", &RecordEditor::btnDuplicaClick},
        {"btnSalva", &RecordEditor::btnSalvaClick},
        {"cmdPrimo", &RecordEditor::cmdPrimoClick},
        {"cmdIndietro", &RecordEditor::cmdIndietroClick},
        {"cmdAvanti", &RecordEditor::cmdAvantiClick},
        {"cmdUltimo", &RecordEditor::cmdUltimoClick},
    };
    for (const auto& [name, handler] : handlers)
        if (!setup_.omitted.contains(QLatin1String(name)))
            FormKit::onClick(this, button(QLatin1String(name)),
                             [this, h = handler] { (this->*h)(); });
    FormKit::onClick(this, button(QStringLiteral("btnEsci")), [this] { close(); });
    if (!setup_.attachmentTag.isEmpty()) {
        Routes::addAttachmentOwner(setup_.attachmentTag, this);
        FormKit::onClick(this, button(QStringLiteral("btnAllega")), [this] { btnAllegaClick(); });
    }
    if (setup_.help)
        FormKit::onClick(this, button(QStringLiteral("btnGuida")),
                         [this] { showHelp(this, *setup_.help); });

    std::vector<std::pair<QString, QString>> all = buttonHints_;
    all.insert(all.end(), hints.begin(), hints.end());
    QStringList backgrounds = {QStringLiteral("shpCampi"), QStringLiteral("shpRecord"),
                               QStringLiteral("shpPulsanti")};
    for (const QFrame* panel : findChildren<QFrame*>(QRegularExpression(QStringLiteral("^shpSez"))))
        backgrounds << panel->objectName();
    FormKit::hints(this, FormKit::child<QLabel>(this, QStringLiteral("panInfo")), all, backgrounds);
}

void RecordEditor::setWarningLine(const QString& text) {
    lblAvviso_->setText(text);
    lblAvviso_->setVisible(!text.isEmpty());
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
    setWarningLine({});
    binder_->clear();
    lblPosizione_->clear();
    newRecordDefaults();
    FormKit::child<QWidget>(this, setup_.firstField)->setFocus(Qt::OtherFocusReason);
}

void RecordEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored by the desktop is not a new entry into the editor.
    if (!event->spontaneous()) clearScreen();
}

void RecordEditor::closeEvent(QCloseEvent* event) {
    event->accept();
    Screens::handOver(this, ScreenName::kAvvio);
}

void RecordEditor::btnAllegaClick() {
    TfrmAllegaCartella attachments(this);
    for (int slot = 1; slot <= kAttachments; ++slot)
        for (const char* stem : {"File", "Desc"}) {
            const QString suffix = QString::fromLatin1(stem) + slotSuffix(slot);
            FormKit::child<QLineEdit>(&attachments, QStringLiteral("txt") + suffix)
                ->setText(vtext::trimmed(
                    FormKit::child<QLabel>(this, QStringLiteral("lbl") + suffix)->text()));
        }
    openWithTag(attachments, setup_.attachmentTag);
}

void RecordEditor::btnNuovoClick() {
    clearScreen();
}

void RecordEditor::btnSalvaClick() {
    for (const Mandatory& m : setup_.mandatory) {
        auto* box = FormKit::child<QLineEdit>(this, m.control);
        if (vtext::trimmed(box->text()).isEmpty()) {
            Platform::messages().warning(this, m.warning);
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (!checkBeforeSave()) return;
    const bool saved = withArchive(
        [this](TRecordArchive& archive) {
            // A new record starts from zeros, so bytes no field owns (the
            // weekly record's reserved block) never carry another record's
            // content; an update keeps the bytes its record was read with.
            if (position().isEmpty()) buffer_ = TRecord(layout());
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
    if (saved) afterSave(buffer_, position().toLongLong());
}

void RecordEditor::btnDuplicaClick() {
    if (position().isEmpty()) {
        Platform::messages().warning(this, EditorTexts::kDuplicateFirst);
        return;
    }
    for (const char* stem : {"lblFile", "lblDesc"})
        for (int i = 1; i <= kAttachments; ++i)
            FormKit::child<QLabel>(this, stem + slotSuffix(i))->clear();
    lblPosizione_->clear();
    if (!withArchive([](TRecordArchive&) { return QString(); })) return;
    FormKit::child<QWidget>(this, setup_.firstField)->setFocus(Qt::OtherFocusReason);
    Platform::messages().information(this, EditorTexts::kDuplicated);
}

void RecordEditor::loadAt(TRecordArchive& archive, qint64 index) {
    archive.seek(index);
    archive.read(buffer_.bytes());
    setWarningLine({});
    binder_->fromRecord(buffer_);
    setPosition(archive.position());
}

void RecordEditor::showRecord(const TRecord& record, qint64 number) {
    buffer_ = record;
    setWarningLine({});
    binder_->fromRecord(buffer_);
    setPosition(number);
}

void RecordEditor::importFields(const TRecord& record, const QStringList& fields) {
    for (const QString& field : fields)
        FormKit::child<QLineEdit>(this, QStringLiteral("txt") + field)->setText(record.text(field));
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
