#pragma once
// What the daily and the weekly editor share beyond every editor: the "Ore"
// button that opens the hours of the workers, and the warning line after a
// Salva that books a worker twice.

#include "screens/common/EditorChrome.h"
#include "screens/common/RecordEditor.h"

namespace ShiftEditors {

// btnOre, among the editor's own buttons (Alt+O).
const EditorButton& hoursButton();
// Wires btnOre to the hours list of the editor's year, opened with `tag`.
void opensHours(RecordEditor* editor, const QString& tag);
// Keeps the room of the warning line under the fields while it is empty
// (two lines of it), so the slot rows never move when a warning comes or
// goes.
void reserveWarningLine(RecordEditor& editor);
// After table `number` is saved: the first double booking it is part of,
// within it or against another table of its days, on the warning line, or
// an empty line. Reading the archive again may fail (it is then left
// silent): the save itself is done.
void warnOfDoubleBookings(RecordEditor& editor, qint64 number);

} // namespace ShiftEditors
