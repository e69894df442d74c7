#include "RecordBinder.h"

RecordBinder::RecordBinder(QWidget* form, const TRecordLayout& layout) {
    const auto& fields = layout.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString& name = fields[i].name;
        auto* edit = form->findChild<QLineEdit*>(QStringLiteral("txt") + name);
        auto* label = edit ? nullptr : form->findChild<QLabel*>(QStringLiteral("lbl") + name);
        if (edit || label) bindings_.push_back({static_cast<int>(i), edit, label});
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
