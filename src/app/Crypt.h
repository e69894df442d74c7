#pragma once
// The access password: the scrambler that turns it into hexadecimal text and
// back, and the small settings file beside the program that keeps it.
// QtCore only; the password screens and the store generator use it.

#include <QString>

#include <stdexcept>

namespace Crypt {

// A value that is not made of hexadecimal pairs.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& what) : std::runtime_error(what) {}
};

// Longest password the scrambler takes: the stores already in use were
// written with an 8-bit character counter.
constexpr qsizetype kMaxPlainLength = 255;

// True when every character has a code below 256: the scrambler keeps only
// the low 8 bits of each code, so any other character would come back as a
// different one.
bool keepsEveryCharacter(QStringView plain);

// Each character contributes the low 8 bits of its code; the result has two
// upper-case hexadecimal digits per character.
QString ScrambleToHex(QStringView plain);
// The inverse: one character per pair of digits (either case); an odd last
// digit is ignored. Throws ConversionError on a pair that is not hexadecimal.
QString UnscrambleFromHex(QStringView hex);

// The form in which a password is stored and compared: trimmed, with its
// ASCII letters upper-cased.
QString storedForm(QStringView typed);

} // namespace Crypt

namespace PasswordStore {

// The store could not be read or written.
class StoreError : public std::runtime_error {
  public:
    explicit StoreError(const std::string& what) : std::runtime_error(what) {}
};

// "unins000.dll" in the program folder: an INI file, whatever its name says.
QString path();

// The scrambled password, or an empty text when the store, its section or
// its key is missing. Throws StoreError when the store is there but cannot
// be read.
QString readValue();

// Replaces the scrambled password in the existing store; every other section
// and key stays. Throws StoreError when the store is missing (it is never
// created here) or cannot be written; the store then keeps what it held.
void writeValue(const QString& hex);

} // namespace PasswordStore
