#pragma once
// What the program sets up before its first screen: software rendering,
// the Italian locale and Qt's own Italian texts, and the look of every
// screen (the icon theme, the push buttons' focus frame).

class QApplication;

namespace Startup {
// Before the application object exists.
void beforeApplication();
// Right after it exists; applies the look too.
void configure(QApplication& app);
// The desktop's style with a clear frame around the focused push button,
// and Adwaita as the icon theme where the desktop names none.
void applyLook(QApplication& app);
} // namespace Startup
