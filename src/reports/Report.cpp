#include "Report.h"

#include "domain/Environment.h"

#include <algorithm>

namespace report {

QSizeF ReportPage::paperMm() const {
    return orientation == Orientation::Landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

const TextBox* PreparedPage::text(const QString& name) const {
    for (const TextBox& t : texts)
        if (t.name == name) return &t;
    return nullptr;
}

namespace {

constexpr double kEps = 1e-6;

// Number of lines a box shows and their pitch: a one-line box is one line as
// tall as the box; a multi-line box shows the lines that fit in its height.
struct LineGrid {
    double pitch;
    qsizetype count;
};

LineGrid grid(const TextBox& t) {
    if (t.lineMm <= 0) return {t.mm.height(), qsizetype(1)};
    const auto fitting = static_cast<qsizetype>((t.mm.height() + kEps) / t.lineMm);
    return {t.lineMm, std::min(fitting, t.lines.size())};
}

class Layout {
  public:
    explicit Layout(const ReportPage& page)
        : page_(page), paper_(page.paperMm()), margin_(page.marginMm),
          bodyBottom_(paper_.height() - margin_) {
        for (const Band& b : page.bands)
            if (b.kind == Band::Kind::PageFooter) bodyBottom_ -= b.heightMm;
    }

    std::vector<PreparedPage> run() {
        startPage();
        for (const Band& b : page_.bands) {
            if (b.kind == Band::Kind::Title) {
                place(b, 0, b.heightMm, y_);
                y_ += b.heightMm;
            } else if (b.kind == Band::Kind::MasterData) {
                split(b);
            }
        }
        for (PreparedPage& p : pages_)
            for (const Band& b : page_.bands)
                if (b.kind == Band::Kind::PageFooter) place(b, 0, b.heightMm, bodyBottom_, &p);
        return std::move(pages_);
    }

  private:
    void startPage() {
        PreparedPage p;
        p.paperMm = paper_;
        const QPointF origin(margin_, margin_);
        for (Shape s : page_.shapes) {
            s.mm.translate(origin);
            p.shapes.push_back(s);
        }
        for (TextBox t : page_.texts) {
            t.mm.translate(origin);
            p.texts.push_back(t);
        }
        pages_.push_back(std::move(p));
        y_ = margin_;
    }

    // A band taller than the room left goes on over the next pages; the cut
    // never falls through a line of text.
    void split(const Band& b) {
        double from = 0;
        for (;;) {
            const double room = bodyBottom_ - y_;
            if (b.heightMm - from <= room + kEps) {
                place(b, from, b.heightMm, y_);
                y_ += b.heightMm - from;
                return;
            }
            double cut = safeCut(b, from + room);
            if (cut <= from + kEps) {
                // Not even one line fits: try a fresh page, unless this is one
                // already, where the line is cut rather than looping forever.
                if (y_ > margin_ + kEps) {
                    startPage();
                    continue;
                }
                cut = from + room;
            }
            place(b, from, cut, y_);
            from = cut;
            startPage();
        }
    }

    static double safeCut(const Band& b, double cut) {
        for (bool moved = true; moved;) {
            moved = false;
            for (const TextBox& t : b.texts) {
                const LineGrid g = grid(t);
                for (qsizetype i = 0; i < g.count; ++i) {
                    const double top = t.mm.top() + static_cast<double>(i) * g.pitch;
                    if (top < cut - kEps && top + g.pitch > cut + kEps) {
                        cut = top;
                        moved = true;
                    }
                }
            }
        }
        return cut;
    }

    // Copies the part [from, to) of the band onto a page, the band's `from`
    // landing at `y`.
    void place(const Band& b, double from, double to, double y, PreparedPage* page = nullptr) {
        PreparedPage& p = page ? *page : pages_.back();
        const double dy = y - from;
        for (const Shape& s : b.shapes) {
            const double top = std::max(s.mm.top(), from);
            const double bottom = std::min(s.mm.bottom(), to);
            const bool horizontalLine = s.mm.height() <= 0;
            if (horizontalLine ? (s.mm.top() < from - kEps || s.mm.top() >= to - kEps)
                               : bottom <= top + kEps)
                continue;
            Shape part = s;
            part.mm = QRectF(s.mm.left() + margin_, top + dy, s.mm.width(),
                             horizontalLine ? 0 : bottom - top);
            p.shapes.push_back(part);
        }
        for (const TextBox& t : b.texts) {
            const LineGrid g = grid(t);
            TextBox part = t;
            part.lines.clear();
            double first = -1;
            for (qsizetype i = 0; i < g.count; ++i) {
                const double top = t.mm.top() + static_cast<double>(i) * g.pitch;
                if (top < from - kEps || top + g.pitch > to + kEps) continue;
                if (first < 0) first = top;
                part.lines << t.lines[i];
            }
            if (first < 0) continue;
            part.mm = QRectF(t.mm.left() + margin_, first + dy, t.mm.width(),
                             static_cast<double>(part.lines.size()) * g.pitch);
            p.texts.push_back(part);
        }
    }

    const ReportPage& page_;
    QSizeF paper_;
    double margin_;
    double bodyBottom_;
    double y_ = 0;
    std::vector<PreparedPage> pages_;
};

} // namespace

Report::Report(QString templateName, ReportPage page)
    : name_(std::move(templateName)), page_(std::move(page)) {}

ReportPage& Report::page(int index) {
    if (index != 1)
        throw TemplateError(
            QStringLiteral("%1: no report page %2").arg(name_).arg(index).toStdString());
    return page_;
}

TextBox& Report::text(const QString& name) {
    for (TextBox& t : page_.texts)
        if (t.name == name) return t;
    for (Band& b : page_.bands)
        for (TextBox& t : b.texts)
            if (t.name == name) return t;
    throw TemplateError(QStringLiteral("%1: no text box %2").arg(name_, name).toStdString());
}

Band& Report::band(const QString& name) {
    for (Band& b : page_.bands)
        if (b.name == name) return b;
    throw TemplateError(QStringLiteral("%1: no band %2").arg(name_, name).toStdString());
}

void Report::prepare(const QDateTime& now) {
    prepared_ = PreparedReport{page_.orientation, Layout(page_).run()};
    const QString date = now.date().toString(QStringLiteral("dd/MM/yyyy"));
    for (PreparedPage& p : prepared_.pages)
        for (TextBox& t : p.texts)
            for (QString& line : t.lines)
                line.replace(QLatin1String("[DATE]"), date);
    isPrepared_ = true;
}

void Report::prepare() {
    prepare(Clock::current().now());
}

const PreparedReport& Report::prepared() const {
    if (!isPrepared_)
        throw TemplateError(QStringLiteral("%1: output before prepare").arg(name_).toStdString());
    return prepared_;
}

} // namespace report
