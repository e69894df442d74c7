// The preview window: maximised within the screen's usable area, with the
// page at a size one can read (the worker card's 7-point lines too).
#include "reports/Printing.h"
#include "reports/Sheet.h"
#include "reports/WorkerCard.h"
#include "support/GuiTest.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QScrollBar>

namespace {

using namespace report;

// A4 at 100 % on a 96-dpi screen.
const QSizeF kLandscape(1123, 794);
const QSizeF kPortrait(794, 1123);

TEST(ReadableZoom, LifeSizeAtLeastWhereTheWidthAllowsAndTheWholePageWhenItFitsLarger) {
    struct Case {
        const char* what;
        QSizeF room; // what the view has for the page
    } rooms[] = {
        {"1366 x 768 laptop", {1320, 650}},
        {"1920 x 1080 screen", {1870, 960}},
        {"2560 x 1440 screen", {2510, 1320}},
        {"800 x 600 screen", {760, 500}},
    };
    for (const Case& c : rooms)
        for (const QSizeF page : {kLandscape, kPortrait}) {
            SCOPED_TRACE(std::string(c.what) + (page == kLandscape ? " landscape" : " portrait"));
            const double fullWidth = c.room.width() / page.width();
            const double wholePage = std::min(fullWidth, c.room.height() / page.height());
            const double zoom = readableZoom(wholePage, fullWidth);
            // Never wider than the room: no sideways scrolling.
            EXPECT_LE(zoom, fullWidth);
            if (fullWidth >= 1.0) {
                // Life size or larger: the 7-point text stays readable.
                EXPECT_GE(zoom, 1.0);
                // And the whole page where it fits so.
                if (wholePage >= 1.0) {
                    EXPECT_DOUBLE_EQ(zoom, wholePage);
                }
            } else {
                EXPECT_DOUBLE_EQ(zoom, fullWidth); // as wide as it can
            }
        }
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

    // The page is shown at the readable zoom for the view's own measures
    // (those of its two fitting zooms), and stays so until the user zooms.
    QPrintPreviewWidget* pages = window.pages();
    EXPECT_EQ(pages->zoomMode(), QPrintPreviewWidget::CustomZoom);
    // Shown from the top of the page, where one starts reading.
    const auto* area = pages->findChild<QAbstractScrollArea*>();
    ASSERT_TRUE(area);
    EXPECT_EQ(area->verticalScrollBar()->value(), area->verticalScrollBar()->minimum());
    const double shown = pages->zoomFactor();
    pages->fitInView();
    const double wholePage = pages->zoomFactor();
    pages->fitToWidth();
    const double fullWidth = pages->zoomFactor();
    EXPECT_DOUBLE_EQ(shown, readableZoom(wholePage, fullWidth));
    EXPECT_LE(shown, fullWidth);
}

} // namespace
