#include "Crypt.h"

#include "archive/Text.h"
#include "domain/Environment.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

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
const QString kKey = QStringLiteral("Accesso/Valore");
} // namespace

QString path() {
    return ProgramFolder::path() + QStringLiteral("unins000.dll");
}

QString readValue() {
    QSettings settings(path(), QSettings::IniFormat);
    const QVariant value = settings.value(kKey, QString());
    // A line Qt cannot parse is skipped, as the system's own INI reader
    // does; only a file that cannot be read at all is a failure.
    if (settings.status() == QSettings::AccessError)
        throw StoreError("the password store cannot be read");
    // Qt reads a value with commas as a list; the value is the whole line.
    if (value.metaType().id() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void writeValue(const QString& hex) {
    const QString store = path();
    if (!QFileInfo(store).isFile()) throw StoreError("the password store is missing");
    QFile current(store);
    if (!current.open(QIODevice::ReadOnly)) throw StoreError("the password store cannot be read");
    const QByteArray before = current.readAll();
    current.close();

    // QSettings keeps a write that failed pending in its per-process cache of
    // that file: every later reader of the file would see the unsaved value,
    // and retry the write. So the edit is made on a copy whose name is used
    // once, and the result replaces the store in one step.
    QTemporaryDir scratchFolder;
    if (!scratchFolder.isValid()) throw StoreError("no scratch folder for the password store");
    const QString scratch = scratchFolder.filePath(QStringLiteral("unins000.dll"));
    {
        QFile copy(scratch);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(before) != before.size())
            throw StoreError("the password store cannot be copied");
    }
    {
        QSettings settings(scratch, QSettings::IniFormat);
        settings.setValue(kKey, hex);
        settings.sync();
        if (settings.status() == QSettings::AccessError)
            throw StoreError("the password store cannot be edited");
    }
    QFile edited(scratch);
    if (!edited.open(QIODevice::ReadOnly)) throw StoreError("the edited store cannot be read");
    const QByteArray after = edited.readAll();

    QSaveFile out(store);
    if (!out.open(QIODevice::WriteOnly) || out.write(after) != after.size() || !out.commit())
        throw StoreError("the password store cannot be written");
}

} // namespace PasswordStore
