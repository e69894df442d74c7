#pragma once
// Faults the tests put the program through: a user without the super-user's
// rights (who would otherwise write through every permission bit), a disk
// that fills up, one that cannot flush or rewrite bytes, a process killed in
// the middle of a write, a pipe that would keep a reader waiting, and
// another copy of the program holding an archive's lock.

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Runs a block as the user "nobody". The real user id is switched too, since
// Qt asks the system with it whether a file is writable; the saved id keeps
// the way back.
class AsOrdinaryUser {
  public:
    AsOrdinaryUser() {
        if (::geteuid() != 0) {
            ok_ = true;
            return;
        }
        ok_ = ::setresuid(65534, 65534, 0) == 0;
        switched_ = ok_;
    }
    ~AsOrdinaryUser() {
        if (switched_ && ::setresuid(0, 0, 0) != 0) std::abort();
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
    bool ok() const { return ok_; }

  private:
    bool ok_ = false;
    bool switched_ = false;
};

// No file of this process may grow past `bytes` while it lives: a disk that
// is full from there on. Writes past it fail with EFBIG instead of stopping
// the process.
class WriteLimit {
  public:
    explicit WriteLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~WriteLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A disk that fails in a way no test can bring about for real, not even as
// the super-user, for the files of `folder` (and below) while the object
// lives; other files work as usual. SystemFaults.cpp, part of every test
// binary, stands between the program and the system for this.
class DiskFault {
  public:
    enum class Kind {
        // Every flush to the disk (fsync) fails with EIO, as on a disk that
        // could not complete the writes it took.
        Flush,
        // The next write over bytes already in a file (an overwrite in
        // place, not an append) writes the first half of its bytes and fails
        // with EIO, as a device that gives out halfway. Only that one write
        // fails: what the program writes after it goes through.
        Overwrite,
        // Every write into a file (write, pwrite) fails with ENOSPC and
        // writes nothing, as on a disk that is full.
        Full,
    };
    DiskFault(Kind kind, const QString& folder);
    ~DiskFault();
    DiskFault(const DiskFault&) = delete;
    DiskFault& operator=(const DiskFault&) = delete;
    // How many calls failed so far.
    int refused() const;

  private:
    Kind kind_;
};

// Runs `body` in a child process that dies, as under a kill -9, the moment
// one of its files grows past `bytes`. True when the child died so; false
// when it got through or ended otherwise.
inline bool killedWhileWriting(rlim_t bytes, const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        body();
        ::_exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}

// Keeps a test from waiting for ever on a pipe: once `seconds` have passed
// it opens the pipe for writing whenever it can, which lets a reader blocked
// on it go on (with nothing to read), and remembers that it had to.
class PipeRelease {
  public:
    explicit PipeRelease(const QString& pipe, int seconds = 3)
        : native_(QFile::encodeName(pipe)), thread_([this, seconds] { run(seconds); }) {}
    ~PipeRelease() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    PipeRelease(const PipeRelease&) = delete;
    PipeRelease& operator=(const PipeRelease&) = delete;
    // Whether something waited on the pipe until released.
    bool released() const { return released_; }

  private:
    void run(int seconds) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::seconds(seconds), [this] { return stop_; })) return;
        while (!wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return stop_; })) {
            // Succeeds only while someone has the pipe open for reading.
            const int fd = ::open(native_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                released_ = true;
                ::close(fd);
            }
        }
    }

    QByteArray native_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::atomic<bool> released_{false};
    std::thread thread_;
};

// Another process holding the whole-file lock of an archive, as another
// copy of the program does while it saves, until this object goes.
class LockHolder {
  public:
    explicit LockHolder(const QString& path) {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(release_) != 0) return;
        const QByteArray native = path.toLocal8Bit();
        child_ = ::fork();
        if (child_ == 0) {
            const int fd = ::open(native.constData(), O_RDWR | O_CREAT, 0666);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            const char status = fd >= 0 && ::fcntl(fd, F_SETLKW, &lock) == 0 ? 'y' : 'n';
            (void)!::write(ready[1], &status, 1);
            char c;
            (void)!::read(release_[0], &c, 1);
            ::_exit(0);
        }
        char status = 'n';
        (void)!::read(ready[0], &status, 1);
        ::close(ready[0]);
        ::close(ready[1]);
        holding_ = status == 'y';
    }
    ~LockHolder() {
        if (child_ <= 0) return;
        (void)!::write(release_[1], "x", 1);
        ::waitpid(child_, nullptr, 0);
        ::close(release_[0]);
        ::close(release_[1]);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    bool holding() const { return holding_; }

  private:
    pid_t child_ = -1;
    int release_[2] = {-1, -1};
    bool holding_ = false;
};
