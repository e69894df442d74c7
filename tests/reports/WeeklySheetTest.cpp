// The weekly sheet printed from the weekly editor: every box from its
// control, in the order the sheet is filled, the week's line with or
// without dates, and a full worker box on one line in its place.
#include "SheetFixture.h"

namespace {

using namespace report;

class WeeklySheet : public SheetTest {
  protected:
    WeeklySheet() : SheetTest(QStringLiteral("TfrmSettimanale")) {}
};

TEST_F(WeeklySheet, EveryBoxShowsTheTrimmedTextOfItsControlInFillingOrder) {
    std::map<QString, QString> typed = typeAroundBlanks(TRecordLayout::weekly());
    const PreparedPage page = printedPage();
    for (const auto& [field, text] : typed) {
        if (field == "DataInizio" || field == "DataFine") continue; // in the week's line
        EXPECT_EQ(textOf(page, "tit" + field), text) << field.toStdString();
    }
    EXPECT_EQ(textOf(page, "titData"),
              "SETTIMANA DAL  " + typed["DataInizio"] + "  AL  " + typed["DataFine"] + " ");
    EXPECT_EQ(textOf(page, "txtCalce"), kFooter);

    // Title and texts under the table, the times slot by slot, the days.
    QStringList order = {"titNome", "titData", "titSede", "titDisposizioni", "titAnnotazioni"};
    for (int slot = 1; slot <= kSlots; ++slot)
        order << "titInizio" + slotSuffix(slot) << "titFine" + slotSuffix(slot);
    for (const char* day : {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"})
        for (int slot = 1; slot <= kSlots; ++slot)
            order << "tit" + QString::fromLatin1(day) + slotSuffix(slot);
    order << "txtCalce";
    EXPECT_EQ(namedBoxes(page), order);
    EXPECT_EQ(printing->printed.back().orientation, Orientation::Landscape);
}

TEST_F(WeeklySheet, TheWeekLineKeepsItsBlanksWithoutDatesAndBoxesKeepTheirPlace) {
    box("txtDom12")->setText(QString(40, u'W'));
    const PreparedPage page = printedPage();
    press("btnAnteprima"); // the preview shows the page that is printed
    ASSERT_EQ(printing->previewed.size(), 1u);
    EXPECT_EQ(printing->previewed[0], printing->printed[0]);
    EXPECT_EQ(textOf(page, "titData"), "SETTIMANA DAL    AL   ");
    EXPECT_EQ(textOf(page, "titDom12"), QString(40, u'W'));
    // The template's places are given inside the 10 mm margins.
    expectPlace(page, "titNome", QRectF(11, 11, 157.8, 7.2), 12, HAlign::Left);
    expectPlace(page, "titData", QRectF(170, 11, 115.8, 7.2), 12, HAlign::Right);
    expectPlace(page, "titInizio01", QRectF(12, 27, 16, 4.4), 9, HAlign::Center);
    expectPlace(page, "titFine12", QRectF(30.2, 27 + 7 * 11, 16, 4.4), 9, HAlign::Center);
    expectPlace(page, "titLun01", QRectF(49, 27, 32, 4.4), 9, HAlign::Left);
    expectPlace(page, "titDom12", QRectF(253.2, 27 + 7 * 11, 32, 4.4), 9, HAlign::Left);
    expectPlace(page, "titSede", QRectF(13, 123, 271.5, 4.4), 9, HAlign::Left);
}

} // namespace
