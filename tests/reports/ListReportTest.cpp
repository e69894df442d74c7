// The printed list of a search screen: title, lines over as many pages as
// they need, footer with the date on every page.
#include "reports/ListReport.h"
#include "PdfSupport.h"
#include "reports/Render.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace report;

const QDateTime kMoment(QDate(2024, 3, 5), QTime(9, 30, 15));
const QString kTitle = QStringLiteral("Riepilogo turni di lavoro");

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Tabella %1").arg(i, 3, 10, QChar(u'0')).leftJustified(30) +
                     QStringLiteral("  Data: 05/03/2024  Sede: Sede centrale");
    return lines;
}

// Every line the pages show, in page order.
QStringList printedLines(const PreparedReport& r) {
    QStringList all;
    for (const PreparedPage& p : r.pages)
        if (const TextBox* box = p.text(QStringLiteral("txtRiepilogo"))) all << box->lines;
    return all;
}

TEST(ListReport, LongListRunsOverPagesWithTitleOnFirstAndFooterOnEach) {
    Report r = ListReport::create();
    const QStringList lines = numberedLines(200);
    ListReport::fill(r, kTitle, lines);
    r.prepare(kMoment);
    const PreparedReport& out = r.prepared();

    ASSERT_GT(out.pages.size(), 2u);
    EXPECT_EQ(printedLines(out), lines) << "every line once, in list order";
    for (std::size_t i = 0; i < out.pages.size(); ++i) {
        SCOPED_TRACE(i);
        const PreparedPage& page = out.pages[i];
        EXPECT_EQ(page.paperMm, QSizeF(297, 210));
        const TextBox* title = page.text(QStringLiteral("txtTitolo"));
        EXPECT_EQ(title != nullptr, i == 0);
        if (title) {
            EXPECT_EQ(title->text(), kTitle);
        }

        const TextBox* footer = page.text(QStringLiteral("txtPagina"));
        ASSERT_NE(footer, nullptr);
        EXPECT_EQ(footer->text(), QStringLiteral("Stampa eseguita in data 05/03/2024"));
        EXPECT_LE(footer->mm.bottom(), 200 + 1e-6);

        const TextBox* body = page.text(QStringLiteral("txtRiepilogo"));
        ASSERT_NE(body, nullptr);
        EXPECT_GE(body->mm.top(), title ? title->mm.bottom() : 10 - 1e-6);
        EXPECT_LE(body->mm.bottom(), footer->mm.top()) << "lines run into the footer";
        // A page is not left half empty while lines remain.
        if (i + 1 < out.pages.size()) {
            EXPECT_GT(body->mm.bottom() + body->lineMm, footer->mm.top() - 3);
        }
    }
}

TEST(ListReport, ShortAndEmptyListsFitOnePage) {
    for (int count : {0, 1, 3}) {
        Report r = ListReport::create();
        ListReport::fill(r, kTitle, numberedLines(count));
        r.prepare(kMoment);
        ASSERT_EQ(r.prepared().pages.size(), 1u) << count;
        EXPECT_EQ(printedLines(r.prepared()).size(), count);
        EXPECT_NE(r.prepared().pages[0].text(QStringLiteral("txtPagina")), nullptr);
    }
}

TEST(ListReport, RefillingTheSameTemplateForgetsTheEarlierLines) {
    // A search screen keeps its template for its whole life and prints again.
    Report r = ListReport::create();
    ListReport::fill(r, kTitle, numberedLines(200));
    r.prepare(kMoment);
    ListReport::fill(r, kTitle, numberedLines(2));
    r.prepare(kMoment);
    EXPECT_EQ(r.prepared().pages.size(), 1u);
    EXPECT_EQ(printedLines(r.prepared()), numberedLines(2));
}

TEST(ListReport, PdfHasOnePageForEachPreparedPage) {
    Report r = ListReport::create();
    ListReport::fill(r, kTitle, numberedLines(200));
    r.prepare(kMoment);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("list.pdf"));
    ASSERT_TRUE(writePdf(r.prepared(), file));
    EXPECT_EQ(pdfPageCount(file), static_cast<int>(r.prepared().pages.size()));
    if (const auto text = pdfText(file)) {
        EXPECT_TRUE(text->contains(kTitle));
        EXPECT_TRUE(text->contains(QStringLiteral("Tabella 200")));
        EXPECT_EQ(text->count(QStringLiteral("Stampa eseguita in data 05/03/2024")),
                  static_cast<int>(r.prepared().pages.size()));
    }
}

} // namespace
