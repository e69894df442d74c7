#pragma once
// A record buffer of one layout: the bytes as they sit in the file, with
// field access by index or by name.

#include "FixedText.h"
#include "RecordLayout.h"

#include <QByteArray>
#include <QString>

#include <string_view>

class TRecord {
  public:
    explicit TRecord(const TRecordLayout& layout);

    const TRecordLayout& layout() const { return *layout_; }
    QByteArray& bytes() { return bytes_; }
    const QByteArray& bytes() const { return bytes_; }
    // Replaces the whole buffer with a record read from a file.
    void assign(const char* data);

    QString text(int field) const;
    QString text(QStringView name) const;
    void setText(int field, QStringView value);
    void setText(QStringView name, QStringView value);

  private:
    int require(QStringView name) const;

    const TRecordLayout* layout_;
    QByteArray bytes_;
};

// One field's stored bytes in a record as the file holds it, undecoded and
// clamped to the field (see TFixedText::storedBytes): what the passes over a
// whole archive compare and parse.
inline std::string_view fieldBytes(const char* record, const TFieldDef& field) {
    return TFixedText::storedBytes(record + field.offset, field.capacity);
}
