#include "TfrmStampaTurno.h"

#include "domain/Environment.h"
#include "reports/DailySheet.h"
#include "reports/Printing.h"
#include "screens/common/FormKit.h"
#include "screens/common/Screens.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmStampaTurno::TfrmStampaTurno(QWidget* parent)
    : TfrmStampaTurno(parent, Output::Print,
                      {"TfrmStampaTurno", " Stampa scheda", "Stampa", "document-print"}) {}

TfrmStampaTurno::TfrmStampaTurno(QWidget* parent, Output output, const Look& look)
    : QDialog(parent), output_(output), sheet_(report::DailySheet::create()) {
    setObjectName(QString::fromLatin1(look.objectName));
    setWindowTitle(QString::fromUtf8(look.caption));
    setModal(true);
    // A title bar without window buttons: the dialog closes through its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    QFrame* panel = FormKit::panel(this, QStringLiteral("shpSfondo"));
    panel->setStyleSheet(QStringLiteral("#shpSfondo { background: white; }"));
    auto* panelLayout = new QVBoxLayout(panel);
    QLabel* picture = FormKit::label(panel, QStringLiteral("imgStampa"), QString());
    picture->setPixmap(FormKit::icon(QString::fromLatin1(look.picture)).pixmap(96, 96));
    picture->setAlignment(Qt::AlignCenter);
    panelLayout->addWidget(picture);
    page->addWidget(panel, 1);

    auto* buttons = new QHBoxLayout;
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* stampa = new QPushButton(QString::fromUtf8(look.actionText), this);
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

void TfrmStampaTurno::btnStampaClick() {
    // The editor's fields as they are on screen, saved or not.
    if (const QWidget* editor = Screens::find(QStringLiteral("TfrmTurni"))) {
        report::DailySheet::fill(
            sheet_,
            [editor](const QString& field) {
                return FormKit::child<QLineEdit>(editor, QStringLiteral("txt") + field)->text();
            },
            Clock::current().now());
        sheet_.prepare();
        if (output_ == Output::Print)
            report::print(sheet_, this);
        else
            report::showPreview(sheet_, this);
    }
    accept();
}
