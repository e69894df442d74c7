// The password store: the reader over an arbitrary store file, the value
// written back into it, and the scrambler both ways.
#include "FuzzSupport.h"

#include "app/Crypt.h"
#include "app/IniText.h"
#include "domain/Environment.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ProgramFolder::override(fuzz::scratchFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // What the login screen does with the store beside the program.
    fuzz::putFile(QStringLiteral("unins000.dll"), data, size);
    const QString stored = PasswordStore::readValue();
    try {
        const QString plain = Crypt::UnscrambleFromHex(stored);
        // Every pair of digits is one character and scrambles back the same.
        if (Crypt::ScrambleToHex(plain) != stored.first(plain.size() * 2).toUpper()) std::abort();
    } catch (const Crypt::ConversionError&) {
    }

    // A new password goes into the same file and is read back as written.
    const QString password = QString::fromLatin1(file.first(std::min<qsizetype>(size, 255)));
    const QString hex = Crypt::ScrambleToHex(password);
    if (Crypt::UnscrambleFromHex(hex) != password) std::abort();
    const QByteArray changed = IniText::withValue(file, "Accesso", "Valore", hex.toLatin1());
    if (IniText::value(changed, "Accesso", "Valore") != hex.toLatin1()) std::abort();
    return 0;
}
