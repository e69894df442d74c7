#include "Render.h"

#include "archive/AtomicSave.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace report {

namespace {

QFont deviceFont(const Font& f) {
    QFont font(f.family);
    font.setPointSizeF(f.points);
    font.setBold(f.bold);
    // Where the family itself is missing, fontconfig's match for the hint
    // keeps fixed-pitch lists fixed-pitch.
    font.setStyleHint(f.family.contains(QLatin1String("Courier"), Qt::CaseInsensitive)
                          ? QFont::TypeWriter
                          : QFont::SansSerif);
    // Outlines unhinted, so a line measures the same on screen, paper and PDF.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

Qt::Alignment alignment(const TextBox& t) {
    Qt::Alignment a;
    switch (t.hAlign) {
    case HAlign::Left:
        a = Qt::AlignLeft;
        break;
    case HAlign::Center:
        a = Qt::AlignHCenter;
        break;
    case HAlign::Right:
        a = Qt::AlignRight;
        break;
    }
    switch (t.vAlign) {
    case VAlign::Top:
        a |= Qt::AlignTop;
        break;
    case VAlign::Center:
        a |= Qt::AlignVCenter;
        break;
    case VAlign::Bottom:
        a |= Qt::AlignBottom;
        break;
    }
    return a;
}

class Scale {
  public:
    explicit Scale(const QPaintDevice& d)
        : x_(d.logicalDpiX() / 25.4), y_(d.logicalDpiY() / 25.4) {}
    QRectF rect(const QRectF& mm) const {
        return {mm.x() * x_, mm.y() * y_, mm.width() * x_, mm.height() * y_};
    }
    double length(double mm) const { return mm * (x_ + y_) / 2; }

  private:
    double x_, y_;
};

} // namespace

void paintPage(QPainter& painter, const PreparedPage& page) {
    const Scale scale(*painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Fills first, then frames and rules, then text, whatever the order of
    // the template: a filled band never hides a rule or a heading.
    for (const Shape& s : page.shapes)
        if (s.fill.isValid()) painter.fillRect(scale.rect(s.mm), s.fill);
    for (const TextBox& t : page.texts)
        if (t.background.isValid()) painter.fillRect(scale.rect(t.mm), t.background);

    for (const Shape& s : page.shapes) {
        if (s.penMm <= 0) continue;
        QPen pen(s.pen, scale.length(s.penMm), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRectF r = scale.rect(s.mm);
        if (s.mm.height() <= 0 || s.mm.width() <= 0)
            painter.drawLine(r.topLeft(), r.bottomRight());
        else
            painter.drawRect(r);
    }

    for (const TextBox& t : page.texts) {
        const QRectF box = scale.rect(t.mm);
        const double pitch =
            t.lineMm > 0 ? scale.rect(QRectF(0, 0, 0, t.lineMm)).height() : box.height();
        painter.setFont(deviceFont(t.font));
        painter.setPen(t.color);
        for (qsizetype i = 0; i < t.lines.size(); ++i) {
            const QRectF line(box.left(), box.top() + static_cast<double>(i) * pitch, box.width(),
                              pitch);
            // One line, never wrapped; drawText cuts what does not fit at
            // the line's edges.
            painter.drawText(line, alignment(t) | Qt::TextSingleLine, t.lines[i]);
        }
    }
    painter.restore();
}

QPageLayout pageLayout(const PreparedReport& report) {
    return QPageLayout(QPageSize(QPageSize::A4),
                       report.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool paintReport(const PreparedReport& report, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        paintPage(painter, report.pages[i]);
    }
    return painter.end();
}

QImage renderPage(const PreparedPage& page, double dpi) {
    const QSize size(qRound(page.paperMm.width() / 25.4 * dpi),
                     qRound(page.paperMm.height() / 25.4 * dpi));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page);
    return image;
}

QByteArray pdfBytes(const PreparedReport& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(pageLayout(report));
        painted = paintReport(report, writer);
    }
    return painted ? buffer.data() : QByteArray();
}

bool writePdf(const PreparedReport& report, const QString& path, QString* error) {
    const QByteArray pdf = pdfBytes(report);
    if (pdf.isEmpty()) {
        if (error) *error = QStringLiteral("the PDF could not be drawn");
        return false;
    }
    return AtomicSave::save(path, pdf, error);
}

} // namespace report
