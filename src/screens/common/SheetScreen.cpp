#include "SheetScreen.h"

#include "FormKit.h"
#include "domain/Environment.h"
#include "reports/Printing.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    QLabel* picture = FormKit::label(panel, QStringLiteral("imgStampa"), QString());
    picture->setPixmap(FormKit::icon(look.picture).pixmap(96, 96));
    picture->setAlignment(Qt::AlignCenter);
    panelLayout->addWidget(picture);
    page->addWidget(panel, 1);

    auto* buttons = new QHBoxLayout;
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* stampa = new QPushButton(look.actionText, this);
    stampa->setObjectName(QStringLiteral("btnStampa"));
    stampa->setDefault(true);
    buttons->addWidget(annulla);
    buttons->addStretch();
    buttons->addWidget(stampa);
    page->addLayout(buttons);
    setFixedSize(300, 220);

    FormKit::onClick(this, QStringLiteral("btnStampa"), [this] { btnStampaClick(); });
    FormKit::onClick(this, QStringLiteral("btnAnnulla"), [this] { btnAnnullaClick(); });
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
