#pragma once
// What every sheet shares: a one-page template of named boxes filled from an
// editor's fields, fixed texts and drawing, and the footer with the moment
// of printing. Each sheet is a design table; this turns it into a report and
// fills it.

#include "Report.h"

#include <functional>
#include <span>
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

// The rows designs are written in. Positions are millimetres from the corner
// inside the margins; every text is Arial, one line, vertically centred.
struct BoxRow { // a named box: "tit" + field, or the name a design gives it
    const char* field;
    double x, y, w, h;
    double points;
    HAlign align;
    const char* placeholder = "";
    const char* prefix = "";
    const char* suffix = "";
};
struct FixedRow { // a heading or a label
    const char* text;
    double x, y, w, h;
    double points;
    HAlign align;
};
struct ShapeRow { // a rectangle, or a line of zero width or height
    double x, y, w, h;
    const char* fill; // colour name, or nullptr
    double pen;       // mm of frame, 0 for none
    int repeat = 1;   // copies, one row pitch further down each
};

TextBox arialText(double x, double y, double w, double h, double points, HAlign align,
                  const QString& text);
// The box of `row`, `dy` further down, filled from `field`.
SheetBox sheetBox(const QString& name, const QString& field, const BoxRow& row, double dy = 0);
void addFixedTexts(SheetDesign& design, std::span<const FixedRow> rows, double dy = 0);
void addShapes(SheetDesign& design, std::span<const ShapeRow> rows, double pitch = 0);
// txtCalce at that place: 8 pt, centred, "Data e ora stampa" until printed.
TextBox footerBox(double x, double y, double w, double h);

// A fresh report from the stored design: placeholders in every named box.
Report makeSheet(const SheetDesign& design);

// Sets the orientation, fills the named boxes in design order from the
// fields (each trimmed) and the footer from `now`.
void fillSheet(Report& report, const SheetDesign& design, const FieldSource& field,
               const QDateTime& now);

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString footerText(const QDateTime& now);

} // namespace report
