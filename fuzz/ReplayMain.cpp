// Runs a fuzz target's entry point over saved inputs, without libFuzzer, so
// the ordinary build replays the seeds and every input a fuzz run once found
// fault with. Arguments: files, or folders whose files are all replayed.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        if (!QFileInfo(arg).isDir()) {
            inputs << arg;
            continue;
        }
        QDirIterator files(arg, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            inputs << files.next();
    }
    inputs.sort();
    for (const QString& input : inputs) {
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(input));
            return 2;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               static_cast<size_t>(bytes.size()));
    }
    // Standard output may be closed by the target; say it where ctest reads.
    std::fprintf(stderr, "replayed %lld inputs\n", static_cast<long long>(inputs.size()));
    return inputs.isEmpty() ? 2 : 0;
}
