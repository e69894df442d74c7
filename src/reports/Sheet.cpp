#include "Sheet.h"

#include "archive/Text.h"

namespace report {

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
