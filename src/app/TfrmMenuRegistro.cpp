#include "TfrmMenuRegistro.h"

#include "archive/Text.h"
#include "domain/YearlyArchive.h"
#include "screens/common/FormKit.h"
#include "screens/common/InfoScreens.h"
#include "screens/common/Platform.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/Screens.h"
#include "screens/shifts/ShiftTableEditor.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

namespace {

struct YearBox {
    QString frame;
    QString heading;
    QString headingText;
    QString caption;
    QString field;
    QString button;
};

const YearBox kBoxes[] = {
    {"shpFatture", "intAnnoFatture", "Programmazione turni giornaliera:", "titAnnoFatture",
     "txtAnnoFatture", "btnApriFatture"},
    {"shpAnnoSet", "intAnnoRiepStats", "Programmazione turni settimanale:", "Label1", "txtAnnoSet",
     "btnApriAnnoSet"},
};

} // namespace

TfrmMenuRegistro::TfrmMenuRegistro(QWidget* parent) : QWidget(parent) {
    setObjectName(ScreenName::kMenuRegistro);
    setWindowTitle(QStringLiteral(" Velmora - Calendario Turni"));
    FormKit::maximize(this);
    FormKit::backdrop(this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(40, 30, 40, 20);
    QLabel* title = FormKit::label(this, "lblTitolo", "Calendario Turni");
    title->setStyleSheet(QStringLiteral("font-size: 24pt; font-weight: bold; color: #1d3d6b;"));
    page->addWidget(title);
    QLabel* info = FormKit::label(
        this, "lblInformazioni",
        "In questo ambiente è possibile effettuare una programmazione dei turni di lavoro in base "
        "a un calendario giornaliero oppure settimanale.");
    info->setWordWrap(true);
    info->setStyleSheet(QStringLiteral("font-size: 11pt;"));
    page->addWidget(info);
    page->addStretch(1);

    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(40);
    boxes->addStretch();
    // Digits only, pasted text included: a year always names a file of the
    // program folder.
    const QRegularExpression digits(QStringLiteral("[0-9]{0,4}"));
    for (const YearBox& b : kBoxes) {
        QFrame* frame = FormKit::panel(this, b.frame);
        frame->setMinimumWidth(340);
        frame->setStyleSheet(
            QStringLiteral(
                "#%1 { background: white; border: 1px solid #b8c7da; border-radius: 6px; }")
                .arg(frame->objectName()));
        auto* grid = new QGridLayout(frame);
        grid->setContentsMargins(20, 16, 20, 20);
        QLabel* heading = FormKit::label(frame, b.heading, b.headingText);
        heading->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt;"));
        grid->addWidget(heading, 0, 0, 1, 3);
        grid->addWidget(FormKit::label(frame, b.caption, "Anno:"), 1, 0);
        QLineEdit* year = FormKit::edit(frame, b.field, 4);
        year->setValidator(new QRegularExpressionValidator(digits, year));
        year->setFixedWidth(80);
        year->setAlignment(Qt::AlignCenter);
        grid->addWidget(year, 1, 1);
        grid->addWidget(FormKit::pushButton(frame, b.button, QStringLiteral("Apri")), 1, 2);
        // Enter in a year box moves to that box's "Apri".
        FormKit::enterMoves(this, year->objectName(), b.button);
        boxes->addWidget(frame);
    }
    boxes->addStretch();
    page->addLayout(boxes);
    page->addStretch(2);

    auto* footer = new QHBoxLayout;
    footer->addWidget(FormKit::pictureButton(this, "imgGuida", "help-contents", "Guida"));
    footer->addStretch();
    footer->addWidget(FormKit::pictureButton(this, "imgEsci", "application-exit", "Esci"));
    page->addLayout(footer);

    txtAnnoFatture_ = FormKit::child<QLineEdit>(this, "txtAnnoFatture");
    txtAnnoSet_ = FormKit::child<QLineEdit>(this, "txtAnnoSet");
    lblMemory_ = FormKit::hiddenLabel(this, "lblMemory", RoutingTag::kAvvio);

    FormKit::onClick(this, "btnApriFatture", [this] { btnApriFattureClick(); });
    FormKit::onClick(this, "btnApriAnnoSet", [this] { btnApriAnnoSetClick(); });
    FormKit::onClick(this, "imgGuida", [this] { showHelp(this, HelpTopic::Calendar); });
    FormKit::onClick(this, "imgEsci", [this] { imgEsciClick(); });
}

void TfrmMenuRegistro::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    const QString year = currentYear();
    txtAnnoFatture_->setText(year);
    txtAnnoSet_->setText(year);
    lblMemory_->setText(RoutingTag::kAvvio);
    txtAnnoFatture_->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRegistro::openYear(QLineEdit* year, const QString& editor, const QString& tag) {
    if (!isFourCharacterYear(year->text())) {
        Platform::messages().warning(
            this, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        year->setFocus(Qt::OtherFocusReason);
        return;
    }
    auto* shifts = Screens::get<ShiftTableEditor>(editor);
    if (!shifts) return;
    shifts->openYear(year->text());
    lblMemory_->setText(tag);
    close();
}

void TfrmMenuRegistro::btnApriFattureClick() {
    openYear(txtAnnoFatture_, ScreenName::kTurni, RoutingTag::kRegistro);
}

void TfrmMenuRegistro::btnApriAnnoSetClick() {
    openYear(txtAnnoSet_, ScreenName::kSettimanale, RoutingTag::kSettimanale);
}

void TfrmMenuRegistro::closeEvent(QCloseEvent* event) {
    event->accept();
    // Where the chooser's own tag hands over to; any other tag, nowhere.
    const std::pair<const QString&, const QString&> next[] = {
        {RoutingTag::kAvvio, ScreenName::kAvvio},
        {RoutingTag::kRegistro, ScreenName::kTurni},
        {RoutingTag::kSettimanale, ScreenName::kSettimanale},
    };
    const QString tag = vtext::trimmed(lblMemory_->text());
    for (const auto& [routed, screen] : next)
        if (tag == routed) Screens::handOver(this, screen);
}
