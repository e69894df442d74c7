// The preview window: maximised within the screen's usable area, with the
// page at a size one can read (the worker card's 7-point lines too).
#include "reports/Printing.h"
#include "reports/Sheet.h"
#include "reports/WorkerCard.h"
#include "support/GuiTest.h"

#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QScreen>

namespace {

using namespace report;

// A4 at 100 % on a 96-dpi screen.
const QSizeF kLandscape(1123, 794);
const QSizeF kPortrait(794, 1123);

TEST(ReadableZoom, LifeSizeAtLeastWhereTheWidthAllowsAndTheWholePageWhenItFitsLarger) {
    struct Case {
        const char* what;
        QSizeF room;
    } rooms[] = {
        {"1366 x 768 laptop", {1320, 650}},
        {"1920 x 1080 screen", {1870, 960}},
        {"2560 x 1440 screen", {2510, 1320}},
        {"800 x 600 screen", {760, 500}},
    };
    for (const Case& c : rooms)
        for (const QSizeF page : {kLandscape, kPortrait}) {
            SCOPED_TRACE(std::string(c.what) + (page == kLandscape ? " landscape" : " portrait"));
            const double zoom = readableZoom(page, c.room);
            // Never wider than the room: no sideways scrolling.
            EXPECT_LE(page.width() * zoom, c.room.width() + 0.5);
            if (page.width() <= c.room.width()) {
                // Life size or larger: the 7-point text stays readable.
                EXPECT_GE(zoom, 1.0);
                // And never cut where the whole page could be shown larger.
                if (page.height() <= c.room.height())
                    EXPECT_LE(page.height() * zoom, c.room.height() + 0.5);
            } else {
                EXPECT_NEAR(page.width() * zoom, c.room.width(), 0.5); // as wide as it can
            }
        }
    // A room that holds the whole page larger than life shows it whole and
    // as large as it fits.
    const double zoom = readableZoom(kLandscape, {1870, 960});
    EXPECT_GT(zoom, 1.0);
    EXPECT_NEAR(std::min(1870 / kLandscape.width(), 960 / kLandscape.height()), zoom, 1e-9);
}

TEST(PreviewWindow, OpensMaximisedWithinTheUsableAreaAtTheReadableZoom) {
    Report card = makeSheet(WorkerCard::design());
    card.prepare(QDateTime(QDate(2024, 3, 5), QTime(9, 30, 15)));
    PreviewWindow window(card.prepared());
    window.show();
    QCoreApplication::processEvents();

    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(room.contains(window.frameGeometry()));
    // A window manager's frame aside, the window takes the whole area.
    EXPECT_GE(window.width(), room.width() - 20);
    EXPECT_GE(window.height(), room.height() - 40);

    // The page is shown as readableZoom says for the room the view has.
    QPrintPreviewWidget* pages = window.pages();
    const double life = 210 / 25.4 * pages->logicalDpiX();
    EXPECT_LE(life * pages->zoomFactor(), pages->width());
    EXPECT_TRUE(pages->zoomFactor() >= 1.0 || life * pages->zoomFactor() > 0.8 * pages->width())
        << pages->zoomFactor();
    EXPECT_EQ(pages->zoomMode(), QPrintPreviewWidget::CustomZoom);
}

} // namespace
