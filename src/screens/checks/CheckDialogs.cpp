#include "CheckDialogs.h"

#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/PaymentCard.h"
#include "checks/VatNumber.h"
#include "screens/common/FormKit.h"
#include "screens/common/InputRules.h"
#include "screens/common/ScreenNames.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

struct Look {
    QString objectName;
    QString caption;
    QString heading;
    QString box;
    int maxLength;
    InputRule rules[2]; // the card number box takes digits and is also kept trimmed
    checks::CheckResult (*check)(QStringView);
};

// In the order of CheckDialog::Kind.
const Look& look(CheckDialog::Kind kind) {
    static const Look looks[] = {
        {ScreenName::kCodFisc,
         QStringLiteral(" Controllo codice fiscale"),
         QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
         QStringLiteral("txtCodFisc"),
         16,
         {InputRule::UpperTrimmed, InputRule::Any},
         checks::checkFiscalCode},
        {ScreenName::kPartitaIva,
         QStringLiteral(" Controllo partita IVA"),
         QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
         QStringLiteral("txtPartitaIva"),
         11,
         {InputRule::Digits, InputRule::Any},
         checks::checkVatNumber},
        {ScreenName::kIban,
         QStringLiteral(" Controllo IBAN"),
         QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
         QStringLiteral("txtIban"),
         27,
         {InputRule::UpperTrimmed, InputRule::Any},
         checks::checkIban},
        {ScreenName::kCarta,
         QStringLiteral(" Controllo carta di credito"),
         QStringLiteral(
             "Immettere il numero di carta di credito e premere il pulsante di controllo."),
         QStringLiteral("txtNumero"),
         30,
         {InputRule::Digits, InputRule::UpperTrimmed},
         checks::checkPaymentCard},
    };
    return looks[static_cast<int>(kind)];
}

} // namespace

CheckDialog::CheckDialog(Kind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
    const Look& l = look(kind);
    setObjectName(l.objectName);
    setWindowTitle(l.caption);
    setModal(true);
    // A title bar without window buttons: the dialog closes through its own
    // button or Esc.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(FormKit::icon(QStringLiteral("dialog-information")));

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(20, 18, 20, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    QLabel* picture = FormKit::label(this, QStringLiteral("imgControllo"), {});
    picture->setPixmap(FormKit::icon(QStringLiteral("dialog-information")).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    grid->addWidget(picture, 0, 0, 3, 1);
    grid->addWidget(FormKit::label(this, QStringLiteral("lblTitolo"), l.heading), 0, 1);

    box_ = FormKit::edit(this, l.box, l.maxLength);
    box_->setMinimumWidth(box_->fontMetrics().horizontalAdvance(QString(l.maxLength, u'W')));
    for (InputRule rule : l.rules)
        InputRules::apply(box_, rule);
    grid->addWidget(box_, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const auto& [name, text] :
         {std::pair{"btnControlla", "Controlla"}, std::pair{"btnChiudi", "Chiudi"}}) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        // A focused button acts on Enter as on Space. Enter in the box only
        // moves the focus, so it never presses a button from there.
        b->setAutoDefault(true);
        b->setMinimumWidth(96);
        buttons->addWidget(b);
    }
    grid->addLayout(buttons, 2, 1);

    FormKit::enterMoves(this, l.box, QStringLiteral("btnControlla"));
    FormKit::onClick(this, QStringLiteral("btnControlla"), [this] { btnControllaClick(); });
    FormKit::onClick(this, QStringLiteral("btnChiudi"), [this] { btnChiudiClick(); });

    // Centred on the screen rather than on the editor below.
    adjustSize();
    FormKit::centreOnScreen(this);
}

void CheckDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    box_->setFocus(Qt::OtherFocusReason);
}

void CheckDialog::btnControllaClick() {
    const checks::CheckResult result = look(kind_).check(box_->text());
    switch (result.kind) {
    case checks::MessageKind::Information:
        Platform::messages().information(this, result.message);
        break;
    case checks::MessageKind::Warning:
        Platform::messages().warning(this, result.message);
        break;
    case checks::MessageKind::None:
        break;
    }
    if (result.keepsDialogOpen())
        box_->setFocus(Qt::OtherFocusReason);
    else
        close();
}
