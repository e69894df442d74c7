#include "TfrmCalendario.h"

#include "FormKit.h"
#include "Screens.h"
#include "domain/Environment.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Routing tag -> the screen and the box that receive the picked date.
struct Route {
    const char* tag;
    const char* screen;
    const char* box;
};
constexpr Route kRoutes[] = {
    {"turni", "TfrmTurni", "txtData"},
    {"set_inizio", "TfrmSettimanale", "txtDataInizio"},
    {"set_fine", "TfrmSettimanale", "txtDataFine"},
};
} // namespace

TfrmCalendario::TfrmCalendario(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmCalendario"));
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
    const QString tag = lblMemory_->text();
    for (const Route& r : kRoutes) {
        if (tag != QLatin1String(r.tag)) continue;
        const QWidget* screen = Screens::find(QString::fromLatin1(r.screen));
        return screen ? FormKit::child<QLineEdit>(screen, QString::fromLatin1(r.box)) : nullptr;
    }
    return nullptr;
}

bool TfrmCalendario::knownTag() const {
    const QString tag = lblMemory_->text();
    return std::any_of(std::begin(kRoutes), std::end(kRoutes),
                       [&](const Route& r) { return tag == QLatin1String(r.tag); });
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
    if (!knownTag()) return;
    if (QLineEdit* box = receivingBox())
        box->setText(calAppuntamenti_->selectedDate().toString(QStringLiteral("dd/MM/yyyy")));
    accept();
}
