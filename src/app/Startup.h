#pragma once
// What the program sets up before its first screen: software rendering,
// the Italian locale and Qt's own Italian texts, and the icon theme.

class QApplication;

namespace Startup {
// Before the application object exists.
void beforeApplication();
// Right after it exists.
void configure(QApplication& app);
} // namespace Startup
