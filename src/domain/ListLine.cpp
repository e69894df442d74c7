#include "ListLine.h"

#include "archive/FixedText.h"

#include <stdexcept>

namespace {
// Appends in place: a list of twenty thousand lines is built per search.
void appendFitted(QString& line, QStringView value, int width) {
    if (width == kInFull) {
        line += value;
        return;
    }
    const QStringView kept = value.left(width);
    line += kept;
    line.resize(line.size() + (width - kept.size()), u' ');
}
} // namespace

QString fitToWidth(QStringView value, int width) {
    QString out;
    appendFitted(out, value, width);
    return out;
}

LineBuilder::LineBuilder(const LineFormat& format, const TRecordLayout& layout) {
    for (const LineSegment& s : format) {
        Segment resolved{s.prefix, {}, s.width};
        for (const QString& name : s.fields)
            resolved.fields.push_back(requireField(layout, name));
        segments_.push_back(std::move(resolved));
    }
}

QString LineBuilder::build(const char* record) const {
    QString line;
    line.reserve(160);
    QString value;
    for (const Segment& s : segments_) {
        line += s.prefix;
        value.clear();
        for (std::size_t i = 0; i < s.fields.size(); ++i) {
            if (i > 0) value += u' ';
            value += TFixedText::load(record + s.fields[i].offset, s.fields[i].capacity);
        }
        appendFitted(line, value, s.width);
    }
    return line;
}

QString buildLine(const LineFormat& format, const TRecord& record) {
    return LineBuilder(format, record.layout()).build(record.bytes().constData());
}

const TFieldDef& requireField(const TRecordLayout& layout, const QString& name) {
    const int index = layout.indexOf(name);
    if (index < 0)
        throw std::logic_error("no field " + name.toStdString() + " in " +
                               layout.kind().toStdString());
    return layout.field(index);
}
