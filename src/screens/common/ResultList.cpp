#include "ResultList.h"

#include "FormKit.h"
#include "Platform.h"
#include "reports/ListReport.h"
#include "reports/Printing.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace ResultList {

namespace {

// Every line is as tall as one line of the font and as wide as the longest
// line, so the view lays out tens of thousands of lines without measuring
// each one, and the scroll bar reaches the end of the longest.
class LineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize size;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return size; }
};

} // namespace

QListWidget* create(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::TypeWriter); // a fixed-pitch stand-in where it is missing
    list->setFont(font);
    list->setUniformItemSizes(true);
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideNone);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setItemDelegate(new LineDelegate(list));
    return list;
}

void fill(QListWidget* list, const QStringList& lines) {
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    const QFontMetrics metrics(list->font());
    auto* delegate = static_cast<LineDelegate*>(list->itemDelegate());
    delegate->size = QSize(static_cast<int>(longest + 2) * metrics.horizontalAdvance(u'M'),
                           metrics.height() + 4);
    list->clear();
    list->addItems(lines);
}

QStringList lines(const QListWidget* list) {
    QStringList all;
    all.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

void fitScreen(QDialog* screen) {
    screen->setMinimumSize(760, 560);
    const QRect area = QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : QRect(0, 0, 1366, 768);
    screen->resize(std::clamp(area.width() * 4 / 5, 760, 1440),
                   std::clamp(area.height() * 17 / 20, 560, 860));
}

} // namespace ResultList

namespace {

// Enter on a line of the list does what a double click does, for a user
// who works with the keyboard; where lines call nothing back it does
// nothing (it never reaches the screen's buttons).
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
        if (act_ && list_->currentItem()) act_();
        return true;
    }

  private:
    QListWidget* list_;
    std::function<void()> act_;
};

} // namespace

ResultPanel::ResultPanel(QDialog* screen, std::function<void()> callBack)
    : QFrame(screen), screen_(screen) {
    setObjectName(QStringLiteral("panContainer"));
    setFrameShape(QFrame::StyledPanel);
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    FormKit::instructions(
        this, layout,
        {{"lblRigo01", "Immettere una o più parole consecutive presenti nella scheda in elenco da "
                       "cercare e premere il pulsante Trova."},
         {"lblRigo02", "Per spostarsi sulla voce successiva contenente la stessa chiave di "
                       "ricerca, fare di nuovo clic su Trova."},
         {"lblRigo03", "Per richiamare i dati di una scheda, selezionarla con un doppio clic o "
                       "con il tasto Invio."}});
    if (!callBack) FormKit::child<QLabel>(this, QStringLiteral("lblRigo03"))->hide();

    above_ = new QVBoxLayout;
    layout->addLayout(above_);
    list_ = ResultList::create(this, QStringLiteral("lstRecords"));
    layout->addWidget(list_, 1);
    below_ = new QVBoxLayout;
    layout->addLayout(below_);
    layout->addSpacing(4);

    auto* row = new QHBoxLayout;
    txtTrova_ = FormKit::edit(this, QStringLiteral("txtTrova"), 255);
    txtTrova_->setMinimumWidth(320);
    row->addWidget(txtTrova_);
    auto button = [this](const char* name, const char* caption, const char* icon) {
        return FormKit::pushButton(this, QString::fromLatin1(name), QString::fromLatin1(caption),
                                   QString::fromLatin1(icon), ResultList::kButtonWidth);
    };
    row->addWidget(button("btnTrova", "Trova", "edit-find"));
    row->addStretch();
    row->addWidget(button("btnStampa", "Stampa", "document-print"));
    row->addWidget(button("btnChiudi", "Chiudi", "application-exit"));
    layout->addLayout(row);
    FormKit::enterMoves(this, QStringLiteral("txtTrova"), QStringLiteral("btnTrova"));
    FormKit::onClick(this, QStringLiteral("btnTrova"), [this] { findNext(); });
    FormKit::onClick(this, QStringLiteral("btnChiudi"), [screen] { screen->close(); });
    if (callBack) connect(list_, &QListWidget::itemDoubleClicked, this, callBack);
    new EnterOnLine(list_, std::move(callBack));
}

void ResultPanel::addAbove(QLayout* row) {
    above_->addLayout(row);
}

void ResultPanel::addBelow(QWidget* line) {
    below_->addWidget(line);
}

void ResultPanel::showLines(const QStringList& lines) {
    ResultList::fill(list_, lines);
    if (!lines.isEmpty()) list_->setCurrentRow(0);
    txtTrova_->clear();
    txtTrova_->setFocus(Qt::OtherFocusReason);
}

void ResultPanel::reset() {
    finder_.forget();
    txtTrova_->clear();
    list_->setCurrentRow(0);
}

void ResultPanel::findNext() {
    const QStringList lines = ResultList::lines(list_);
    if (lines.isEmpty()) {
        Platform::messages().plain(screen_, SearchTexts::kEmptyList);
        return;
    }
    if (list_->currentRow() < 0) list_->setCurrentRow(0);
    if (const auto row = finder_.next(lines, list_->currentRow(), txtTrova_->text()))
        list_->setCurrentRow(static_cast<int>(*row));
}

void ResultPanel::print(const QString& title, const QStringList& after) const {
    report::Report list = report::ListReport::create();
    report::ListReport::fill(list, title, ResultList::lines(list_) + after);
    list.prepare();
    report::print(list, screen_);
}
