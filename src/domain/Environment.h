#pragma once
// Seams to the world outside the program that need no window: the clock and
// the program's folders. Tests replace both.

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

// The program's folders. The program folder holds what the install laid
// out: the programs, the printable manual, Qt's Italian texts and the store
// with the first-access password. The data folder holds what the users make:
// the archives, the password store in use, the attachments, the exports.
//
// They are one folder when the program runs from a writable folder of its
// own (a build folder, a program folder installed for its users to write).
// A program folder shared by the system's users (one that a package laid out,
// marked by kSharedMarker, or one the user cannot write) keeps no data: the
// data folder is then the VELMORA_FOLDER that the administrator's
// configuration file names, or else the user's own
// ~/.local/share/Velmora ($XDG_DATA_HOME/Velmora).
namespace ProgramFolder {

// The store of the access password, in the data folder; the program folder
// holds the one with the first-access password.
inline const QString kStoreFile = QStringLiteral("unins000.dll");
// The file that marks a program folder shared by every user of the system.
inline const QString kSharedMarker = QStringLiteral("shared-program-folder");
// The administrator's configuration: "/etc/velmora.conf", or the file the
// environment variable VELMORA_CONF names (to try a configuration out, and
// for the tests).
QString configFile();

enum class Kind {
    Own,    // the program folder itself
    Shared, // the folder the configuration names
    User,   // the user's own folder
};

struct Choice {
    Kind kind = Kind::Own;
    QString folder; // with its trailing separator
};

// Which data folder a program in `programFolder` works in, by the rule
// above. Looks only: nothing is created.
Choice choose(const QString& programFolder);

// The folder of the program's own executable, with its trailing separator.
QString programPath();

// The data folder, with its trailing separator: the override when there is
// one, else the choice for the program's own folder, made once a run.
QString path();

// Points the data folder elsewhere (tests); an empty text goes back to the
// rule.
void override(const QString& folder);

// Makes the data folder of a program in `programFolder` ready for its first
// start there: the user's own folder is created (open to that user alone),
// and a data folder other than the program folder without a password store
// gets a copy of the program folder's. Returns what went wrong, as a message
// for the user, or an empty text. Nothing to do for the program's own folder
// or under an override.
QString prepare(const QString& programFolder);

} // namespace ProgramFolder
