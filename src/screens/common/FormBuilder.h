#pragma once
// Builds an editor's fields from tables: a grid of labelled boxes and a grid
// of slot rows. Each box is named after its record field (txt<Field>, with
// the highlight eff<Field>) and takes that field's capacity as its maximum
// length. The builder remembers the order in which boxes were made, which
// is the form's Enter chain, and installs the chain and the date boxes once
// the form is complete.

#include "InputRules.h"
#include "archive/RecordLayout.h"

#include <QFrame>
#include <QLineEdit>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class QAbstractButton;

// One labelled box of a field grid: label above (or beside), box, and an
// optional picture button right after the box.
struct FieldCell {
    const char* label = nullptr; // lblCampo001; nullptr: lblCampo<field>
    const char* labelText = "";  // "Nome tabella turni:"
    const char* field = "";      // the record field: txt<field>, eff<field>
    int row = 0, column = 0, span = 1;
    const char* importButton = nullptr; // impNome; nullptr for none
    const char* importIcon = nullptr;
    bool highlight = true;
    bool labelBeside = false; // a single-line row: label left of the box
    int maxLength = 0;        // 0: the field's capacity
    InputRule input = InputRule::Any;
    Qt::Alignment align = {};
    // An editable drop-down offering these codes; what is typed is kept.
    const QStringList* choices = nullptr;
};

// One column of the slot rows, left to right.
struct SlotColumn {
    const char* heading;              // lblCampo006
    const char* headingText;          // "DALLE ORE"
    const char* stem;                 // Inizio: boxes txtInizio01 .. txtInizio12
    bool wide = false;                // takes the width left over; narrow columns hold times
    const char* importStem = nullptr; // impLavoratore: a pick button after each box
    const char* importIcon = nullptr;
};

class FormBuilder {
  public:
    FormBuilder(QWidget* form, const TRecordLayout& layout);

    // A panel named `panel` holding the cells on a grid; `columnStretch`
    // gives the share of width of each grid column. With `growRows` the rows
    // share the height the panel is given.
    QFrame* fieldGrid(const QString& panel, std::span<const FieldCell> cells,
                      const std::vector<int>& columnStretch = {}, bool growRows = false);
    // A panel of `rows` rows under the column headings, numbered at the
    // left. The boxes keep one line's height; extra height goes between the
    // rows, up to a row twice a box's height, and what is left below them.
    QFrame* slotGrid(const QString& panel, std::span<const SlotColumn> columns, int rows = kSlots);

    // Makes the box of `field` a date box (see DateBox): after a pick the
    // focus moves to the next box of the chain. `importButton` opens the
    // picker too.
    void dateBox(const QString& field, const QString& importButton,
                 std::function<bool()> openPicker);

    // The boxes in the order they were built.
    const QStringList& chain() const { return chain_; }
    // Installs the Enter chain over every box built, then the date boxes,
    // which must see their keys first.
    void finish();

  private:
    QLineEdit* box(QWidget* parent, const QString& field, int maxLength);
    // The box of a cell, or the drop-down that holds it.
    QWidget* cellBox(QWidget* parent, const FieldCell& cell);

    struct DateEntry {
        QString field, importButton;
        std::function<bool()> openPicker;
    };
    QWidget* form_;
    const TRecordLayout& layout_;
    QStringList chain_;
    std::vector<DateEntry> dates_;
};
