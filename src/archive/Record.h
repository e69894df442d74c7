#pragma once
// A record buffer of one layout: the bytes as they sit in the file, with
// field access by index or by name.

#include "RecordLayout.h"

#include <QByteArray>
#include <QString>

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
