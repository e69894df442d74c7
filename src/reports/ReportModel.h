#pragma once
// The data a report template is made of: text boxes, rectangles and lines
// placed in millimetres, grouped on a page or in bands, and the pages the
// engine prepares from them. Plain values, so a template is copied fresh for
// every use and prepared pages can be compared and inspected.

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace report {

// The engine's length unit for heights set by the program: 96 per inch.
inline double unitsToMm(double units) {
    return units * 25.4 / 96.0;
}

enum class Orientation { Portrait, Landscape };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

struct Font {
    QString family = QStringLiteral("Arial");
    double points = 9;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// A box of text that never wraps: a line longer than the box is cut at its
// edge. A named box is filled by the program; a box without a name is a
// fixed text (heading, label) that nobody touches.
struct TextBox {
    QString name;
    QRectF mm;
    Font font;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Center;
    QColor color = Qt::black;
    QColor background; // invalid: transparent
    QStringList lines = {QString()};
    // Pitch of the lines of a multi-line box; 0 for a one-line box, whose one
    // line takes the whole height.
    double lineMm = 0;

    QString text() const { return lines.join(u'\n'); }
    void setText(const QString& text) { lines = QStringList{text}; }
    void clearLines() { lines.clear(); }
    void addLine(const QString& line) { lines << line; }
    // Height in the engine's units (96 per inch).
    void setHeight(double units) { mm.setHeight(unitsToMm(units)); }
    bool operator==(const TextBox&) const = default;
};

// A rectangle (framed, filled or both) or a horizontal or vertical line. A
// line is a rectangle of zero height (horizontal) or zero width (vertical).
struct Shape {
    QRectF mm;
    QColor fill;      // invalid: not filled
    double penMm = 0; // 0: no frame
    QColor pen = Qt::black;
    bool operator==(const Shape&) const = default;
};

struct Band {
    enum class Kind {
        Title,      // once, at the top of the first page
        MasterData, // after the title; split over pages when taller than the room left
        PageFooter, // at the bottom of every page
    };
    QString name;
    Kind kind = Kind::MasterData;
    double heightMm = 0;
    std::vector<Shape> shapes;
    std::vector<TextBox> texts; // positions relative to the band's top-left corner

    void setHeight(double units) { heightMm = unitsToMm(units); }
};

// The report page of a template: A4 with its orientation and margins, free
// objects placed from the top-left corner inside the margins, and bands.
struct ReportPage {
    Orientation orientation = Orientation::Landscape;
    double marginMm = 10;
    std::vector<Shape> shapes;
    std::vector<TextBox> texts;
    std::vector<Band> bands;

    void setOrientation(Orientation o) { orientation = o; }
    // The paper, 210 x 297 mm turned as the orientation says.
    QSizeF paperMm() const;
};

// One laid-out page, every position from the paper's top-left corner.
struct PreparedPage {
    QSizeF paperMm;
    std::vector<Shape> shapes;
    std::vector<TextBox> texts;

    // The named box on this page, or nullptr.
    const TextBox* text(const QString& name) const;
    bool operator==(const PreparedPage&) const = default;
};

struct PreparedReport {
    Orientation orientation = Orientation::Landscape;
    std::vector<PreparedPage> pages;
    bool operator==(const PreparedReport&) const = default;
};

} // namespace report
