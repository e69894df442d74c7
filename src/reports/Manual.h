#pragma once
// The printable manual, Guida.pdf: a title page, an introduction and one
// chapter per application, made from the same texts the help screen shows.

#include <QByteArray>
#include <QString>

namespace Manual {

// The manual as HTML for a text document (also what the tests read).
QString html();
// The manual as A4 PDF pages, with page numbers.
QByteArray pdf();

} // namespace Manual
