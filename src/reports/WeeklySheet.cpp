#include "WeeklySheet.h"

#include "archive/RecordLayout.h"

namespace report::WeeklySheet {

namespace {

constexpr double kPitch = 7; // mm from one slot row to the next
constexpr double kFrame = 0.2;
constexpr HAlign L = HAlign::Left;
constexpr HAlign C = HAlign::Center;

// Filled in this order: the title, the texts under the table, the two times
// slot by slot, then the workers day by day.
constexpr BoxRow kTitle[] = {
    {"Nome", 1, 1, 157.8, 7.2, 12, L, "NOME TURNO"},
    {"Sede", 3, 113, 271.5, 4.4, 9, L},
    {"Disposizioni", 3, 131, 271.5, 4.4, 9, L},
    {"Annotazioni", 3, 148, 271.5, 4.4, 9, L},
};
constexpr BoxRow kWeek = {
    "Data", 160, 1, 115.8, 7.2, 12, HAlign::Right, "SETTIMANA DAL  GG/MM/AAAA  AL  GG/MM/AAAA "};
constexpr BoxRow kTimes[] = {
    {"Inizio", 2, 17, 16, 4.4, 9, C},
    {"Fine", 20.2, 17, 16, 4.4, 9, C},
};
constexpr BoxRow kDays[] = {
    {"Lun", 39, 17, 32, 4.4, 9, L},    {"Mar", 73, 17, 32, 4.4, 9, L},
    {"Mer", 107, 17, 32, 4.4, 9, L},   {"Gio", 141, 17, 32, 4.4, 9, L},
    {"Ven", 175, 17, 32, 4.4, 9, L},   {"Sab", 209, 17, 32, 4.4, 9, L},
    {"Dom", 243.2, 17, 32, 4.4, 9, L},
};

constexpr FixedRow kFixed[] = {
    {"Dalle ore", 2, 11, 16, 3.8, 8, C},
    {"Alle ore", 20.2, 11, 16, 3.8, 8, C},
    {"LUNEDI'", 39, 11, 32, 3.8, 9, C},
    {"MARTEDI'", 72.8, 11, 32, 3.8, 9, C},
    {"MERCOLEDI'", 107, 11, 32, 3.8, 9, C},
    {"GIOVEDI'", 141, 11, 32, 3.8, 9, C},
    {"VENERDI'", 175, 11, 32, 3.8, 9, C},
    {"SABATO", 209, 11, 32, 3.8, 9, C},
    {"DOMENICA", 243, 11, 32, 3.8, 9, C},
    {"SEDE OPERATIVA", 1, 107, 275, 3.8, 9, C},
    {"DISPOSIZIONI ORGANIZZATIVE", 2, 125, 150, 4.4, 9, L},
    {"ANNOTAZIONI", 2, 142, 150, 4.4, 9, L},
    {"FIRMA DEL RESPONSABILE:", 200, 159, 74, 4.4, 9, L},
};

constexpr ShapeRow kShapes[] = {
    {1, 10, 275, 5.8, "lightsteelblue", kFrame}, // heading band
    {1, 16, 275, 6.6, nullptr, kFrame, kSlots},  // slot rows
    {19, 10, 0, 89.6, nullptr, kFrame},          // column rules
    {37.2, 10, 0, 89.6, nullptr, kFrame},
    {72, 10, 0, 89.6, nullptr, kFrame},
    {106, 10, 0, 89.6, nullptr, kFrame},
    {140, 10, 0, 89.6, nullptr, kFrame},
    {174.2, 10, 0, 89.6, nullptr, kFrame},
    {208, 10, 0, 89.6, nullptr, kFrame},
    {242, 10, 0, 89.6, nullptr, kFrame},
    {1, 106, 275, 5.8, "beige", kFrame}, // site heading
    {1, 112, 275, 6.6, nullptr, kFrame}, // site
    {1, 130, 275, 6.6, nullptr, kFrame}, // instructions
    {1, 147, 275, 6.6, nullptr, kFrame}, // notes
    {200, 175, 75, 0, nullptr, 0.3},     // signature line
    {1, 182, 275, 5.8, "gold", 0},       // footer band
};

void addSlotBox(SheetDesign& d, const BoxRow& r, int slot) {
    const QString field = QString::fromLatin1(r.field) + slotSuffix(slot);
    d.boxes.push_back(sheetBox(QStringLiteral("tit") + field, field, r, kPitch * (slot - 1)));
}

} // namespace

const SheetDesign& design() {
    static const SheetDesign sheet = [] {
        SheetDesign d;
        d.name = QStringLiteral("weekly sheet");
        d.orientation = Orientation::Landscape;
        d.boxes.push_back(sheetBox(QStringLiteral("titNome"), QStringLiteral("Nome"), kTitle[0]));
        // The week as one line; with no dates the blanks around them stay.
        SheetBox week = sheetBox(QStringLiteral("titData"), QString(), kWeek);
        week.compose = [](const FieldSource& f) {
            return QStringLiteral("SETTIMANA DAL  ") + f(QStringLiteral("DataInizio")) +
                   QStringLiteral("  AL  ") + f(QStringLiteral("DataFine")) + u' ';
        };
        d.boxes.push_back(week);
        for (const BoxRow& r : std::span(kTitle).subspan(1))
            d.boxes.push_back(sheetBox(QStringLiteral("tit") + QString::fromLatin1(r.field),
                                       QString::fromLatin1(r.field), r));
        for (int slot = 1; slot <= kSlots; ++slot)
            for (const BoxRow& r : kTimes)
                addSlotBox(d, r, slot);
        for (const BoxRow& r : kDays)
            for (int slot = 1; slot <= kSlots; ++slot)
                addSlotBox(d, r, slot);
        d.footer = footerBox(2, 183, 273, 4.2);
        addFixedTexts(d, kFixed);
        addShapes(d, kShapes, kPitch);
        return d;
    }();
    return sheet;
}

} // namespace report::WeeklySheet
