#include "SearchScreen.h"

#include "ArchiveAction.h"
#include "FieldCaptions.h"
#include "FormKit.h"
#include "Routes.h"
#include "archive/Text.h"
#include "domain/FilterRule.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <tuple>

QString SearchTexts::found(qsizetype count) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(count);
}

SearchScreen::SearchScreen(const Setup& setup, QWidget* parent) : QDialog(parent), setup_(setup) {
    setObjectName(setup.name);
    setWindowTitle(setup.caption);
    setModal(true);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(14, 14, 14, 14);
    if (!setup.listOnShow) {
        page->addWidget(buildFilterPanel(), 1);
        lblConta_ = FormKit::hiddenLabel(this, QStringLiteral("lblConta"));
    }
    results_ = new ResultPanel(this, [this] { lstRecordsDblClick(); });
    page->addWidget(results_, 1);
    lblMemory_ = FormKit::hiddenLabel(this, QStringLiteral("lblMemory"));
    ResultList::fitScreen(this);

    if (panAvvio_) {
        // Hidden until a search has run; a list without filters has no
        // count of its lines.
        results_->hide();
        lblTrovate_ = FormKit::label(results_, QStringLiteral("lblTrovate"),
                                     QStringLiteral("Il presente elenco contiene 0 schede."));
        lblTrovate_->setStyleSheet(QStringLiteral("font-weight: bold;"));
        results_->addBelow(lblTrovate_);
        FormKit::onClick(this, QStringLiteral("btnCerca"), [this] { btnCercaClick(); });
        FormKit::onClick(this, QStringLiteral("btnAnnulla"), [this] { close(); });
    }
    FormKit::onClick(this, QStringLiteral("btnStampa"), [this] { btnStampaClick(); });
}

QWidget* SearchScreen::buildFilterPanel() {
    panAvvio_ = FormKit::panel(this, QStringLiteral("panAvvio"));
    auto* layout = new QVBoxLayout(panAvvio_);
    layout->setContentsMargins(18, 14, 18, 14);
    FormKit::instructions(
        panAvvio_, layout,
        {{"lblRigo04", "Immettere nei campi prescelti una o più parole consecutive presenti nelle "
                       "schede da trovare e premere il pulsante Cerca."},
         {"lblRigo05", "Lasciare in bianco tutti gli altri campi."},
         {"lblRigo06", "Per ogni ricerca è possibile utilizzare uno o più campi "
                       "contemporaneamente."}});

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < setup_.filterColumns; ++c)
        grid->setColumnMinimumWidth(2 * c + 1, 460 / setup_.filterColumns);
    QStringList chain;
    for (const QString& field : setup_.search.filterFields) {
        const int index = static_cast<int>(boxes_.size());
        const int row = index / setup_.filterColumns;
        const int column = 2 * (index % setup_.filterColumns);
        QLineEdit* box = FormKit::edit(panAvvio_, QStringLiteral("txt") + field,
                                       requireField(*setup_.search.layout, field).capacity);
        boxes_.push_back(box);
        chain << box->objectName();
        QLabel* label = FormKit::label(
            panAvvio_, QStringLiteral("lblCampo%1").arg(index + 1, 3, 10, QChar(u'0')),
            filterCaption(*setup_.search.layout, field));
        label->setBuddy(box);
        grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(FormKit::withHighlight(box, QStringLiteral("eff") + field), row,
                        column + 1);
    }
    // The boxes in the middle of the panel, not stretched across a wide
    // screen: the texts typed are a few words.
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addLayout(grid, 5);
    centred->addStretch(1);
    layout->addStretch(1);
    layout->addLayout(centred);
    layout->addStretch(2);
    FormKit::enterChain(this, chain);

    lblAttendere_ = FormKit::hiddenLabel(panAvvio_, QStringLiteral("lblAttendere"),
                                         QStringLiteral("Ricerca schede in corso. Attendere..."));
    lblAttendere_->setStyleSheet(QStringLiteral("font-weight: bold; color: #8a5a00;"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere_);
    buttons->addStretch();
    for (const auto& [name, caption, icon] :
         {std::tuple{"btnCerca", "&Cerca", "edit-find"},
          std::tuple{"btnAnnulla", "Chiudi", "application-exit"}})
        buttons->addWidget(
            FormKit::pushButton(panAvvio_, QString::fromLatin1(name), QString::fromLatin1(caption),
                                QString::fromLatin1(icon), ResultList::kButtonWidth));
    layout->addLayout(buttons);
    return panAvvio_;
}

void SearchScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    results_->reset();
    if (!setup_.listOnShow) {
        boxes_.front()->setFocus(Qt::OtherFocusReason);
        return;
    }
    std::vector<FoundLine> found;
    guardArchive(this, Messages::Kind::Plain, [&] { found = setup_.listOnShow(); });
    showLines(found);
}

void SearchScreen::done(int result) {
    results_->list()->clear();
    if (lblAttendere_) lblAttendere_->hide();
    QDialog::done(result);
}

void SearchScreen::showLines(const std::vector<FoundLine>& found) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(found.size()));
    for (const FoundLine& l : found)
        lines << l.text;
    results_->showLines(lines);
    if (lblTrovate_) lblTrovate_->setText(SearchTexts::found(lines.size()));
}

void SearchScreen::btnCercaClick() {
    if (!panAvvio_) return;
    std::vector<SearchFilter> filters;
    QStringList typed;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        typed << boxes_[i]->text();
        filters.push_back({typed.back(), setup_.search.filterFields[static_cast<qsizetype>(i)]});
    }
    lblConta_->setText(QString::number(filtersInUse(typed)));

    lblAttendere_->show();
    lblAttendere_->repaint();
    std::vector<FoundLine> found;
    const bool searched = guardArchive(this, Messages::Kind::Plain, [&] {
        found = searchArchive(setup_.archivePath(), *setup_.search.layout, filters,
                              setup_.search.line, MissingArchive::CreateEmpty);
    });
    lblAttendere_->hide();
    if (!searched) return;

    panAvvio_->hide();
    results_->show();
    showLines(found);
}

void SearchScreen::btnTrovaClick() {
    results_->findNext();
}

void SearchScreen::btnStampaClick() {
    results_->print(setup_.listTitle);
}

void SearchScreen::lstRecordsDblClick() {
    const QListWidgetItem* chosen = results_->list()->currentItem();
    const Routes::RecordReceiver* route =
        Routes::recordReceiver(setup_.name, vtext::trimmed(lblMemory_->text()));
    if (!chosen || !route) {
        reject();
        return;
    }
    // A copy: a receiver may register routes of its own.
    const Routes::RecordReceiver receive = *route;
    // Every record is read before anything is handed over.
    std::vector<FoundRecord> records;
    guardArchive(this, std::nullopt, [&] {
        records = recordsBehindLine(setup_.archivePath(), *setup_.search.layout, setup_.search.line,
                                    chosen->text(), MissingArchive::CreateEmpty);
    });
    for (const FoundRecord& r : records)
        receive(r.record, r.number);
    if (records.empty())
        reject();
    else
        accept();
}
