#include "TfrmAllegaCartella.h"

#include "FormKit.h"
#include "OpenURL.h"
#include "Platform.h"
#include "Routes.h"
#include "ScreenNames.h"
#include "archive/AtomicSave.h"
#include "archive/RecordLayout.h"
#include "archive/Text.h"
#include "domain/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

QString n(const char* stem, int slot) {
    return QString::fromLatin1(stem) + slotSuffix(slot);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

namespace Attachments {

QString folder() {
    return ProgramFolder::path() + QStringLiteral("Documenti_Allegati/");
}

bool isBareName(const QString& name) {
    if (name.isEmpty() || name == u"." || name == u"..") return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':');
}

} // namespace Attachments

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : QDialog(parent) {
    setObjectName(ScreenName::kAllegaCartella);
    setWindowTitle(QStringLiteral(" Allega file"));
    setModal(true);

    auto* page = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    for (int slot = 1; slot <= kAttachments; ++slot) {
        const int row = 3 * (slot - 1);
        const QString ordinal = QString::number(slot) + QStringLiteral("° file allegato:");
        grid->addWidget(FormKit::label(this, n("lblFile", slot), QStringLiteral("Nome ") + ordinal),
                        row, 0);
        QLineEdit* file = FormKit::edit(this, n("txtFile", slot), 32767);
        file->setReadOnly(true);
        file->setMinimumWidth(320);
        grid->addWidget(file, row, 1);
        grid->addWidget(button(this, n("btnSfoglia", slot), QStringLiteral("Sfoglia...")), row, 2);
        QPushButton* open = button(this, n("btnApri", slot), QStringLiteral("Apri"));
        open->setEnabled(false);
        grid->addWidget(open, row, 3);
        grid->addWidget(FormKit::pictureButton(this, n("imgCancella", slot),
                                               QStringLiteral("edit-clear"), {}, 20),
                        row, 4);
        grid->addWidget(
            FormKit::label(this, n("lblDesc", slot), QStringLiteral("Descrizione ") + ordinal),
            row + 1, 0);
        grid->addWidget(FormKit::edit(this, n("txtDesc", slot), 32767), row + 1, 1, 1, 4);
        grid->setRowMinimumHeight(row + 2, 10);

        // "Apri" follows the name in the box, however it got there.
        connect(file, &QLineEdit::textChanged, open,
                [open](const QString& text) { open->setEnabled(!vtext::trimmed(text).isEmpty()); });
        FormKit::onClick(this, n("btnSfoglia", slot), [this, slot] { btnSfogliaClick(slot); });
        FormKit::onClick(this, n("btnApri", slot), [this, slot] { btnApriClick(slot); });
        FormKit::onClick(this, n("imgCancella", slot), [this, slot] { imgCancellaClick(slot); });
    }
    page->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(
        button(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi")));
    buttons->addWidget(button(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla")));
    page->addLayout(buttons);
    lblMemory_ = FormKit::hiddenLabel(this, QStringLiteral("lblMemory"));
    FormKit::onClick(this, QStringLiteral("btnApplica"), [this] { btnApplicaClick(); });
    FormKit::onClick(this, QStringLiteral("btnAnnulla"), [this] { reject(); });
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    const QString chosen =
        Platform::fileChooser().openFile(this, QStringLiteral("Selezionare il file da allegare:"));
    // A choice given up changes nothing.
    if (chosen.isEmpty()) return;
    auto* box = FormKit::child<QLineEdit>(this, n("txtFile", slot));
    box->setText(QFileInfo(chosen).fileName());
    const QString name = vtext::trimmed(box->text());
    if (!Attachments::isBareName(name)) return;
    // Failures from here on are silent: the name stays in the box.
    if (!QDir().mkpath(Attachments::folder())) return;
    const QString target = Attachments::folder() + name;
    if (QFileInfo::exists(target) && !Platform::messages().question(this, kOverwrite)) return;
    QFile source(chosen);
    if (!source.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) return;
    AtomicSave::save(target, bytes);
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const QString name =
        vtext::trimmed(FormKit::child<QLineEdit>(this, n("txtFile", slot))->text());
    if (!Attachments::isBareName(name)) return;
    TMisc::Open(u'"' + Attachments::folder() + name + u'"');
}

void TfrmAllegaCartella::imgCancellaClick(int slot) {
    FormKit::child<QLineEdit>(this, n("txtFile", slot))->clear();
}

void TfrmAllegaCartella::btnApplicaClick() {
    QWidget* editor = Routes::attachmentOwner(vtext::trimmed(lblMemory_->text()));
    // A tag nobody registered keeps the screen open.
    if (!editor) return;
    for (int slot = 1; slot <= kAttachments; ++slot)
        for (const char* stem : {"File", "Desc"})
            FormKit::child<QLabel>(editor, QStringLiteral("lbl") + n(stem, slot))
                ->setText(vtext::trimmed(
                    FormKit::child<QLineEdit>(this, QStringLiteral("txt") + n(stem, slot))
                        ->text()));
    accept();
}
