#include "RecordBinder.h"

RecordBinder::RecordBinder(QWidget* form, const TRecordLayout& layout) {
    const auto& fields = layout.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString& name = fields[i].name;
        auto* edit = form->findChild<QLineEdit*>(QStringLiteral("txt") + name);
        auto* list = edit ? nullptr : form->findChild<QComboBox*>(QStringLiteral("txt") + name);
        auto* label =
            edit || list ? nullptr : form->findChild<QLabel*>(QStringLiteral("lbl") + name);
        if (edit || list || label) bindings_.push_back({static_cast<int>(i), edit, list, label});
    }
}

QString RecordBinder::Binding::text() const {
    if (edit) return edit->text();
    return list ? list->currentText() : label->text();
}

void RecordBinder::Binding::setText(const QString& t) const {
    if (edit) {
        edit->setText(t);
    } else if (list) {
        // The code as text, with no entry of the list chosen.
        list->setCurrentIndex(-1);
        list->setEditText(t);
    } else {
        label->setText(t);
    }
}

void RecordBinder::toRecord(TRecord& record) const {
    for (const Binding& b : bindings_)
        record.setText(b.field, b.text());
}

void RecordBinder::fromRecord(const TRecord& record) const {
    for (const Binding& b : bindings_)
        b.setText(record.text(b.field));
}

void RecordBinder::clear() const {
    for (const Binding& b : bindings_)
        b.setText(QString());
}
