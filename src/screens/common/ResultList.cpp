#include "ResultList.h"

#include <QFontMetrics>
#include <QStyledItemDelegate>

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

} // namespace ResultList
