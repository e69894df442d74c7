#include "Manual.h"

#include "domain/HelpTexts.h"
#include "domain/MakerInfo.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <optional>

namespace Manual {

namespace {

struct Chapter {
    const char* heading;
    HelpTopic topic;
    // The export text that closes the chapter, for the applications that have one.
    std::optional<HelpTopic> exportTopic;
};

const Chapter kChapters[] = {
    {"Anagrafica Lavoratori", HelpTopic::Workers, HelpTopic::ExportWorkers},
    {"Impostazione Orari", HelpTopic::Timetables, HelpTopic::ExportTimetables},
    {"Calendario Turni", HelpTopic::Calendar, HelpTopic::ExportDaily},
};

QString paragraphs(const QStringList& texts) {
    QString out;
    for (const QString& t : texts)
        out += QStringLiteral("<p>") + t.toHtmlEscaped() + "</p>\n";
    return out;
}

// A chapter heading that starts a new page.
QString chapter(const QString& heading) {
    return QStringLiteral("<h1 style=\"page-break-before: always;\">") + heading.toHtmlEscaped() +
           QStringLiteral("</h1>\n");
}

} // namespace

QString html() {
    QString out = QStringLiteral("<html><body style=\"font-family: 'Liberation Sans', Arial; "
                                 "font-size: 11pt;\">\n");
    // The title page.
    out += QStringLiteral("<p style=\"margin-top: 180px;\" align=\"center\"><span "
                          "style=\"font-size: 40pt; font-weight: bold; color: #1d3d6b;\">"
                          "Velmora</span></p>\n"
                          "<p align=\"center\"><span style=\"font-size: 18pt; color: #1d3d6b;\">"
                          "Guida all'utilizzo del software</span></p>\n"
                          "<p align=\"center\" style=\"margin-top: 40px;\"><span "
                          "style=\"font-size: 12pt; color: #34495e;\">") +
           HelpTexts::kProductLine.toHtmlEscaped() + QStringLiteral("</span></p>\n");
    out += QStringLiteral("<p align=\"center\" style=\"margin-top: 300px;\">") +
           MakerInfo::kOwnerNotice.toHtmlEscaped() + QStringLiteral("<br>") +
           MakerInfo::kWebSite.toHtmlEscaped() + QStringLiteral("</p>\n");

    out += chapter(QStringLiteral("Introduzione")) +
           paragraphs(QStringList(HelpTexts::introduction()) + HelpTexts::closing());

    int number = 0;
    for (const Chapter& c : kChapters) {
        out += chapter(QStringLiteral("%1. %2").arg(++number).arg(QString::fromUtf8(c.heading)));
        out += paragraphs(HelpTexts::paragraphs(c.topic));
        if (c.exportTopic) {
            out += QStringLiteral("<h2>Esportazione in Microsoft Excel</h2>\n") +
                   paragraphs(HelpTexts::paragraphs(*c.exportTopic));
        }
    }
    out += QStringLiteral("</body></html>\n");
    return out;
}

QByteArray pdf() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Velmora - Guida all'utilizzo del software"));
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        writer.setResolution(300);
        QTextDocument document;
        document.setDefaultStyleSheet(
            QStringLiteral("h1 { font-size: 20pt; color: #1d3d6b; margin-bottom: 14px; }"
                           " h2 { font-size: 14pt; color: #1d3d6b; margin-top: 16px; }"
                           " p { margin-bottom: 8px; }"));
        document.setHtml(html());
        document.print(&writer);
    }
    return bytes;
}

} // namespace Manual
