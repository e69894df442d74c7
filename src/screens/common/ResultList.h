#pragma once
// The result list of a search screen: one line a record in a fixed-pitch
// font, so the padded columns line up, scrolled sideways for long notes, and
// filled in one batch so that a year of records shows at once.

#include <QListWidget>
#include <QStringList>

namespace ResultList {

QListWidget* create(QWidget* parent, const QString& name);
// Replaces the lines of a list made by create().
void fill(QListWidget* list, const QStringList& lines);
QStringList lines(const QListWidget* list);

} // namespace ResultList
