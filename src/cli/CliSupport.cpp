#include "CliSupport.h"
#include "KindArgs.h"

#include "archive/AtomicSave.h"
#include "archive/RecordArchive.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cli {

void usageError(const QString& what, const QString& usage) {
    throw CliError(what + u'\n' + usage);
}

// ---- The command line

namespace {

constexpr char16_t kKeptByte = 0xDC00; // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

bool isKeptByte(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= kKeptByte + 0x80 && c <= kKeptByte + 0xFF &&
           !(i > 0 && text[i - 1].isHighSurrogate());
}

bool hasKeptBytes(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isKeptByte(text, i)) return true;
    return false;
}

// The bytes argumentText() read the text from.
QByteArray nativeBytes(const QString& text) {
    QByteArray out;
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isKeptByte(text, i)) continue;
        out += QStringView(text).mid(run, i - run).toUtf8();
        out += static_cast<char>(text[i].unicode() - kKeptByte);
        run = i + 1;
    }
    return out + QStringView(text).mid(run).toUtf8();
}

#ifndef _WIN32
// The length of the UTF-8 sequence at `s` (of `left` bytes), or 0 when it is
// not one: a stray continuation byte, a cut or overlong sequence, a
// surrogate, a code point beyond U+10FFFF. `code` gets its code point.
int utf8Sequence(const unsigned char* s, qsizetype left, char32_t& code) {
    const unsigned char lead = s[0];
    int length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (left < length) return 0;
    for (int k = 1; k < length; ++k) {
        if ((s[k] & 0xC0) != 0x80) return 0;
        code = (code << 6) | (s[k] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// Folders opened by their bytes, by descriptor, with the name the user gave.
std::map<int, QString>& openedFolders() {
    static std::map<int, QString> folders;
    return folders;
}

// The folder at `native` opened for reaching what it holds; its path is
// then /proc/self/fd/N, which every file function follows.
QString openFolder(const QByteArray& native, const QString& shown, int* descriptor = nullptr) {
#ifdef O_PATH
    const int fd =
        ::open(native.isEmpty() ? "." : native.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw CliError(QStringLiteral("cannot open the folder %1: %2")
                           .arg(shownText(shown), QString::fromLocal8Bit(std::strerror(errno))));
    openedFolders()[fd] = shown;
    if (descriptor) *descriptor = fd;
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
#else
    Q_UNUSED(native);
    Q_UNUSED(descriptor);
    throw CliError(QStringLiteral("%1: a file name that is not UTF-8 cannot be used on this system")
                       .arg(shownText(shown)));
#endif
}
#endif

} // namespace

QString argumentText(const char* argument) {
#ifdef _WIN32
    return QString::fromLocal8Bit(argument);
#else
    const auto* bytes = reinterpret_cast<const unsigned char*>(argument);
    const auto size = static_cast<qsizetype>(std::strlen(argument));
    QString out;
    out.reserve(size);
    for (qsizetype i = 0; i < size;) {
        char32_t code = 0;
        const int length = utf8Sequence(bytes + i, size - i, code);
        if (length == 0) {
            out += QChar(static_cast<char16_t>(kKeptByte + bytes[i]));
            ++i;
            continue;
        }
        if (code > 0xFFFF) {
            out += QChar(QChar::highSurrogate(code));
            out += QChar(QChar::lowSurrogate(code));
        } else {
            out += QChar(static_cast<char16_t>(code));
        }
        i += length;
    }
    return out;
#endif
}

QString folderPath(const QString& given) {
#ifndef _WIN32
    if (hasKeptBytes(given)) return openFolder(nativeBytes(given), given);
#endif
    return given;
}

QString shownText(const QString& text) {
    QString out = text;
#ifndef _WIN32
    if (!openedFolders().empty()) {
        static const QRegularExpression alias(QStringLiteral("/proc/self/fd/(\\d+)"));
        QString replaced;
        qsizetype at = 0;
        for (const QRegularExpressionMatch& m : alias.globalMatch(out)) {
            const auto folder = openedFolders().find(m.captured(1).toInt());
            if (folder == openedFolders().end()) continue;
            replaced += QStringView(out).mid(at, m.capturedStart() - at);
            replaced += folder->second;
            at = m.capturedEnd();
        }
        replaced += QStringView(out).mid(at);
        out = replaced;
    }
#endif
    QString shown;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (isKeptByte(out, i))
            shown += QStringLiteral("\\x%1").arg(out[i].unicode() - kKeptByte, 2, 16, QChar(u'0'));
        else
            shown += out[i];
    }
    return shown;
}

ParsedArgs parseArgs(const QStringList& args, const std::vector<OptionDef>& options,
                     int maxPositional, const QString& usage, const QString& unknownHint) {
    ParsedArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto def = std::find_if(options.begin(), options.end(),
                                      [&a](const OptionDef& d) { return d.names.contains(a); });
        if (def == options.end()) {
            if (a.startsWith(u'-') && a.size() > 1)
                usageError(QStringLiteral("unknown option '%1'").arg(a) + unknownHint, usage);
            if (parsed.positional.size() >= maxPositional)
                usageError(QStringLiteral("unexpected argument '%1'").arg(a), usage);
            parsed.positional << a;
            continue;
        }
        const QString& name = def->names.first();
        if (parsed.has(name)) usageError(QStringLiteral("%1 given twice").arg(a), usage);
        if (!def->takesValue) {
            parsed.flags.insert(name);
            continue;
        }
        if (i + 1 >= args.size()) usageError(QStringLiteral("%1 needs a value").arg(a), usage);
        parsed.values[name] = args[++i];
    }
    return parsed;
}

bool isYear(const QString& text) {
    return text.size() == 4 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// ---- Archives

ArchiveRef resolveArchive(const Options& options, const QString& file) {
    ArchiveRef ref;
    ref.path = QDir::cleanPath(QDir(options.folder).filePath(file));
    if (!options.kind.isEmpty()) {
        ref.layout = layoutForKind(options.kind);
        if (!ref.layout)
            throw CliError(
                QStringLiteral("unknown kind '%1' (use %2)")
                    .arg(options.kind, spokenList(kindNames(everyKind), QStringLiteral("or"))));
    } else {
        ref.layout = layoutForFileName(QFileInfo(ref.path).fileName());
        if (!ref.layout) {
            QStringList names;
            for (const ArchiveKind& k : archiveKinds())
                names << (k.yearly() ? QStringLiteral("NNNN") + k.yearlySuffix : k.fileName);
            throw CliError(
                QStringLiteral("cannot tell the kind of archive from the name '%1' "
                               "(expected %2; or use --kind)")
                    .arg(QFileInfo(ref.path).fileName(), spokenList(names, QStringLiteral("or"))));
        }
    }
    if (!archiveThere(ref.path, *ref.layout))
        throw CliError(QStringLiteral("no archive at %1").arg(ref.path));
    return ref;
}

bool archiveThere(const QString& path, const TRecordLayout& layout) {
    const QFileInfo info(path);
    // A link that leads nowhere is something there: opening it tells why.
    if (!info.exists() && !info.isSymLink()) return false;
    TRecordArchive archive(layout.size());
    archive.open(path, TRecordArchive::Mode::ReadOnly);
    archive.close();
    return true;
}

ArchiveSnapshot readArchive(const ArchiveRef& ref) {
    const int size = ref.layout->size();
    TRecordArchive archive(size);
    archive.open(ref.path, TRecordArchive::Mode::ReadOnly);
    ArchiveSnapshot snapshot;
    snapshot.count = archive.count();
    snapshot.trailingBytes = archive.trailingBytes();
    if (snapshot.count > 0) {
        snapshot.records.resize(snapshot.count * size);
        archive.read(snapshot.records);
    }
    archive.close();
    return snapshot;
}

// ---- The file a command writes

namespace {

// The names of the program's own files: an archive of any year, the two
// fixed archives and the password store, wherever they are.
bool isArchiveOrStoreName(const QString& name) {
    return layoutForFileName(name) != nullptr ||
           name.compare(QStringLiteral("unins000.dll"), Qt::CaseInsensitive) == 0;
}

// What lies beside the program itself: the guide and the two executables.
bool isProgramFileName(const QString& name) {
    static const char* const kNames[] = {"Guida.pdf", "velmora", "velmora-cli", "velmora.exe",
                                         "velmora-cli.exe"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&name](const char* n) {
        return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0;
    });
}

bool sameFolder(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

[[noreturn]] void refuse(const QString& path, const QString& why) {
    throw CliError(QStringLiteral("refusing to write onto %1: %2").arg(shownText(path), why));
}

#ifndef _WIN32
QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// What a file that is not a regular file is, for the refusal.
QString kindOfFile(mode_t mode) {
    switch (mode & S_IFMT) {
    case S_IFDIR:
        return QStringLiteral("a folder");
    case S_IFIFO:
        return QStringLiteral("a named pipe (FIFO)");
    case S_IFCHR:
        return QStringLiteral("a character device");
    case S_IFBLK:
        return QStringLiteral("a block device");
    case S_IFSOCK:
        return QStringLiteral("a socket");
    default:
        return QStringLiteral("not a file");
    }
}

// The file a write to `path` lands on, following symbolic links by their
// bytes, as the atomic save follows them by name.
QByteArray nativeFinalTarget(QByteArray path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        QByteArray link(4096, '\0');
        const ssize_t n = ::readlink(path.constData(), link.data(), link.size());
        if (n <= 0) break;
        link.truncate(n);
        if (link.startsWith('/')) {
            path = link;
        } else {
            const qsizetype slash = path.lastIndexOf('/');
            path = (slash < 0 ? QByteArray() : path.left(slash + 1)) + link;
        }
    }
    return path;
}
#endif

} // namespace

OutputFile checkedOutput(const Options& options, const QString& given) {
    OutputFile out;
    out.shown_ = given;
    out.path_ = given;
#ifndef _WIN32
    if (hasKeptBytes(given)) {
        // A name the file functions cannot take as text: reach its folder
        // by its bytes, and the file by its name there when that is text.
        const QByteArray target = nativeFinalTarget(nativeBytes(given));
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray folder =
            slash < 0 ? QByteArray(".") : target.left(std::max<qsizetype>(1, slash));
        const QByteArray name = target.mid(slash + 1);
        const QString folderText = argumentText(folder.constData());
        const QString nameText = argumentText(name.constData());
        int fd = -1;
        const QString reached = openFolder(folder, folderText, &fd);
        if (hasKeptBytes(nameText)) {
            // Saved under a text name in the same folder, then renamed. The
            // name comes from the output's, so a save cut short is replaced
            // by the next save of the same output.
            out.nativeName_ = name;
            out.folder_ = fd;
            out.path_ =
                reached + QStringLiteral("/.velmora-cli-") +
                QString::fromLatin1(
                    QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(16));
        } else {
            out.path_ = reached + u'/' + nameText;
        }
    }
#endif

    const QString target = AtomicSave::finalTarget(out.path_);
    for (const QString& path : {QDir::cleanPath(given), target})
        if (isArchiveOrStoreName(QFileInfo(path).fileName()))
            refuse(path, QStringLiteral("that name is an archive's or the password store's; "
                                        "choose another output file"));
    const QFileInfo landing(target);
    for (const QString& folder : {options.folder, QCoreApplication::applicationDirPath()})
        if (isProgramFileName(landing.fileName()) && sameFolder(landing.absolutePath(), folder))
            refuse(target, QStringLiteral("it is one of the program's own files; choose another "
                                          "output file"));

#ifndef _WIN32
    // Looked at, not opened: opening a named pipe would wait for a writer.
    struct stat st {};
    const int looked = out.folder_ >= 0
                           ? ::fstatat(out.folder_, out.nativeName_.constData(), &st, 0)
                           : ::stat(QFile::encodeName(out.path_).constData(), &st);
    if (looked != 0 && errno != ENOENT)
        throw CliError(QStringLiteral("cannot write %1: %2").arg(shownText(given), systemReason()));
    if (looked == 0 && !S_ISREG(st.st_mode))
        refuse(given, QStringLiteral("it is %1, not a regular file").arg(kindOfFile(st.st_mode)));
#else
    if (landing.exists() && !landing.isFile())
        refuse(given, QStringLiteral("it is not a regular file"));
#endif
    return out;
}

void OutputFile::save(const QByteArray& bytes) const {
    save([&bytes](AtomicSave::Writer& out) { return out.write(bytes); });
}

void OutputFile::save(const std::function<bool(AtomicSave::Writer&)>& produce) const {
    AtomicSave::Writer out;
    if (!out.open(path_) || !produce(out) || !out.commit())
        throw CliError(QStringLiteral("cannot write %1: %2").arg(shownText(shown_), out.error()));
#ifndef _WIN32
    if (folder_ < 0) return;
    const QByteArray staged = QFile::encodeName(QFileInfo(path_).fileName());
    // The file replaced keeps its permission bits, as the atomic save keeps them.
    struct stat old {};
    if (::fstatat(folder_, nativeName_.constData(), &old, 0) == 0)
        ::fchmodat(folder_, staged.constData(), old.st_mode & 07777, 0);
    if (::renameat(folder_, staged.constData(), folder_, nativeName_.constData()) != 0) {
        const QString reason = systemReason();
        ::unlinkat(folder_, staged.constData(), 0);
        throw CliError(QStringLiteral("cannot write %1: %2").arg(shownText(shown_), reason));
    }
#endif
}

// ---- Output

void writeOut(const QByteArray& utf8) {
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
}

void writeOut(const QString& text) {
    writeOut(text.toUtf8());
}

void writeErr(const QString& text) {
    const QByteArray utf8 = shownText(text).toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
}

void writeTextLines(const QStringList& lines) {
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const QString& line : lines) {
        const QByteArray utf8 = line.toUtf8();
        for (qsizetype i = 0; i < utf8.size(); ++i) {
            const auto b = static_cast<unsigned char>(utf8[i]);
            // U+0080..U+009F: C2 followed by 80..9F.
            const bool c1 = b == 0xC2 && i + 1 < utf8.size() &&
                            static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                            static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
            if ((b < 32 && b != '\t') || b == 127 || c1) {
                for (int k = 0; k < (c1 ? 2 : 1); ++k) {
                    const auto e = static_cast<unsigned char>(utf8[i + k]);
                    out += "\\x";
                    out += kHex[e >> 4];
                    out += kHex[e & 15];
                }
                i += c1 ? 1 : 0;
            } else {
                out += utf8[i];
            }
        }
        out += '\n';
    }
    writeOut(out);
}

void writeLines(const std::vector<FoundLine>& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const FoundLine& line : lines)
        texts << line.text;
    writeTextLines(texts);
}

} // namespace cli
