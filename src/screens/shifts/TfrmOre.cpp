#include "TfrmOre.h"

#include "archive/Text.h"
#include "domain/BookingTexts.h"
#include "domain/Bookings.h"
#include "domain/Environment.h"
#include "domain/ListLine.h"
#include "screens/common/ArchiveAction.h"
#include "screens/common/DateBox.h"
#include "screens/common/FormKit.h"
#include "screens/common/Opens.h"
#include "screens/common/ResultList.h"
#include "screens/common/Routes.h"
#include "screens/common/ScreenNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

QString hoursLine(const bookings::WorkerHours& w) {
    return fitToWidth(w.worker, 40) + QStringLiteral("  Ore: ") +
           bookings::hoursText(w.minutes).rightJustified(7);
}

} // namespace

TfrmOre::TfrmOre(QWidget* parent, Tables tables) : QDialog(parent), tables_(std::move(tables)) {
    setObjectName(ScreenName::kOre);
    setWindowTitle(QStringLiteral(" Ore di lavoro dei turnisti"));
    setModal(true);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(14, 14, 14, 14);
    results_ = new ResultPanel(this, nullptr);
    page->addWidget(results_, 1);
    results_->addAbove(buildPeriodRow());
    lblNota_ = FormKit::label(results_, QStringLiteral("lblNota"), {});
    lblNota_->setWordWrap(true);
    lblNota_->setStyleSheet(QStringLiteral("font-weight: bold; color: #9c1c1c;"));
    lblNota_->hide();
    results_->addBelow(lblNota_);
    ResultList::fitScreen(this);
    FormKit::onClick(this, QStringLiteral("btnStampa"), [this] { btnStampaClick(); });
}

TfrmOre::TfrmOre(QWidget* parent) : TfrmOre(parent, Tables{}) {}

QLayout* TfrmOre::buildPeriodRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    const struct {
        const char* caption;
        const char* stem;
        const QString& tag;
        QLineEdit** box;
    } ends[] = {{"Periodo &dal:", "Dal", RoutingTag::kOreDal, &txtDal_},
                {"&al:", "Al", RoutingTag::kOreAl, &txtAl_}};
    for (const auto& end : ends) {
        const QString stem = QString::fromLatin1(end.stem);
        QLineEdit* box = FormKit::edit(results_, QStringLiteral("txt") + stem, 10);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) +
                           16);
        box->setToolTip(
            QStringLiteral("Premi un tasto qualsiasi per importare una data dal calendario."));
        QLabel* caption =
            FormKit::label(results_, QStringLiteral("lbl") + stem, QString::fromUtf8(end.caption));
        caption->setBuddy(box);
        QToolButton* pick = FormKit::pictureButton(results_, QStringLiteral("imp") + stem,
                                                   QStringLiteral("x-office-calendar"), {}, 20);
        pick->setToolTip(QStringLiteral("Importa una data dal calendario."));
        // The picker writes into the box registered for its tag.
        Routes::addDateBox(end.tag, box);
        DateBox::install(box, pick, nullptr, datePicker(this, end.tag));
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (!settingPeriod_) listPeriod();
        });
        row->addWidget(caption);
        row->addWidget(box);
        row->addWidget(pick);
        row->addSpacing(12);
        *end.box = box;
    }
    row->addStretch();
    return row;
}

std::pair<QDate, QDate> TfrmOre::period() const {
    auto day = [](const QLineEdit* box) {
        return QDate::fromString(vtext::trimmed(box->text()), kDateFormat);
    };
    return {day(txtDal_), day(txtAl_)};
}

void TfrmOre::listPeriod() {
    const auto [from, to] = period();
    bookings::HoursReport report;
    guardArchive(this, Messages::Kind::Plain, [&] {
        report = bookings::readLedger(tables_.archive, *tables_.layout, MissingArchive::CreateEmpty)
                     .hours(from, to);
    });
    QStringList lines;
    for (const bookings::WorkerHours& w : report.workers)
        lines << hoursLine(w);
    results_->showLines(lines);
    lblNota_->setText(report.unreadable > 0
                          ? QStringLiteral("Turni esclusi dal conteggio perché gli orari o la "
                                           "data non sono leggibili: %1.")
                                .arg(report.unreadable)
                          : QString());
    lblNota_->setVisible(!lblNota_->text().isEmpty());
}

void TfrmOre::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    results_->reset();
    const int year =
        tables_.year >= 1 && tables_.year <= 9999 ? tables_.year : Clock::current().today().year();
    settingPeriod_ = true;
    txtDal_->setText(QDate(year, 1, 1).toString(kDateFormat));
    txtAl_->setText(QDate(year, 12, 31).toString(kDateFormat));
    settingPeriod_ = false;
    listPeriod();
}

void TfrmOre::done(int result) {
    results_->list()->clear();
    QDialog::done(result);
}

void TfrmOre::btnStampaClick() {
    // The printed list says which period it covers and what it left out.
    QString title = QStringLiteral("Riepilogo ore di lavoro");
    for (const auto& [word, box] : {std::pair{" dal ", txtDal_}, std::pair{" al ", txtAl_}})
        if (!vtext::trimmed(box->text()).isEmpty())
            title += QLatin1String(word) + vtext::trimmed(box->text());
    QStringList after;
    if (!lblNota_->text().isEmpty()) after << QString() << lblNota_->text();
    results_->print(title, after);
}
