#pragma once
// A date box nobody types into: Backspace and Delete empty it, Tab and
// Shift+Tab leave it as they leave every box, and any other key asks for the
// date picker instead. After a date is picked the focus moves on to the next
// box of the form's Enter chain.

#include <QLineEdit>
#include <functional>

class QAbstractButton;

namespace DateBox {
// Makes `box` read-only and routes its keys, and the clicks of its import
// button, to `openPicker`, which returns true when a date was picked; then
// the focus goes to `next`. Install it after any Enter chain so that it sees
// the keys first.
void install(QLineEdit* box, QAbstractButton* importButton, QWidget* next,
             std::function<bool()> openPicker);
} // namespace DateBox
