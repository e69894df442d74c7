#pragma once
// What every sheet shares: a one-page template of named boxes filled from an
// editor's fields, fixed texts and drawing, and the footer with the moment
// of printing. Each sheet is a design table; this turns it into a report and
// fills it.

#include "Report.h"

#include <functional>
#include <vector>

namespace report {

// The text of a field, as the editor shows it at this moment.
using FieldSource = std::function<QString(const QString& field)>;

// A box the program fills from one editor field, e.g. titNome from "Nome",
// or, where `compose` is set, from any text made of several fields (a
// surname and a name, a week's first and last day).
struct SheetBox {
    QString name;
    QString field;       // the field's name without the control prefix
    TextBox look;        // position, font, alignment and placeholder
    QString prefix = {}; // composite boxes such as "DATA:  " + date + " "
    QString suffix = {};
    // Given the fields already trimmed; replaces field, prefix and suffix.
    std::function<QString(const FieldSource& trimmed)> compose = {};
};

struct SheetDesign {
    QString name;
    Orientation orientation = Orientation::Landscape;
    std::vector<SheetBox> boxes; // in the order they are filled
    TextBox footer;              // txtCalce
    std::vector<TextBox> fixedTexts;
    std::vector<Shape> shapes;
};

// A fresh report from the stored design: placeholders in every named box.
Report makeSheet(const SheetDesign& design);

// Sets the orientation, fills the named boxes in design order from the
// fields (each trimmed) and the footer from `now`.
void fillSheet(Report& report, const SheetDesign& design, const FieldSource& field,
               const QDateTime& now);

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString footerText(const QDateTime& now);

} // namespace report
