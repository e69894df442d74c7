// The POSIX Writer: a nameless new file (O_TMPFILE) where the system has
// them, otherwise a short named temporary held by a lock; renameat() puts it
// in the output's place.
#include "AtomicSave.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicSave {

namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Locks that belong to one open file rather than to the whole process, so
// two writers of one process see each other's too.
#ifdef F_OFD_SETLK
constexpr int kSetLock = F_OFD_SETLK;
#else
constexpr int kSetLock = F_SETLK;
#endif

bool lockWhole(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, kSetLock, &lock) == 0;
}

// A temporary is named "." + 8 hex digits of its output's name + "." + 6
// random letters or digits + ".tmp": short whatever the output's name, and
// recognisable as that output's.
constexpr int kRandomLength = 6;
constexpr QByteArrayView kTempSuffix = ".tmp";

QByteArray tempPrefix(const QByteArray& outputName) {
    return '.' + QCryptographicHash::hash(outputName, QCryptographicHash::Sha1).toHex().left(8) +
           '.';
}

QByteArray newTempName(const QByteArray& prefix) {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = prefix;
    for (int i = 0; i < kRandomLength; ++i)
        name += kDigits[QRandomGenerator::global()->bounded(int(sizeof kDigits - 1))];
    return name.append(kTempSuffix);
}

bool isTempOf(QByteArrayView entry, const QByteArray& prefix) {
    return entry.size() == prefix.size() + kRandomLength + kTempSuffix.size() &&
           entry.startsWith(prefix) && entry.endsWith(kTempSuffix);
}

// Removes the temporaries of one output that nobody holds any more: those a
// killed writer left. A live writer holds a lock on its file while it has one.
void removeStale(int dir, const QByteArray& prefix) {
    const int scan = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (scan < 0) return;
    DIR* listing = ::fdopendir(scan);
    if (!listing) {
        ::close(scan);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (!isTempOf(entry->d_name, prefix)) continue;
        const int fd = ::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && lockWhole(fd, F_RDLCK))
            ::unlinkat(dir, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(listing);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

struct Writer::State {
    int dir = -1;      // the output's folder
    int fd = -1;       // the new file
    QByteArray name;   // the output's name in its folder
    QByteArray prefix; // of the output's temporaries
    QByteArray temp;   // the new file's name while it has one
    QString target;    // for messages
    QString error;

    bool fail(const QString& what) {
        error = what;
        return false;
    }
    bool failStep(const char* step) {
        return fail(QStringLiteral("%1: %2").arg(QLatin1String(step), systemReason()));
    }

    void close() {
        if (fd >= 0) {
            if (!temp.isEmpty()) ::unlinkat(dir, temp.constData(), 0);
            ::close(fd);
        }
        if (dir >= 0) ::close(dir);
        fd = dir = -1;
        temp.clear();
    }

    // A named temporary, locked under its name: another writer's clean-up
    // may take the name between its creation and the lock, so it counts only
    // once it is locked and still there.
    bool createNamed() {
        for (int tries = 0; tries < 100; ++tries) {
            const QByteArray candidate = newTempName(prefix);
            const int file = ::openat(dir, candidate.constData(),
                                      O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (file < 0) {
                if (errno == EEXIST) continue;
                return failStep("create");
            }
            const bool locked = lockWhole(file, F_WRLCK);
            // A file system without locks still gets its file.
            const bool busy = !locked && (errno == EAGAIN || errno == EACCES);
            struct stat mine {
            }, named{};
            if (!busy && ::fstat(file, &mine) == 0 &&
                ::fstatat(dir, candidate.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
                sameFile(mine, named)) {
                fd = file;
                temp = candidate;
                return true;
            }
            ::close(file);
        }
        errno = EEXIST;
        return failStep("create");
    }

    // An unnamed file gets a short name of its own first, since a link
    // cannot replace the output; the rename then does.
    bool nameUnnamed() {
        for (int tries = 0; tries < 100; ++tries) {
            const QByteArray candidate = newTempName(prefix);
            int done = ::linkat(fd, "", dir, candidate.constData(), AT_EMPTY_PATH);
            // Linking a descriptor directly takes a privilege; through /proc
            // it does not.
            if (done != 0 && errno != EEXIST) {
                const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
                done = ::linkat(AT_FDCWD, self.constData(), dir, candidate.constData(),
                                AT_SYMLINK_FOLLOW);
            }
            if (done == 0) {
                temp = candidate;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        errno = EEXIST;
        return false;
    }
};

Writer::Writer() : d_(std::make_unique<State>()) {}

Writer::~Writer() {
    discard();
}

bool Writer::isOpen() const {
    return d_->fd >= 0;
}

QString Writer::error() const {
    return d_->error;
}

void Writer::discard() {
    d_->close();
}

bool Writer::open(const QString& path, Links links) {
    discard();
    State& s = *d_;
    s.error.clear();
    s.target = links == Links::Follow ? finalTarget(path)
                                      : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QFileInfo info(s.target);
    s.name = QFile::encodeName(info.fileName());
    if (s.name.isEmpty() || s.name == "." || s.name == "..")
        return s.fail(QStringLiteral("%1 is not a file name").arg(s.target));
    s.prefix = tempPrefix(s.name);
    const QString folder = info.absolutePath();
    s.dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (s.dir < 0) return s.fail(QStringLiteral("%1: %2").arg(folder, systemReason()));

    // Only what is already there is looked at, never opened: a pipe or a
    // device would block or be written into.
    struct stat old {};
    bool keepMode = false;
    if (::fstatat(s.dir, s.name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(old.st_mode)) {
            s.close();
            return s.fail(QStringLiteral("%1 is a folder").arg(s.target));
        }
        if (S_ISLNK(old.st_mode)) {
            // Followed to the end already: what is left is a loop.
            if (links == Links::Follow) {
                s.close();
                errno = ELOOP;
                return s.fail(QStringLiteral("%1: %2").arg(s.target, systemReason()));
            }
        } else if (!S_ISREG(old.st_mode)) {
            s.close();
            return s.fail(QStringLiteral("%1 is not a regular file").arg(s.target));
        } else {
            keepMode = true;
        }
    } else if (errno != ENOENT) {
        const QString reason = systemReason();
        s.close();
        return s.fail(QStringLiteral("%1: %2").arg(s.target, reason));
    }

    removeStale(s.dir, s.prefix);
#ifdef O_TMPFILE
    if (!testing::namedTemporaries()) {
        s.fd = ::openat(s.dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (s.fd >= 0) lockWhole(s.fd, F_WRLCK);
    }
#endif
    if (s.fd < 0 && !s.createNamed()) {
        s.close();
        return false;
    }
    // The new file gets the old one's permission bits, or those a new file
    // gets under the umask.
    if (keepMode && ::fchmod(s.fd, old.st_mode & 07777) != 0) {
        s.failStep("chmod");
        s.close();
        return false;
    }
    return true;
}

bool Writer::write(QByteArrayView bytes) {
    State& s = *d_;
    if (s.fd < 0) return s.fail(s.error.isEmpty() ? QStringLiteral("not open") : s.error);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(s.fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            s.failStep("write");
            s.close();
            return false;
        }
        done += n;
    }
    return true;
}

bool Writer::commit() {
    State& s = *d_;
    if (s.fd < 0) return s.fail(s.error.isEmpty() ? QStringLiteral("not open") : s.error);
    auto giveUp = [&](const char* step) {
        s.failStep(step);
        s.close();
        return false;
    };
    if (::fsync(s.fd) != 0) return giveUp("flush");
    if (s.temp.isEmpty() && !s.nameUnnamed()) return giveUp("link");
    if (::renameat(s.dir, s.temp.constData(), s.dir, s.name.constData()) != 0)
        return giveUp("rename");
    s.temp.clear();
    // The new name must reach the disk too.
    ::fsync(s.dir);
    s.close();
    return true;
}

} // namespace AtomicSave
