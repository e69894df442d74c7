#pragma once
// The one-line picture of a record in a result list: a table of segments,
// each a fixed text followed by a field's trimmed value padded with blanks or
// cut to a width, or in full. The double click of a list finds its record
// again by rebuilding this same line, so the format decides both.

#include "archive/Record.h"

#include <QStringList>

#include <vector>

inline constexpr int kInFull = -1;

struct LineSegment {
    QString prefix;     // written before the value
    QStringList fields; // one field, or several joined by one blank (surname and name)
    int width = kInFull;
};
using LineFormat = std::vector<LineSegment>;

// `value` padded with blanks or cut to exactly `width` characters; kInFull
// leaves it as it is.
QString fitToWidth(QStringView value, int width);

// A line format tied to one record layout, built straight from the bytes of
// a record as the archive holds them: only the fields of the line are
// decoded.
class LineBuilder {
  public:
    // Throws std::logic_error for a field the layout lacks.
    LineBuilder(const LineFormat& format, const TRecordLayout& layout);
    QString build(const char* record) const;

  private:
    struct Segment {
        QString prefix;
        std::vector<TFieldDef> fields;
        int width;
    };
    std::vector<Segment> segments_;
};

QString buildLine(const LineFormat& format, const TRecord& record);

// The named field of `layout`; a name it lacks is a fault in a table of the
// program, so it throws std::logic_error.
const TFieldDef& requireField(const TRecordLayout& layout, const QString& name);
