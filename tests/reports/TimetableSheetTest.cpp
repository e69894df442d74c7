// The timetable sheet printed from the timetable editor: every box from its
// control, in the order the sheet is filled, and each slot in its own row
// whatever the rows around it hold.
#include "SheetFixture.h"

#include "screens/common/RecordEditor.h"

#include <QFile>

namespace {

using namespace report;

class TimetableSheet : public SheetTest {
  protected:
    TimetableSheet() : SheetTest(QStringLiteral("TfrmOrari")) {}
};

TEST_F(TimetableSheet, EveryBoxShowsTheTrimmedTextOfItsControlInFillingOrder) {
    const std::map<QString, QString> typed = typeAroundBlanks(TRecordLayout::timetables());
    const PreparedPage page = printedPage();
    for (const auto& [field, text] : typed)
        EXPECT_EQ(textOf(page, "tit" + field), text) << field.toStdString();
    EXPECT_EQ(textOf(page, "txtCalce"), kFooter);

    // The heads first, then slot by slot its start, end and activity.
    QStringList order = {"titNome", "titPeriodo", "titSede", "titDisposizioni", "titAnnotazioni"};
    for (int slot = 1; slot <= kSlots; ++slot)
        for (const char* column : {"titInizio", "titFine", "titAttivita"})
            order << QString::fromLatin1(column) + slotSuffix(slot);
    order << "txtCalce";
    EXPECT_EQ(namedBoxes(page), order);
    EXPECT_EQ(printing->printed.back().orientation, Orientation::Landscape);
    EXPECT_EQ(page.paperMm, QSizeF(297, 210));
}

TEST_F(TimetableSheet, EmptySlotRowsPrintAsEmptyBoxesInTheirPlace) {
    // Slots 1, 4 and 12 filled; 2 and 3 empty between them, and 5 to 11;
    // slot 6 has only its activity.
    const std::map<int, std::array<const char*, 3>> filled = {
        {1, {"08:00", "13:00", "Accoglienza"}},
        {4, {"14:00", "", "Sportello"}},
        {6, {"", "", "Reperibilità"}},
        {12, {"21:00", "22:00", "Chiusura"}},
    };
    for (const auto& [slot, texts] : filled)
        for (int c = 0; c < 3; ++c)
            box(QStringLiteral("txt") + (QStringList{"Inizio", "Fine", "Attivita"}[c]) +
                slotSuffix(slot))
                ->setText(QString::fromUtf8(texts[c]));

    const PreparedPage page = printedPage();
    struct Column {
        const char* stem;
        double x, w;
        HAlign align;
    };
    const Column columns[] = {{"titInizio", 12, 31.8, HAlign::Center},
                              {"titFine", 46, 31.8, HAlign::Center},
                              {"titAttivita", 81, 203.5, HAlign::Left}};
    for (int slot = 1; slot <= kSlots; ++slot) {
        for (int c = 0; c < 3; ++c) {
            const QString name = QString::fromLatin1(columns[c].stem) + slotSuffix(slot);
            expectPlace(page, name, QRectF(columns[c].x, 27 + 7 * (slot - 1), columns[c].w, 4.4), 9,
                        columns[c].align);
            const auto it = filled.find(slot);
            EXPECT_EQ(textOf(page, name),
                      it == filled.end() ? QString() : QString::fromUtf8(it->second[c]))
                << name.toStdString();
        }
    }
    // Each slot row has its frame, 7 mm below the one before.
    for (int slot = 1; slot <= kSlots; ++slot) {
        const QRectF frame(11, 26 + 7 * (slot - 1), 275, 6.6);
        EXPECT_EQ(std::count_if(page.shapes.begin(), page.shapes.end(),
                                [&](const Shape& s) { return s.mm == frame; }),
                  1)
            << slot;
    }
}

TEST_F(TimetableSheet, TitleAndLowerBoxesKeepTheirPlaceAndFont) {
    const PreparedPage page = printedPage();
    struct Expected {
        const char* name;
        QRectF mm;
        double points;
        HAlign align;
    };
    const Expected table[] = {
        {"titNome", {11, 11, 274.8, 7.2}, 12, HAlign::Center},
        {"titPeriodo", {12, 123, 127, 4.4}, 9, HAlign::Center},
        {"titSede", {146, 123, 139, 4.4}, 9, HAlign::Center},
        {"titDisposizioni", {13, 141, 271.5, 4.4}, 9, HAlign::Left},
        {"titAnnotazioni", {13, 158, 271.5, 4.4}, 9, HAlign::Left},
        {"txtCalce", {12, 193, 273, 4.2}, 8, HAlign::Center},
    };
    for (const Expected& e : table)
        expectPlace(page, QString::fromLatin1(e.name), e.mm, e.points, e.align);
    // One activity heading across the width after the times, no workers'
    // column: two rules only, at 35 and 69.
    QStringList headings;
    for (const TextBox& t : page.texts)
        if (t.name.isEmpty() && t.mm.top() == 21) headings << t.text();
    EXPECT_EQ(headings, (QStringList{"DALLE ORE", "ALLE ORE", "ATTIVITA' DA SVOLGERE"}));
    QList<double> rules;
    for (const Shape& s : page.shapes)
        if (s.mm.width() == 0) rules << s.mm.left();
    EXPECT_EQ(rules, (QList<double>{45, 79}));
}

TEST_F(TimetableSheet, PrintsTheScreenNotTheArchiveAndAnnullaPrintsNothing) {
    appendRecords(
        path("Orari.pro"), TRecordLayout::timetables(),
        {{{"Nome", "Orario invernale"}, {"Inizio01", "08:00"}, {"Attivita02", "Pulizie"}}});
    QFile archive(path("Orari.pro"));
    ASSERT_TRUE(archive.open(QIODevice::ReadOnly));
    const QByteArray before = archive.readAll();
    archive.close();

    qobject_cast<RecordEditor*>(screen("TfrmOrari"))->cmdPrimoClick();
    ASSERT_EQ(box("txtNome")->text(), "Orario invernale");
    box("txtAttivita02")->setText("Pulizie e chiusura, non salvato");

    press("btnStampa", "btnAnnulla");
    EXPECT_TRUE(printing->printed.empty());
    EXPECT_EQ(box("txtAttivita02")->text(), "Pulizie e chiusura, non salvato");

    const PreparedPage page = printedPage();
    EXPECT_EQ(modal->shownScreens, (QStringList{"TfrmStampaOrario", "TfrmStampaOrario"}));
    EXPECT_EQ(textOf(page, "titNome"), "Orario invernale");
    EXPECT_EQ(textOf(page, "titInizio01"), "08:00");
    EXPECT_EQ(textOf(page, "titAttivita02"), "Pulizie e chiusura, non salvato");
    ASSERT_TRUE(archive.open(QIODevice::ReadOnly));
    EXPECT_EQ(archive.readAll(), before);
}

} // namespace
