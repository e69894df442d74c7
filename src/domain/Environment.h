#pragma once
// Seams to the world outside the program that need no window: the clock and
// the program folder. Tests replace both.

#include <QDate>
#include <QDateTime>
#include <QString>

#include <memory>

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
    QDate today() const { return now().date(); }

    static const Clock& current();
    // Installs a replacement (tests); nullptr goes back to the system clock.
    static void install(std::unique_ptr<Clock> clock);
};

// A clock that always tells the same moment.
class FixedClock : public Clock {
  public:
    explicit FixedClock(QDateTime moment) : moment_(std::move(moment)) {}
    QDateTime now() const override { return moment_; }

  private:
    QDateTime moment_;
};

namespace ProgramFolder {
// The folder of the program's own executable, with its trailing separator;
// every archive and the password store live here.
QString path();
// Points the program folder elsewhere (tests); an empty text goes back to
// the executable's folder.
void override(const QString& folder);
} // namespace ProgramFolder
