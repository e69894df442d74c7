#include "Record.h"

#include "FixedText.h"

#include <cstring>
#include <stdexcept>

TRecord::TRecord(const TRecordLayout& layout) : layout_(&layout), bytes_(layout.size(), '\0') {}

void TRecord::assign(const char* data) {
    std::memcpy(bytes_.data(), data, static_cast<std::size_t>(bytes_.size()));
}

int TRecord::require(QStringView name) const {
    const int index = layout_->indexOf(name);
    if (index < 0)
        throw std::logic_error("no field " + name.toString().toStdString() + " in " +
                               layout_->kind().toStdString());
    return index;
}

QString TRecord::text(int field) const {
    const TFieldDef& f = layout_->field(field);
    return TFixedText::load(bytes_.constData() + f.offset, f.capacity);
}

QString TRecord::text(QStringView name) const {
    return text(require(name));
}

void TRecord::setText(int field, QStringView value) {
    const TFieldDef& f = layout_->field(field);
    TFixedText::store(bytes_.data() + f.offset, f.capacity, value);
}

void TRecord::setText(QStringView name, QStringView value) {
    setText(require(name), value);
}
