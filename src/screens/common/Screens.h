#pragma once
// The screens created once at start-up and reached through that instance:
// the screen that hands over to another finds it here by class name.

#include <QString>
#include <QWidget>

namespace Screens {
void add(QWidget* screen); // registered under its objectName
void remove(QWidget* screen);
QWidget* find(const QString& name); // nullptr when that screen is not there
template <class T> T* get(const QString& name) {
    return qobject_cast<T*>(find(name));
}
// Shows the named screen, then hides `from`: never two at a time, never none.
void handOver(QWidget* from, const QString& to);
} // namespace Screens
