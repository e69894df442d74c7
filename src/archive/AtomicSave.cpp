#include "AtomicSave.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <QSaveFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace AtomicSave {

namespace {

bool failed(QString* error, const QString& what) {
    if (error) *error = what;
    return false;
}

} // namespace

QString finalTarget(const QString& path) {
    QString target = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink()) break;
        target = QDir(info.absolutePath()).absoluteFilePath(info.symLinkTarget());
    }
    return QDir::cleanPath(target);
}

#ifndef _WIN32

bool save(const QString& path, const QByteArray& bytes, QString* error) {
    const QString target = finalTarget(path);
    const QFileInfo info(target);
    if (info.isDir()) return failed(error, QStringLiteral("%1 is a folder").arg(target));
    const QByteArray finalName = QFile::encodeName(target);
    QByteArray scratch =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0) return failed(error, QString::fromLocal8Bit(std::strerror(errno)));
    auto giveUp = [&](const char* step) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        ::unlink(scratch.constData());
        return failed(error, QStringLiteral("%1: %2").arg(QLatin1String(step), reason));
    };

    // The new file gets the old one's permission bits, or those a new file
    // gets under the umask.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(finalName.constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) return giveUp("chmod");

    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return giveUp("write");
        }
        done += n;
    }
    if (::fsync(fd) != 0) return giveUp("flush");
    if (::close(fd) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        ::unlink(scratch.constData());
        return failed(error, QStringLiteral("close: %1").arg(reason));
    }
    if (::rename(scratch.constData(), finalName.constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        ::unlink(scratch.constData());
        return failed(error, QStringLiteral("rename: %1").arg(reason));
    }
    // The new name must reach the disk too.
    const int folder = ::open(QFile::encodeName(info.absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

#else

bool save(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(finalTarget(path));
    if (!file.open(QIODevice::WriteOnly)) return failed(error, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(error, reason);
    }
    if (!file.commit()) return failed(error, file.errorString());
    return true;
}

#endif

} // namespace AtomicSave
