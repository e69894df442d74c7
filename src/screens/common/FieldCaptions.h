#pragma once
// The caption each record field carries in front of its box on the filter
// panels of the search screens. One table for every archive, so a field is
// called the same on every screen that searches it.

#include "archive/RecordLayout.h"

#include <QString>

// "Sede operativa:" for Sede; a slot field (Lavoratore03) gets its slot
// number in its caption ("Turnista 3:"). A field without a caption is a
// fault in a table of the program: it stops the program with its name.
QString filterCaption(const TRecordLayout& layout, const QString& field);
