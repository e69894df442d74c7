#include "Sheet.h"

#include "archive/Text.h"

namespace report {

TextBox arialText(double x, double y, double w, double h, double points, HAlign align,
                  const QString& text) {
    TextBox t;
    t.mm = QRectF(x, y, w, h);
    t.font = Font{QStringLiteral("Arial"), points, false};
    t.hAlign = align;
    t.vAlign = VAlign::Center;
    t.setText(text);
    return t;
}

SheetBox sheetBox(const QString& name, const QString& field, const BoxRow& row, double dy) {
    return {name, field,
            arialText(row.x, row.y + dy, row.w, row.h, row.points, row.align,
                      QString::fromUtf8(row.placeholder)),
            QString::fromUtf8(row.prefix), QString::fromUtf8(row.suffix)};
}

void addFixedTexts(SheetDesign& design, std::span<const FixedRow> rows, double dy) {
    for (const FixedRow& r : rows)
        design.fixedTexts.push_back(
            arialText(r.x, r.y + dy, r.w, r.h, r.points, r.align, QString::fromUtf8(r.text)));
}

void addShapes(SheetDesign& design, std::span<const ShapeRow> rows, double pitch) {
    for (const ShapeRow& r : rows)
        for (int k = 0; k < r.repeat; ++k)
            design.shapes.push_back(Shape{QRectF(r.x, r.y + pitch * k, r.w, r.h),
                                          r.fill ? QColor::fromString(r.fill) : QColor(), r.pen,
                                          Qt::black});
}

TextBox footerBox(double x, double y, double w, double h) {
    TextBox t = arialText(x, y, w, h, 8, HAlign::Center, QStringLiteral("Data e ora stampa"));
    t.name = QStringLiteral("txtCalce");
    return t;
}

Report makeSheet(const SheetDesign& design) {
    ReportPage page;
    page.orientation = design.orientation;
    page.shapes = design.shapes;
    page.texts = design.fixedTexts;
    for (const SheetBox& b : design.boxes) {
        TextBox box = b.look;
        box.name = b.name;
        page.texts.push_back(box);
    }
    page.texts.push_back(design.footer);
    return Report(design.name, std::move(page));
}

void fillSheet(Report& report, const SheetDesign& design, const FieldSource& field,
               const QDateTime& now) {
    report.page(1).setOrientation(design.orientation);
    const FieldSource trimmed = [&field](const QString& name) {
        return vtext::trimmed(field(name));
    };
    for (const SheetBox& b : design.boxes)
        report.text(b.name).setText(b.compose ? b.compose(trimmed)
                                              : b.prefix + trimmed(b.field) + b.suffix);
    report.text(design.footer.name).setText(footerText(now));
}

QString footerText(const QDateTime& now) {
    return QStringLiteral("Stampa eseguita in data ") +
           now.date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ") +
           now.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace report
