// The report engine: names, units, preparing, rendering on every device.
#include "PdfSupport.h"
#include "reports/Render.h"
#include "reports/Report.h"
#include "support/GuiTest.h"

#include <QTemporaryDir>

namespace {

using namespace report;

const QDateTime kMoment(QDate(2024, 3, 5), QTime(9, 30, 15));

TextBox box(const QString& name, QRectF mm, const QString& text) {
    TextBox t;
    t.name = name;
    t.mm = mm;
    t.font = Font{QStringLiteral("Arial"), 12, false};
    t.setText(text);
    return t;
}

Report oneBoxReport(const QString& text = QStringLiteral("placeholder")) {
    ReportPage page;
    page.texts.push_back(box(QStringLiteral("txtA"), QRectF(20, 30, 40, 8), text));
    page.bands.push_back(Band{QStringLiteral("MasterData"), Band::Kind::MasterData, 0, {}, {}});
    return Report(QStringLiteral("test"), std::move(page));
}

TEST(ReportEngine, NamesNotInTheTemplateAreProgrammingErrors) {
    Report r = oneBoxReport();
    const std::vector<std::pair<const char*, std::function<void()>>> misuses = {
        {"unknown box", [&] { r.text(QStringLiteral("txtB")); }},
        {"box asked as band", [&] { r.band(QStringLiteral("txtA")); }},
        {"band asked as box", [&] { r.text(QStringLiteral("MasterData")); }},
        {"data page", [&] { r.page(0); }},
        {"output before prepare", [&] { r.prepared(); }},
    };
    for (const auto& [what, misuse] : misuses)
        EXPECT_THROW(misuse(), TemplateError) << what;
    EXPECT_NO_THROW(r.text(QStringLiteral("txtA")));
}

TEST(ReportEngine, HeightsAreNinetySixUnitsPerInch) {
    Report r = oneBoxReport();
    r.text(QStringLiteral("txtA")).setHeight(96);
    r.band(QStringLiteral("MasterData")).setHeight(192);
    EXPECT_DOUBLE_EQ(r.text(QStringLiteral("txtA")).mm.height(), 25.4);
    EXPECT_DOUBLE_EQ(r.band(QStringLiteral("MasterData")).heightMm, 50.8);
}

TEST(ReportEngine, PreparedPagesPlaceObjectsInsideTheMarginsOfTheTurnedPaper) {
    Report r = oneBoxReport();
    for (const auto& [orientation, paper] : {std::pair{Orientation::Landscape, QSizeF(297, 210)},
                                             std::pair{Orientation::Portrait, QSizeF(210, 297)}}) {
        r.page(1).setOrientation(orientation);
        r.prepare(kMoment);
        ASSERT_EQ(r.prepared().pages.size(), 1u);
        EXPECT_EQ(r.prepared().orientation, orientation);
        const PreparedPage& page = r.prepared().pages[0];
        EXPECT_EQ(page.paperMm, paper);
        EXPECT_EQ(page.text(QStringLiteral("txtA"))->mm, QRectF(30, 40, 40, 8));
    }
}

TEST(ReportEngine, PrepareStartsAgainAndEvaluatesTheDateEachTime) {
    Report r = oneBoxReport(QStringLiteral("Stampa eseguita in data [DATE]"));
    r.prepare(kMoment);
    const PreparedReport first = r.prepared();
    EXPECT_EQ(first.pages[0].text(QStringLiteral("txtA"))->text(),
              QStringLiteral("Stampa eseguita in data 05/03/2024"));

    r.prepare(kMoment.addDays(1));
    ASSERT_EQ(r.prepared().pages.size(), 1u);
    EXPECT_EQ(r.prepared().pages[0].text(QStringLiteral("txtA"))->text(),
              QStringLiteral("Stampa eseguita in data 06/03/2024"));
    EXPECT_EQ(r.text(QStringLiteral("txtA")).text(),
              QStringLiteral("Stampa eseguita in data [DATE]"));
}

// Dark pixels inside a rectangle of the picture, given in millimetres.
int inkIn(const QImage& image, double dpi, QRectF mm) {
    const double k = dpi / 25.4;
    int ink = 0;
    for (int y = int(mm.top() * k); y < int(mm.bottom() * k); ++y)
        for (int x = int(mm.left() * k); x < int(mm.right() * k); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++ink;
    return ink;
}

TEST(ReportEngine, TextLongerThanItsBoxIsCutAtTheEdgeNotWrapped) {
    Report r = oneBoxReport(QString(200, u'W'));
    r.prepare(kMoment);
    const TextBox& prepared = *r.prepared().pages[0].text(QStringLiteral("txtA"));
    EXPECT_EQ(prepared.lines.size(), 1);

    const double dpi = 150;
    const QImage page = renderPage(r.prepared().pages[0], dpi);
    EXPECT_GT(inkIn(page, dpi, QRectF(30, 40, 40, 8)), 0);
    EXPECT_EQ(inkIn(page, dpi, QRectF(70.5, 38, 100, 12)), 0) << "ink right of the box";
    EXPECT_EQ(inkIn(page, dpi, QRectF(30, 48.5, 40, 10)), 0) << "ink below the box";
}

TEST(ReportEngine, PdfFileAppearsOnlyWhenWritten) {
    QTemporaryDir dir;
    Report r = oneBoxReport();
    r.prepare(kMoment);
    const QString good = dir.filePath(QStringLiteral("a.pdf"));
    EXPECT_TRUE(writePdf(r.prepared(), good));
    EXPECT_EQ(pdfPageCount(good), 1);

    const QString bad = dir.filePath(QStringLiteral("missing/b.pdf"));
    QString error;
    EXPECT_FALSE(writePdf(r.prepared(), bad, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(bad));
}

} // namespace
