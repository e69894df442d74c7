#pragma once
// Painting prepared pages with QPainter on any device: the printer, the
// preview, a PDF writer or an image. Every device gets the same drawing, so
// what the preview shows is what the printer prints.

#include "ReportModel.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace report {

// Paints one page in the coordinates of the painter's device, whose origin
// must be the paper's top-left corner. Millimetres become device pixels by
// the device's resolution; fonts are sized in points for that device.
void paintPage(QPainter& painter, const PreparedPage& page);

// A4 in the report's orientation, without margins: the template's own
// margins are already in the prepared positions.
QPageLayout pageLayout(const PreparedReport& report);

// Paints every page, one device page each, on a printer or PDF writer whose
// page layout is pageLayout() and whose origin is the paper's corner. False
// when the device refuses the painter.
bool paintReport(const PreparedReport& report, QPagedPaintDevice& device);

// One page as a white picture at `dpi` dots per inch.
QImage renderPage(const PreparedPage& page, double dpi);

// The pages as the bytes of a PDF file; empty when they could not be drawn.
QByteArray pdfBytes(const PreparedReport& report);
// Writes the pages as a PDF file through the atomic save: the file appears
// only once complete; on failure an older file stays whole, nothing else is
// left behind and `error` says why.
bool writePdf(const PreparedReport& report, const QString& path, QString* error = nullptr);

} // namespace report
