#pragma once
// Moves a record between a form and a record buffer, field by field, for
// every field of the layout that has a control named after it: an edit box
// or an editable drop-down "txt<Field>", or a label "lbl<Field>".

#include "archive/Record.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <vector>

class RecordBinder {
  public:
    RecordBinder(QWidget* form, const TRecordLayout& layout);

    void toRecord(TRecord& record) const;
    void fromRecord(const TRecord& record) const;
    void clear() const;
    // Number of fields that found their control.
    std::size_t boundFields() const { return bindings_.size(); }

  private:
    struct Binding {
        int field;
        QLineEdit* edit;
        QComboBox* list;
        QLabel* label;
        QString text() const;
        void setText(const QString& t) const;
    };
    std::vector<Binding> bindings_;
};
