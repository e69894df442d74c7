#include "SearchScreen.h"

#include "ArchiveAction.h"
#include "DateBox.h"
#include "FieldCaptions.h"
#include "FormKit.h"
#include "Platform.h"
#include "ResultList.h"
#include "Routes.h"
#include "TfrmCalendario.h"
#include "archive/Text.h"
#include "domain/FilterRule.h"
#include "reports/ListReport.h"
#include "reports/Printing.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kFilterHelp[][2] = {
    {"lblRigo04", "Immettere nei campi prescelti una o più parole consecutive presenti nelle "
                  "schede da trovare e premere il pulsante Cerca."},
    {"lblRigo05", "Lasciare in bianco tutti gli altri campi."},
    {"lblRigo06", "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."},
};
const char* const kResultHelp[][2] = {
    {"lblRigo01", "Immettere una o più parole consecutive presenti nella scheda in elenco da "
                  "cercare e premere il pulsante Trova."},
    {"lblRigo02", "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                  "fare di nuovo clic su Trova."},
    {"lblRigo03", "Per richiamare i dati di una scheda, selezionarla con un doppio clic o con "
                  "il tasto Invio."},
};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The instruction lines at the top of a panel.
void addHelp(QWidget* panel, QVBoxLayout* layout, const char* const (&lines)[3][2]) {
    auto* help = new QVBoxLayout;
    help->setSpacing(2);
    for (const auto& [name, line] : lines) {
        QLabel* l = FormKit::label(panel, text(name), text(line));
        l->setWordWrap(true);
        help->addWidget(l);
    }
    layout->addLayout(help);
    layout->addSpacing(6);
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* icon) {
    return FormKit::pushButton(parent, text(name), text(caption), text(icon), 110);
}

// Enter on a line of the list does what a double click does, for a user
// who works with the keyboard.
class EnterOnLine : public QObject {
  public:
    EnterOnLine(QListWidget* list, std::function<void()> act)
        : QObject(list), list_(list), act_(std::move(act)) {
        list->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (list_->currentItem()) act_();
        return true;
    }

  private:
    QListWidget* list_;
    std::function<void()> act_;
};

} // namespace

QString SearchTexts::found(qsizetype count) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(count);
}

SearchScreen::SearchScreen(const Setup& setup, QWidget* parent) : QDialog(parent), setup_(setup) {
    setObjectName(setup.name);
    setWindowTitle(setup.caption);
    setModal(true);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(14, 14, 14, 14);
    if (!setup.listOnShow && !setup.listForPeriod) {
        page->addWidget(buildFilterPanel(), 1);
        lblConta_ = FormKit::hiddenLabel(this, QStringLiteral("lblConta"));
    }
    page->addWidget(buildResultPanel(), 1);
    lblMemory_ = FormKit::hiddenLabel(this, QStringLiteral("lblMemory"));
    setMinimumSize(760, 560);
    // Most of the screen, so a line shows up to its notes, but not a wide
    // screen's whole width.
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1366, 768);
    resize(std::clamp(screen.width() * 4 / 5, 760, 1440),
           std::clamp(screen.height() * 17 / 20, 560, 860));

    if (panAvvio_) {
        FormKit::onClick(this, QStringLiteral("btnCerca"), [this] { btnCercaClick(); });
        FormKit::onClick(this, QStringLiteral("btnAnnulla"), [this] { close(); });
    }
    FormKit::onClick(this, QStringLiteral("btnTrova"), [this] { btnTrovaClick(); });
    FormKit::onClick(this, QStringLiteral("btnStampa"), [this] { btnStampaClick(); });
    FormKit::onClick(this, QStringLiteral("btnChiudi"), [this] { close(); });
    connect(lstRecords_, &QListWidget::itemDoubleClicked, this, [this] { lstRecordsDblClick(); });
    new EnterOnLine(lstRecords_, [this] { lstRecordsDblClick(); });
}

QWidget* SearchScreen::buildFilterPanel() {
    panAvvio_ = FormKit::panel(this, QStringLiteral("panAvvio"));
    auto* layout = new QVBoxLayout(panAvvio_);
    layout->setContentsMargins(18, 14, 18, 14);
    addHelp(panAvvio_, layout, kFilterHelp);

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
    buttons->addWidget(button(panAvvio_, "btnCerca", "&Cerca", "edit-find"));
    buttons->addWidget(button(panAvvio_, "btnAnnulla", "Chiudi", "application-exit"));
    layout->addLayout(buttons);
    return panAvvio_;
}

QWidget* SearchScreen::buildResultPanel() {
    panContainer_ = FormKit::panel(this, QStringLiteral("panContainer"));
    panContainer_->setHidden(!setup_.listOnShow && !setup_.listForPeriod);
    auto* layout = new QVBoxLayout(panContainer_);
    layout->setContentsMargins(18, 14, 18, 14);
    addHelp(panContainer_, layout, kResultHelp);
    // A line that stands for no record cannot be called back.
    if (!setup_.picks) FormKit::child<QLabel>(panContainer_, QStringLiteral("lblRigo03"))->hide();
    if (setup_.listForPeriod) layout->addLayout(buildPeriodRow(panContainer_));

    lstRecords_ = ResultList::create(panContainer_, QStringLiteral("lstRecords"));
    layout->addWidget(lstRecords_, 1);
    if (setup_.listForPeriod) {
        lblNota_ = FormKit::label(panContainer_, QStringLiteral("lblNota"), {});
        lblNota_->setWordWrap(true);
        lblNota_->setStyleSheet(QStringLiteral("font-weight: bold; color: #9c1c1c;"));
        lblNota_->hide();
        layout->addWidget(lblNota_);
    }
    if (setup_.countsLines) {
        lblTrovate_ = FormKit::label(panContainer_, QStringLiteral("lblTrovate"),
                                     QStringLiteral("Il presente elenco contiene 0 schede."));
        lblTrovate_->setStyleSheet(QStringLiteral("font-weight: bold;"));
        layout->addWidget(lblTrovate_);
    }
    layout->addSpacing(4);

    auto* row = new QHBoxLayout;
    txtTrova_ = FormKit::edit(panContainer_, QStringLiteral("txtTrova"), 255);
    txtTrova_->setMinimumWidth(320);
    row->addWidget(txtTrova_);
    row->addWidget(button(panContainer_, "btnTrova", "Trova", "edit-find"));
    row->addStretch();
    row->addWidget(button(panContainer_, "btnStampa", "Stampa", "document-print"));
    row->addWidget(button(panContainer_, "btnChiudi", "Chiudi", "application-exit"));
    layout->addLayout(row);
    FormKit::enterMoves(this, QStringLiteral("txtTrova"), QStringLiteral("btnTrova"));
    return panContainer_;
}

QLayout* SearchScreen::buildPeriodRow(QWidget* panel) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    const struct {
        const char* caption;
        const char* stem;
        QLineEdit** box;
    } ends[] = {{"Periodo &dal:", "Dal", &txtDal_}, {"&al:", "Al", &txtAl_}};
    for (const auto& end : ends) {
        const QString stem = QString::fromLatin1(end.stem);
        QLineEdit* box = FormKit::edit(panel, QStringLiteral("txt") + stem, 10);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) +
                           16);
        box->setToolTip(
            QStringLiteral("Premi un tasto qualsiasi per importare una data dal calendario."));
        QLabel* caption = FormKit::label(panel, QStringLiteral("lbl") + stem, text(end.caption));
        caption->setBuddy(box);
        QToolButton* pick = FormKit::pictureButton(panel, QStringLiteral("imp") + stem,
                                                   QStringLiteral("x-office-calendar"), {}, 20);
        pick->setToolTip(QStringLiteral("Importa una data dal calendario."));
        // The picker writes into the box registered for this screen's tag.
        const QString tag = setup_.name + u'_' + stem.toLower();
        Routes::addDateBox(tag, box);
        DateBox::install(box, pick, nullptr, [this, tag] {
            TfrmCalendario picker(this);
            return openWithTag(picker, tag);
        });
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

std::pair<QDate, QDate> SearchScreen::period() const {
    auto day = [](const QLineEdit* box) {
        return QDate::fromString(vtext::trimmed(box->text()), QStringLiteral("dd/MM/yyyy"));
    };
    return {day(txtDal_), day(txtAl_)};
}

void SearchScreen::listPeriod() {
    const auto [from, to] = period();
    PeriodList listed;
    guardArchive(this, Messages::Kind::Plain, [&] {
        listed = setup_.listForPeriod(vtext::trimmed(lblMemory_->text()), from, to);
    });
    showLines(listed.lines);
    lblNota_->setText(listed.note);
    lblNota_->setVisible(!listed.note.isEmpty());
}

void SearchScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    finder_.forget();
    txtTrova_->clear();
    lstRecords_->setCurrentRow(0);
    if (setup_.listForPeriod) {
        const auto [from, to] = setup_.openingPeriod(vtext::trimmed(lblMemory_->text()));
        settingPeriod_ = true;
        txtDal_->setText(from.toString(QStringLiteral("dd/MM/yyyy")));
        txtAl_->setText(to.toString(QStringLiteral("dd/MM/yyyy")));
        settingPeriod_ = false;
        listPeriod();
        return;
    }
    if (!setup_.listOnShow) {
        boxes_.front()->setFocus(Qt::OtherFocusReason);
        return;
    }
    std::vector<FoundLine> found;
    guardArchive(this, Messages::Kind::Plain, [&] { found = setup_.listOnShow(); });
    showLines(found);
}

void SearchScreen::done(int result) {
    lstRecords_->clear();
    if (lblAttendere_) lblAttendere_->hide();
    QDialog::done(result);
}

void SearchScreen::showLines(const std::vector<FoundLine>& found) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(found.size()));
    for (const FoundLine& l : found)
        lines << l.text;
    ResultList::fill(lstRecords_, lines);
    // The first line is chosen already, so Enter in the list calls it back.
    if (!lines.isEmpty()) lstRecords_->setCurrentRow(0);
    if (lblTrovate_) lblTrovate_->setText(SearchTexts::found(lines.size()));
    txtTrova_->clear();
    txtTrova_->setFocus(Qt::OtherFocusReason);
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
    panContainer_->show();
    showLines(found);
}

void SearchScreen::btnTrovaClick() {
    const QStringList lines = ResultList::lines(lstRecords_);
    if (lines.isEmpty()) {
        Platform::messages().plain(this, SearchTexts::kEmptyList);
        return;
    }
    if (lstRecords_->currentRow() < 0) lstRecords_->setCurrentRow(0);
    if (const auto row = finder_.next(lines, lstRecords_->currentRow(), txtTrova_->text()))
        lstRecords_->setCurrentRow(static_cast<int>(*row));
}

void SearchScreen::btnStampaClick() {
    report::Report list = report::ListReport::create();
    QString title = setup_.listTitle;
    QStringList lines = ResultList::lines(lstRecords_);
    if (setup_.listForPeriod) {
        // The printed list says which period it covers and what it left out.
        for (const auto& [word, box] : {std::pair{" dal ", txtDal_}, std::pair{" al ", txtAl_}})
            if (!vtext::trimmed(box->text()).isEmpty())
                title += QLatin1String(word) + vtext::trimmed(box->text());
        if (!lblNota_->text().isEmpty()) lines << QString() << lblNota_->text();
    }
    report::ListReport::fill(list, title, lines);
    list.prepare();
    report::print(list, this);
}

void SearchScreen::lstRecordsDblClick() {
    if (!setup_.picks) return;
    const QListWidgetItem* chosen = lstRecords_->currentItem();
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
