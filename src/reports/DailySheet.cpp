#include "DailySheet.h"

#include "archive/RecordLayout.h"

namespace report::DailySheet {

namespace {

constexpr double kSlotPitch = 7; // mm from one slot row to the next
constexpr double kFrame = 0.2;   // mm: row frames and column rules
constexpr double kSignature = 0.3;

constexpr HAlign L = HAlign::Left;
constexpr HAlign C = HAlign::Center;
constexpr HAlign R = HAlign::Right;

// Named boxes, in the order they are filled. Per-slot rows stand for twelve
// boxes, "tit" + field + 01..12, one slot row apart.
struct BoxRow {
    const char* field;
    double x, y, w, h;
    double points;
    HAlign align;
    const char* placeholder;
    bool perSlot;
    const char* prefix;
    const char* suffix;
};
constexpr BoxRow kBoxes[] = {
    {"Nome", 1, 1, 221.8, 7.2, 12, L, "NOME TURNO", false, "", ""},
    {"Data", 226, 1, 49.8, 7.2, 12, R, "DATA: GG/MM/AAAA ", false, "DATA:  ", " "},
    {"Periodo", 2, 113, 127, 4.4, 9, C, "", false, "", ""},
    {"Sede", 136, 113, 139, 4.4, 9, C, "", false, "", ""},
    {"Disposizioni", 3, 131, 271.5, 4.4, 9, L, "", false, "", ""},
    {"Annotazioni", 3, 148, 271.5, 4.4, 9, L, "", false, "", ""},
    {"Inizio", 2, 17, 31.8, 4.4, 9, C, "", true, "", ""},
    {"Fine", 36, 17, 31.8, 4.4, 9, C, "", true, "", ""},
    {"Attivita", 180, 17, 94.5, 4.4, 9, L, "", true, "", ""},
    {"Lavoratore", 71, 17, 105.5, 4.4, 9, L, "", true, "", ""},
};

struct FixedRow {
    const char* text;
    double x, y, w, h;
    HAlign align;
};
constexpr FixedRow kFixed[] = {
    {"DALLE ORE", 2, 11, 31.8, 3.8, C},
    {"ALLE ORE", 36, 11, 31.8, 3.8, C},
    {"TURNISTI", 70, 11, 106.8, 3.8, C},
    {"ATTIVITA' DA SVOLGERE", 180, 11, 94.5, 3.8, C},
    {"PERIODO VALIDITA'", 2, 107, 127, 3.8, C},
    {"SEDE OPERATIVA", 136, 107, 139, 3.8, C},
    {"DISPOSIZIONI ORGANIZZATIVE", 2, 125, 150, 4.4, L},
    {"ANNOTAZIONI", 2, 142, 150, 4.4, L},
    {"FIRMA DEL RESPONSABILE:", 200, 159, 75, 4.4, L},
};

// Rectangles and lines; a line has zero width or height. `repeat` copies
// the shape one slot row further down each time.
struct ShapeRow {
    double x, y, w, h;
    const char* fill; // colour name, or nullptr
    double pen;
    int repeat;
};
constexpr ShapeRow kShapes[] = {
    {1, 10, 275, 5.8, "lightsteelblue", kFrame, 1}, // table heading band
    {1, 16, 275, 6.6, nullptr, kFrame, kSlots},     // slot rows
    {35, 10, 0, 89.6, nullptr, kFrame, 1},          // column rules
    {69, 10, 0, 89.6, nullptr, kFrame, 1},
    {178, 10, 0, 89.6, nullptr, kFrame, 1},
    {1, 106, 129, 5.8, "beige", kFrame, 1},    // period heading
    {135, 106, 141, 5.8, "beige", kFrame, 1},  // site heading
    {1, 112, 129, 6.6, nullptr, kFrame, 1},    // period value
    {135, 112, 141, 6.6, nullptr, kFrame, 1},  // site value
    {1, 130, 275, 6.6, nullptr, kFrame, 1},    // instructions
    {1, 147, 275, 6.6, nullptr, kFrame, 1},    // notes
    {200, 175, 75, 0, nullptr, kSignature, 1}, // signature line
    {1, 182, 275, 5.8, "gold", 0, 1},          // footer band
};

TextBox arial(double x, double y, double w, double h, double points, HAlign align,
              const QString& text) {
    TextBox t;
    t.mm = QRectF(x, y, w, h);
    t.font = Font{QStringLiteral("Arial"), points, false};
    t.hAlign = align;
    t.vAlign = VAlign::Center;
    t.setText(text);
    return t;
}

SheetDesign build() {
    SheetDesign d;
    d.name = QStringLiteral("daily sheet");
    d.orientation = Orientation::Landscape;
    for (const BoxRow& r : kBoxes) {
        const int count = r.perSlot ? kSlots : 1;
        for (int k = 1; k <= count; ++k) {
            const QString field =
                QString::fromLatin1(r.field) + (r.perSlot ? slotSuffix(k) : QString());
            const double y = r.y + kSlotPitch * (k - 1);
            d.boxes.push_back(
                {QStringLiteral("tit") + field, field,
                 arial(r.x, y, r.w, r.h, r.points, r.align, QString::fromLatin1(r.placeholder)),
                 QString::fromLatin1(r.prefix), QString::fromLatin1(r.suffix)});
        }
    }
    d.footer = arial(2, 183, 273, 4.2, 8, C, QStringLiteral("Data e ora stampa"));
    d.footer.name = QStringLiteral("txtCalce");
    for (const FixedRow& r : kFixed)
        d.fixedTexts.push_back(arial(r.x, r.y, r.w, r.h, 9, r.align, QString::fromLatin1(r.text)));
    for (const ShapeRow& r : kShapes)
        for (int k = 0; k < r.repeat; ++k)
            d.shapes.push_back(Shape{QRectF(r.x, r.y + kSlotPitch * k, r.w, r.h),
                                     r.fill ? QColor::fromString(r.fill) : QColor(), r.pen,
                                     Qt::black});
    return d;
}

} // namespace

const SheetDesign& design() {
    static const SheetDesign d = build();
    return d;
}

Report create() {
    return makeSheet(design());
}

void fill(Report& report, const FieldSource& field, const QDateTime& now) {
    fillSheet(report, design(), field, now);
}

} // namespace report::DailySheet
