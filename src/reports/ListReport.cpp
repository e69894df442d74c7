#include "ListReport.h"

namespace report::ListReport {

namespace {
// Room between the band's top and the first line, in units: the program
// makes the band 10 units taller than the box.
constexpr double kBandPaddingUnits = 10;
constexpr double kContentWidth = 277; // landscape A4 inside 10 mm margins
} // namespace

Report create() {
    ReportPage page;
    page.orientation = Orientation::Landscape;

    Band title{QStringLiteral("ReportTitle"), Band::Kind::Title, 15, {}, {}};
    TextBox titolo;
    titolo.name = QStringLiteral("txtTitolo");
    titolo.mm = QRectF(0, 0, kContentWidth, 10);
    titolo.font = Font{QStringLiteral("Verdana"), 14, true};
    titolo.hAlign = HAlign::Center;
    titolo.color = Qt::white;
    titolo.background = QColor::fromString("slategray");
    titolo.setText(QStringLiteral("Riepilogo"));
    title.texts.push_back(titolo);

    Band data{
        QStringLiteral("MasterData"), Band::Kind::MasterData, unitsToMm(kBandPaddingUnits), {}, {}};
    TextBox riepilogo;
    riepilogo.name = QStringLiteral("txtRiepilogo");
    riepilogo.mm = QRectF(1, unitsToMm(kBandPaddingUnits / 2), kContentWidth - 2, 0);
    riepilogo.font = Font{QStringLiteral("Courier New"), 8, false};
    riepilogo.lineMm = unitsToMm(kLineUnits);
    riepilogo.clearLines();
    data.texts.push_back(riepilogo);

    Band footer{QStringLiteral("PageFooter"), Band::Kind::PageFooter, 8, {}, {}};
    footer.shapes.push_back(Shape{QRectF(0, 1.5, kContentWidth, 0), {}, 0.2, Qt::black});
    TextBox pagina;
    pagina.name = QStringLiteral("txtPagina");
    pagina.mm = QRectF(0, 2.5, kContentWidth, 5);
    pagina.font = Font{QStringLiteral("Arial"), 8, false};
    pagina.hAlign = HAlign::Center;
    pagina.setText(QStringLiteral("Stampa eseguita in data [DATE]"));
    footer.texts.push_back(pagina);

    page.bands = {title, data, footer};
    return Report(QStringLiteral("list report"), std::move(page));
}

void fill(Report& report, const QString& title, const QStringList& lines) {
    report.text(QStringLiteral("txtTitolo")).setText(title);
    TextBox& box = report.text(QStringLiteral("txtRiepilogo"));
    box.clearLines();
    for (const QString& line : lines)
        box.addLine(line);
    const double height = static_cast<double>(lines.size()) * kLineUnits;
    box.setHeight(height);
    report.band(QStringLiteral("MasterData")).setHeight(height + kBandPaddingUnits);
}

} // namespace report::ListReport
