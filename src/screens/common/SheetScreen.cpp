#include "SheetScreen.h"

#include "FormKit.h"
#include "archive/Text.h"
#include "domain/Environment.h"
#include "reports/Printing.h"
#include "reports/Render.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

SheetScreen::Look SheetScreen::standardLook(Output output, const QString& objectName) {
    if (output == Output::Print)
        return {objectName, QStringLiteral(" Stampa scheda"), QStringLiteral("Stampa"),
                QStringLiteral("document-print")};
    return {objectName, QStringLiteral(" Anteprima di stampa"), QStringLiteral("Mostra anteprima"),
            QStringLiteral("document-print-preview")};
}

SheetScreen::SheetScreen(QWidget* editor, report::SheetDesign design, Output output,
                         const Look& look)
    : QDialog(editor), editor_(editor), design_(std::move(design)), output_(output),
      sheet_(report::makeSheet(design_)) {
    setObjectName(look.objectName);
    setWindowTitle(look.caption);
    setModal(true);
    // A title bar without window buttons: the dialog closes through its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    QFrame* panel = FormKit::panel(this, QStringLiteral("shpSfondo"));
    panel->setStyleSheet(QStringLiteral("#shpSfondo { background: white; }"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setSpacing(4);
    QLabel* picture = FormKit::label(panel, QStringLiteral("imgStampa"), QString());
    picture->setAlignment(Qt::AlignCenter);
    QLabel* name = FormKit::label(panel, QStringLiteral("lblScheda"), QString());
    name->setAlignment(Qt::AlignCenter);
    name->setTextFormat(Qt::PlainText);
    QLabel* paper = FormKit::label(panel, QStringLiteral("lblFoglio"), QString());
    paper->setAlignment(Qt::AlignCenter);
    paper->setStyleSheet(QStringLiteral("color: #666;"));
    panelLayout->addWidget(picture, 1);
    panelLayout->addWidget(name);
    panelLayout->addWidget(paper);
    page->addWidget(panel, 1);
    showPage(look);

    auto* buttons = new QHBoxLayout;
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* stampa = new QPushButton(look.actionText, this);
    stampa->setObjectName(QStringLiteral("btnStampa"));
    stampa->setDefault(true);
    // Room around the caption for the focus frame.
    for (QPushButton* b : {annulla, stampa})
        b->setMinimumWidth(std::max(90, b->sizeHint().width() + 20));
    buttons->addWidget(annulla);
    buttons->addStretch();
    buttons->addWidget(stampa);
    page->addLayout(buttons);
    setFixedSize(340, 320);

    FormKit::onClick(this, QStringLiteral("btnStampa"), [this] { btnStampaClick(); });
    FormKit::onClick(this, QStringLiteral("btnAnnulla"), [this] { btnAnnullaClick(); });
}

void SheetScreen::showPage(const Look& look) {
    auto* picture = FormKit::child<QLabel>(this, QStringLiteral("imgStampa"));
    const QWidget* editor = editor_;
    if (!editor) { // nothing to print: the picture of the action
        picture->setPixmap(FormKit::icon(look.picture).pixmap(96, 96));
        return;
    }
    // The page as it will come out, from the fields as they are now.
    report::Report sheet = report::makeSheet(design_);
    report::fillSheet(
        sheet, design_, [editor](const QString& field) { return editorFieldText(editor, field); },
        Clock::current().now());
    sheet.prepare();
    const report::PreparedPage& shown = sheet.prepared().pages.front();
    picture->setPixmap(QPixmap::fromImage(pageThumbnail(shown, kThumbnail)));

    // The page's name is what its first box says: the table's name, the
    // worker's surname and name.
    const report::TextBox* first =
        design_.boxes.empty() ? nullptr : shown.text(design_.boxes.front().name);
    const QString title = first ? vtext::trimmed(first->text()) : QString();
    auto* name = FormKit::child<QLabel>(this, QStringLiteral("lblScheda"));
    if (title.isEmpty()) {
        name->setText(QStringLiteral("Scheda senza nome"));
        name->setStyleSheet(QStringLiteral("font-style: italic; color: #666;"));
    } else {
        name->setText(title);
        name->setStyleSheet(QStringLiteral("font-weight: bold;"));
    }
    FormKit::child<QLabel>(this, QStringLiteral("lblFoglio"))
        ->setText(design_.orientation == report::Orientation::Portrait
                      ? QStringLiteral("Foglio A4 verticale")
                      : QStringLiteral("Foglio A4 orizzontale"));
}

QImage pageThumbnail(const report::PreparedPage& page, const QSize& room) {
    const QSizeF mm = page.paperMm;
    // Dots per inch at which the paper just fits the room; drawn at three
    // times that and then reduced, so that text shows as soft grey lines
    // rather than scattered dots.
    const double dpi = std::min(room.width() / mm.width(), room.height() / mm.height()) * 25.4;
    const QImage large = report::renderPage(page, dpi * 3);
    QImage small = large.scaled(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi),
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The sheet's edge, so a white page stands out on the white panel.
    QPainter painter(&small);
    painter.setPen(QColor(0x9a, 0x9a, 0x9a));
    painter.drawRect(small.rect().adjusted(0, 0, -1, -1));
    return small;
}

void SheetScreen::btnStampaClick() {
    if (const QWidget* editor = editor_) {
        report::fillSheet(
            sheet_, design_,
            [editor](const QString& field) { return editorFieldText(editor, field); },
            Clock::current().now());
        sheet_.prepare();
        if (output_ == Output::Print)
            report::print(sheet_, this);
        else
            report::showPreview(sheet_, this);
    }
    accept();
}

QString editorFieldText(const QWidget* editor, const QString& field) {
    const QString name = QStringLiteral("txt") + field;
    if (const auto* box = editor->findChild<QLineEdit*>(name)) return box->text();
    return FormKit::child<QComboBox>(editor, name)->currentText();
}
