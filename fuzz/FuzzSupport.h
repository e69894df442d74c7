#pragma once
// What the fuzz targets share: a scratch folder of their own for the files an
// entry point reads from disk, and a quiet standard output (the companion's
// commands print every record).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace fuzz {

// A fresh folder under /dev/shm (or $TMPDIR), removed when the target exits.
inline const QString& scratchFolder() {
    static const QString folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base && *base ? base : "/dev/shm") + "/velmora-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        static std::string removed = pattern;
        std::atexit([] { QDir(QString::fromStdString(removed)).removeRecursively(); });
        return QString::fromStdString(pattern) + QLatin1Char('/');
    }();
    return folder;
}

// Writes the input as the file `name` of the scratch folder and returns its
// path. The harness's own file, not one of the program's.
inline QString putFile(const QString& name, const uint8_t* data, size_t size) {
    const QString path = scratchFolder() + name;
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0) std::abort();
    return path;
}

// Reads the input piece by piece: a count byte followed by that many bytes
// (cut short where the input ends), then whatever is left.
class Pieces {
  public:
    Pieces(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t byte() {
        if (at_ >= size_) return 0;
        return data_[at_++];
    }
    QByteArray piece() {
        const size_t length = std::min<size_t>(byte(), size_ - at_);
        const QByteArray bytes(reinterpret_cast<const char*>(data_ + at_), qsizetype(length));
        at_ += length;
        return bytes;
    }
    const uint8_t* rest() const { return data_ + at_; }
    size_t restSize() const { return size_ - at_; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

inline void silenceStandardOutput() {
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
}

} // namespace fuzz
