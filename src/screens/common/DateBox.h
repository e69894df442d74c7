#pragma once
// A date box nobody types into: Backspace and Delete empty it, any other
// key (Enter and Tab included) asks for the date picker instead.

#include <QLineEdit>
#include <functional>

namespace DateBox {
// Makes `box` read-only and routes its keys; install it after any Enter
// chain so that it sees the keys first.
void install(QLineEdit* box, std::function<void()> openPicker);
} // namespace DateBox
