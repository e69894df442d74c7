// The Windows Writer: QSaveFile, which writes a temporary beside the output
// and replaces the output with it on commit.
#include "AtomicSave.h"

#include <QFileInfo>
#include <QSaveFile>

namespace AtomicSave {

struct Writer::State {
    std::unique_ptr<QSaveFile> file;
    QString error;

    bool fail(const QString& what) {
        error = what;
        file.reset();
        return false;
    }
};

Writer::Writer() : d_(std::make_unique<State>()) {}

Writer::~Writer() {
    discard();
}

bool Writer::isOpen() const {
    return d_->file != nullptr;
}

QString Writer::error() const {
    return d_->error;
}

void Writer::discard() {
    if (d_->file) d_->file->cancelWriting();
    d_->file.reset();
}

bool Writer::open(const QString& path, Links links) {
    discard();
    State& s = *d_;
    s.error.clear();
    const QString target =
        links == Links::Follow ? finalTarget(path) : QFileInfo(path).absoluteFilePath();
    const QFileInfo info(target);
    if (info.isDir()) return s.fail(QStringLiteral("%1 is a folder").arg(target));
    if (info.exists() && !info.isFile())
        return s.fail(QStringLiteral("%1 is not a regular file").arg(target));
    s.file = std::make_unique<QSaveFile>(target);
    if (!s.file->open(QIODevice::WriteOnly)) return s.fail(s.file->errorString());
    return true;
}

bool Writer::write(QByteArrayView bytes) {
    State& s = *d_;
    if (!s.file) return s.fail(s.error.isEmpty() ? QStringLiteral("not open") : s.error);
    if (s.file->write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString reason = s.file->errorString();
        s.file->cancelWriting();
        return s.fail(reason);
    }
    return true;
}

bool Writer::commit() {
    State& s = *d_;
    if (!s.file) return s.fail(s.error.isEmpty() ? QStringLiteral("not open") : s.error);
    if (!s.file->flush() || !s.file->commit()) {
        const QString reason = s.file->errorString();
        s.file->cancelWriting();
        return s.fail(reason);
    }
    s.file.reset();
    return true;
}

} // namespace AtomicSave
