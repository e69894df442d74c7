// The companion's verify and dump over an arbitrary archive file, called in
// process as velmora-cli runs them: the first byte picks the kind of archive
// (--kind), the rest is the file.
#include "FuzzSupport.h"

#include "cli/Commands.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::silenceStandardOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kKinds[] = {"daily", "weekly", "timetables", "workers"};
    fuzz::Pieces input(data, size);
    const cli::Options options{fuzz::scratchFolder(),
                               QString::fromLatin1(kKinds[input.byte() % 4])};
    fuzz::putFile(QStringLiteral("archivio.dat"), input.rest(), input.restSize());
    const QStringList args{QStringLiteral("archivio.dat")};
    const int verified = cli::runVerify(options, args);
    if (verified != cli::kExitOk && verified != cli::kExitDamaged) std::abort();
    if (cli::runDump(options, args) != cli::kExitOk) std::abort();
    return 0;
}
