#include "FormBuilder.h"

#include "DateBox.h"
#include "FormKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
QString s(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

FormBuilder::FormBuilder(QWidget* form, const TRecordLayout& layout)
    : form_(form), layout_(layout) {}

QLineEdit* FormBuilder::box(QWidget* parent, const QString& field, int maxLength) {
    const int index = layout_.indexOf(field);
    if (index < 0)
        qFatal("the %s record has no field %s", qPrintable(layout_.kind()), qPrintable(field));
    QLineEdit* edit = FormKit::edit(parent, QStringLiteral("txt") + field,
                                    maxLength > 0 ? maxLength : layout_.field(index).capacity);
    chain_ << edit->objectName();
    return edit;
}

QWidget* FormBuilder::cellBox(QWidget* parent, const FieldCell& c) {
    if (!c.choices) {
        QLineEdit* edit = box(parent, s(c.field), c.maxLength);
        InputRules::apply(edit, c.input);
        if (c.align) edit->setAlignment(c.align);
        return edit;
    }
    // The drop-down carries the box's name; its line takes the typing.
    auto* list = FormKit::dropDown(parent, QStringLiteral("txt") + s(c.field), *c.choices);
    const int index = layout_.indexOf(s(c.field));
    list->lineEdit()->setMaxLength(c.maxLength > 0 ? c.maxLength : layout_.field(index).capacity);
    InputRules::apply(list->lineEdit(), c.input);
    chain_ << list->objectName();
    return list;
}

QFrame* FormBuilder::fieldGrid(const QString& panel, std::span<const FieldCell> cells,
                               const std::vector<int>& columnStretch, bool growRows) {
    QFrame* frame = FormKit::panel(form_, panel);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(0);
    for (const FieldCell& c : cells) {
        QLabel* caption = FormKit::label(
            frame, c.label ? s(c.label) : QStringLiteral("lblCampo") + s(c.field), s(c.labelText));
        caption->setContentsMargins(3, 0, 0, 0);
        auto* line = new QHBoxLayout;
        const QString field = s(c.field);
        QWidget* edit = cellBox(frame, c);
        line->addWidget(
            c.highlight ? FormKit::withHighlight(edit, QStringLiteral("eff") + field) : edit, 1);
        if (c.importButton)
            line->addWidget(
                FormKit::pictureButton(frame, s(c.importButton), s(c.importIcon), {}, 22));
        auto* cell = c.labelBeside ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                   : static_cast<QBoxLayout*>(new QVBoxLayout);
        cell->setSpacing(c.labelBeside ? 8 : 0);
        cell->addWidget(caption);
        if (growRows && !c.labelBeside) {
            // The label stays on its box; the room a tall window gives goes
            // below, the same in every row.
            cell->addLayout(line);
            cell->addStretch(1);
            grid->setRowStretch(c.row, 1);
        } else {
            cell->addLayout(line, 1);
        }
        grid->addLayout(cell, c.row, c.column, 1, c.span);
    }
    for (std::size_t i = 0; i < columnStretch.size(); ++i)
        grid->setColumnStretch(static_cast<int>(i), columnStretch[i]);
    return frame;
}

QFrame* FormBuilder::slotGrid(const QString& panel, std::span<const SlotColumn> columns, int rows) {
    QFrame* frame = FormKit::panel(form_, panel);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    // Grid columns: the slot number, then each column's box and, for a
    // column with pick buttons, one more for the button.
    int gridColumn = 1;
    for (const SlotColumn& c : columns) {
        QLabel* heading = FormKit::label(frame, s(c.heading), s(c.headingText));
        heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
        heading->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        const int width = c.importStem ? 2 : 1;
        grid->addWidget(heading, 0, gridColumn, 1, width);
        if (c.wide) grid->setColumnStretch(gridColumn, 1);
        gridColumn += width;
    }
    for (int slot = 1; slot <= rows; ++slot) {
        const QString n = slotSuffix(slot);
        QLabel* number =
            FormKit::label(frame, QStringLiteral("lblSlot") + n, QString::number(slot));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setStyleSheet(QStringLiteral("color: #666;"));
        grid->addWidget(number, slot, 0);
        gridColumn = 1;
        int boxHeight = 0;
        for (const SlotColumn& c : columns) {
            QLineEdit* edit = box(frame, s(c.stem) + n, 0);
            // The boxes keep the height of one line of text; on a tall
            // screen the room between the rows grows instead (the slot
            // number, which may grow, sets how far), and the boxes stay
            // in the middle of their row.
            edit->setSizePolicy(edit->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            boxHeight = edit->sizeHint().height();
            if (!c.wide) {
                edit->setFixedWidth(64);
                edit->setAlignment(Qt::AlignCenter);
            }
            grid->addWidget(edit, slot, gridColumn++);
            if (c.importStem)
                grid->addWidget(
                    FormKit::pictureButton(frame, s(c.importStem) + n, s(c.importIcon), {}, 18),
                    slot, gridColumn++);
        }
        number->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        number->setMinimumHeight(boxHeight);
        number->setMaximumHeight(boxHeight * 2);
        grid->setRowStretch(slot, 1);
    }
    // What the rows cannot take stays below them, never above the headings.
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), rows + 1, 0);
    return frame;
}

void FormBuilder::dateBox(const QString& field, const QString& importButton,
                          std::function<bool()> openPicker) {
    dates_.push_back({field, importButton, std::move(openPicker)});
}

void FormBuilder::finish() {
    FormKit::enterChain(form_, chain_);
    for (const DateEntry& d : dates_) {
        const QString name = QStringLiteral("txt") + d.field;
        const qsizetype at = chain_.indexOf(name);
        DateBox::install(
            FormKit::child<QLineEdit>(form_, name),
            d.importButton.isEmpty() ? nullptr
                                     : FormKit::child<QAbstractButton>(form_, d.importButton),
            FormKit::child<QWidget>(form_, chain_[(at + 1) % chain_.size()]), d.openPicker);
    }
}
