#include "Crypt.h"

#include "IniText.h"
#include "archive/AtomicSave.h"
#include "archive/Text.h"
#include "domain/Environment.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>

namespace Crypt {
namespace {

// The running key of both directions, always advanced with the scrambled
// byte.
class Key {
  public:
    std::uint8_t mask() const { return static_cast<std::uint8_t>(k_ >> 8); }
    void advance(std::uint8_t scrambled) {
        k_ = static_cast<std::uint16_t>((k_ + scrambled) * 40503u + 27361u);
    }

  private:
    std::uint16_t k_ = 3907;
};

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

} // namespace

bool keepsEveryCharacter(QStringView plain) {
    return std::all_of(plain.begin(), plain.end(), [](QChar c) { return c.unicode() < 256; });
}

QString ScrambleToHex(QStringView plain) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(plain.size() * 2);
    Key key;
    for (QChar c : plain) {
        const auto s = static_cast<std::uint8_t>((c.unicode() & 0xFF) ^ key.mask());
        hex.append(QLatin1Char(kDigits[s >> 4]));
        hex.append(QLatin1Char(kDigits[s & 0x0F]));
        key.advance(s);
    }
    return hex;
}

QString UnscrambleFromHex(QStringView hex) {
    const qsizetype pairs = hex.size() / 2;
    QString plain;
    plain.reserve(pairs);
    Key key;
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex[2 * i]);
        const int low = hexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            throw ConversionError("'" + hex.mid(2 * i, 2).toString().toStdString() +
                                  "' is not a hexadecimal number");
        const auto s = static_cast<std::uint8_t>(high * 16 + low);
        plain.append(QChar(static_cast<char16_t>(s ^ key.mask())));
        key.advance(s);
    }
    return plain;
}

QString storedForm(QStringView typed) {
    return vtext::trimmed(vtext::asciiUpper(typed));
}

} // namespace Crypt

namespace PasswordStore {
namespace {
constexpr QByteArrayView kSection = "Accesso";
constexpr QByteArrayView kKey = "Valore";

QByteArray readStore(const QString& store) {
    QFile file(store);
    if (!file.open(QIODevice::ReadOnly)) throw StoreError("the password store cannot be read");
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw StoreError("the password store cannot be read");
    return bytes;
}
} // namespace

QString path() {
    return ProgramFolder::path() + ProgramFolder::kStoreFile;
}

QString readValue() {
    const QString store = path();
    const QFileInfo info(store);
    if (!info.exists()) return {};
    if (!info.isFile()) throw StoreError("the password store is not a file");
    std::optional<QByteArray> value = IniText::value(readStore(store), kSection, kKey);
    if (!value) return {};
    // As the system's reader does, a value in matching quotes loses them.
    if (value->size() >= 2 && (value->front() == '"' || value->front() == '\'') &&
        value->back() == value->front())
        *value = value->mid(1, value->size() - 2);
    return QString::fromLatin1(*value);
}

void writeValue(const QString& hex) {
    const QString store = path();
    const QFileInfo info(store);
    if (!info.isFile()) throw StoreError("the password store is missing");
    // A store the user made read-only is left alone, although the folder
    // would let a new file take its place.
    if (!info.isWritable()) throw StoreError("the password store is read-only");
    const QByteArray before = readStore(store);
    const QByteArray after = IniText::withValue(before, kSection, kKey, hex.toLatin1());
    QString error;
    if (!AtomicSave::save(store, after, &error))
        throw StoreError("the password store cannot be written: " + error.toStdString());
}

} // namespace PasswordStore
