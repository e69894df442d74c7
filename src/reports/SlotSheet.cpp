#include "SlotSheet.h"

#include "archive/RecordLayout.h"

#include <vector>

namespace report::SlotSheet {

namespace {

constexpr double kSignature = 0.3;

constexpr HAlign L = HAlign::Left;
constexpr HAlign C = HAlign::Center;

// Filled after the title, before the slots.
constexpr BoxRow kBelow[] = {
    {"Periodo", 2, 113, 127, 4.4, 9, C},
    {"Sede", 136, 113, 139, 4.4, 9, C},
    {"Disposizioni", 3, 131, 271.5, 4.4, 9, L},
    {"Annotazioni", 3, 148, 271.5, 4.4, 9, L},
};

constexpr BoxRow kTimes[] = {
    {"Inizio", 2, 17, 31.8, 4.4, 9, C},
    {"Fine", 36, 17, 31.8, 4.4, 9, C},
};

constexpr FixedRow kFixed[] = {
    {"DALLE ORE", 2, 11, 31.8, 3.8, 9, C},
    {"ALLE ORE", 36, 11, 31.8, 3.8, 9, C},
    {"PERIODO VALIDITA'", 2, 107, 127, 3.8, 9, C},
    {"SEDE OPERATIVA", 136, 107, 139, 3.8, 9, C},
    {"DISPOSIZIONI ORGANIZZATIVE", 2, 125, 150, 4.4, 9, L},
    {"ANNOTAZIONI", 2, 142, 150, 4.4, 9, L},
    {"FIRMA DEL RESPONSABILE:", 200, 159, 75, 4.4, 9, L},
};

constexpr ShapeRow kShapes[] = {
    {1, 10, 275, 5.8, "lightsteelblue", kFrame}, // table heading band
    {1, 16, 275, 6.6, nullptr, kFrame, kSlots},  // slot rows
    {35, 10, 0, 89.6, nullptr, kFrame},          // between the times and after them
    {69, 10, 0, 89.6, nullptr, kFrame},
    {1, 106, 129, 5.8, "beige", kFrame},    // period heading
    {135, 106, 141, 5.8, "beige", kFrame},  // site heading
    {1, 112, 129, 6.6, nullptr, kFrame},    // period value
    {135, 112, 141, 6.6, nullptr, kFrame},  // site value
    {1, 130, 275, 6.6, nullptr, kFrame},    // instructions
    {1, 147, 275, 6.6, nullptr, kFrame},    // notes
    {200, 175, 75, 0, nullptr, kSignature}, // signature line
    {1, 182, 275, 5.8, "gold", 0},          // footer band
};

void addBoxes(SheetDesign& d, std::span<const BoxRow> rows) {
    for (const BoxRow& r : rows)
        d.boxes.push_back(sheetBox(QStringLiteral("tit") + QString::fromLatin1(r.field),
                                   QString::fromLatin1(r.field), r));
}

void addSlotBox(SheetDesign& d, const BoxRow& r, int slot) {
    const QString field = QString::fromLatin1(r.field) + slotSuffix(slot);
    d.boxes.push_back(sheetBox(QStringLiteral("tit") + field, field, r, kPitch * (slot - 1)));
}

} // namespace

SheetDesign build(const Parts& parts) {
    SheetDesign d;
    d.name = parts.name;
    d.orientation = Orientation::Landscape;
    addBoxes(d, parts.title);
    addBoxes(d, kBelow);
    std::vector<BoxRow> columns(std::begin(kTimes), std::end(kTimes));
    columns.insert(columns.end(), parts.columns.begin(), parts.columns.end());
    if (parts.order == Order::ColumnByColumn) {
        for (const BoxRow& r : columns)
            for (int slot = 1; slot <= kSlots; ++slot)
                addSlotBox(d, r, slot);
    } else {
        for (int slot = 1; slot <= kSlots; ++slot)
            for (const BoxRow& r : columns)
                addSlotBox(d, r, slot);
    }
    d.footer = footerBox(2, 183, 273, 4.2);
    addFixedTexts(d, kFixed);
    addFixedTexts(d, parts.headings);
    addShapes(d, kShapes, kPitch);
    addShapes(d, parts.rules, kPitch);
    return d;
}

} // namespace report::SlotSheet
