#include "TfrmCalendario.h"

#include "FormKit.h"
#include "Routes.h"
#include "ScreenNames.h"
#include "domain/Environment.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QWidget* parent) : QDialog(parent) {
    setObjectName(ScreenName::kCalendario);
    setWindowTitle(QStringLiteral(" Importazione data"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        FormKit::label(this, QStringLiteral("lblCampo001"), QStringLiteral("Importare una data:")));
    calAppuntamenti_ = new QCalendarWidget(this);
    calAppuntamenti_->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti_->setGridVisible(true);
    calAppuntamenti_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti_->setSelectedDate(Clock::current().today());
    layout->addWidget(calAppuntamenti_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const auto& [name, text] :
         {std::pair{"btnImportaData", "Importa"}, std::pair{"btnAnnulla", "Annulla"}}) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    lblMemory_ = FormKit::hiddenLabel(this, QStringLiteral("lblMemory"));

    FormKit::onClick(this, QStringLiteral("btnImportaData"), [this] { btnImportaDataClick(); });
    FormKit::onClick(this, QStringLiteral("btnAnnulla"), [this] { btnAnnullaClick(); });
    // Double-clicking a day imports it, as a calendar user expects.
    connect(calAppuntamenti_, &QCalendarWidget::activated, this, [this] { btnImportaDataClick(); });
}

QLineEdit* TfrmCalendario::receivingBox() const {
    // The tag is compared exactly as written, not trimmed.
    return Routes::dateBox(lblMemory_->text());
}

void TfrmCalendario::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The calendar opens on the date already in the box, when it holds one;
    // otherwise it stays on today.
    if (const QLineEdit* box = receivingBox()) {
        const QDate current =
            QDate::fromString(box->text().trimmed(), QStringLiteral("dd/MM/yyyy"));
        if (current.isValid()) calAppuntamenti_->setSelectedDate(current);
    }
    calAppuntamenti_->setFocus(Qt::OtherFocusReason);
}

void TfrmCalendario::btnImportaDataClick() {
    // A tag nobody receives leaves the picker open.
    QLineEdit* box = receivingBox();
    if (!box) return;
    box->setText(calAppuntamenti_->selectedDate().toString(QStringLiteral("dd/MM/yyyy")));
    accept();
}
