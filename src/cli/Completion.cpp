#include "Completion.h"

#include "CommandTable.h"
#include "Commands.h"
#include "HelpText.h"

#include "domain/ArchiveKinds.h"
#include "domain/Environment.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace cli {

namespace {

const QString kFileNames = QStringLiteral(":files");
const QString kFolderNames = QStringLiteral(":folders");

// An option as a usage line shows it, with the placeholder of its value
// (empty for an option without one).
struct Shown {
    QString name;
    QString value;
};

// The global options, from the help's own list ("--folder DIR", "-h, --help").
std::vector<Shown> globalOptions() {
    std::vector<Shown> out;
    for (const help::Entry& e : help::options()) {
        const QStringList spellings = QString::fromUtf8(e.term).split(QStringLiteral(", "));
        const QString value = spellings.last().section(u' ', 1);
        for (const QString& s : spellings)
            out.push_back({s.section(u' ', 0, 0), value});
    }
    return out;
}

// The options of a command's usage line, e.g. "[--today dd/mm/yyyy]" or
// "-o FILE.pdf".
std::vector<Shown> usageOptions(const Command& command) {
    const QStringList tokens = QString::fromUtf8(command.arguments).split(u' ', Qt::SkipEmptyParts);
    std::vector<Shown> out;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        QString t = tokens[i];
        while (t.startsWith(u'['))
            t.remove(0, 1);
        if (!t.startsWith(u'-')) continue;
        const bool closed = t.contains(u']');
        t = t.section(u']', 0, 0);
        QString value;
        if (!closed && i + 1 < tokens.size() && !tokens[i + 1].startsWith(u'-') &&
            !tokens[i + 1].startsWith(u'[') && tokens[i + 1] != u"|")
            value = tokens[i + 1].section(u']', 0, 0);
        const bool known =
            std::any_of(out.begin(), out.end(), [&](const Shown& o) { return o.name == t; });
        if (!known) out.push_back({t, value});
    }
    return out;
}

// The words a command takes first, from the alternatives of its usage line:
// "daily|weekly ... | timetables|workers ...", "codfisc|iva|iban|carta VALUE".
QStringList usageChoices(const Command& command) {
    static const QRegularExpression choice(QStringLiteral("^[a-z]+(\\|[a-z]+)*$"));
    QStringList out;
    for (const QString& alternative :
         QString::fromUtf8(command.arguments).split(QStringLiteral(" | ")))
        if (const QString first = alternative.section(u' ', 0, 0); choice.match(first).hasMatch())
            out << first.split(u'|');
    out.removeDuplicates();
    return out;
}

bool takesFileFirst(const Command& command) {
    return QString::fromUtf8(command.arguments).startsWith(QStringLiteral("FILE"));
}

// A search's fields take the place of the usage's --FIELD.
bool filtersByField(const Command& command) {
    return QString::fromUtf8(command.arguments).contains(QStringLiteral("--FIELD"));
}

QStringList commandOptions(const Command& command, const QString& kind) {
    if (filtersByField(command)) return findOptions(kind);
    QStringList out;
    for (const Shown& o : usageOptions(command))
        out << o.name;
    return out;
}

// The years of the folder's daily (or weekly) archives.
QStringList years(const QString& folder, bool weekly) {
    static const QRegularExpression yearly(QStringLiteral("^(\\d{4})\\.(ore|set)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const auto m = yearly.match(name);
        if (m.hasMatch() && (m.captured(2).compare(u"set", Qt::CaseInsensitive) == 0) == weekly)
            out << m.captured(1);
    }
    out.removeDuplicates();
    out.sort();
    return out;
}

// The archives in the folder, by the names the companion reads them by.
QStringList archives(const QString& folder) {
    QStringList out;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (layoutForFileName(name)) out << name;
    return out;
}

// What a line typed so far holds.
struct Line {
    const Command* command = nullptr;
    QStringList positional; // after the command, but options' values
    QStringList given;      // options
    QString folder;         // of --folder
    QString pending;        // the option whose value the last word is
    bool unknown = false;   // a command the companion does not have
};

// Whether `word` after the command is an option that a value follows.
bool takesValue(const Line& line, const QString& word) {
    if (word == u"--folder") return true;
    if (!line.command) {
        for (const Shown& o : globalOptions())
            if (o.name == word) return !o.value.isEmpty();
        return false;
    }
    return line.command->style == ArgStyle::Options && !kFlags.contains(word);
}

bool isOption(const Line& line, const QString& word) {
    if (line.command && line.command->style == ArgStyle::Data) return false;
    return word.startsWith(u'-') && word.size() > 1;
}

Line read(const QStringList& words) {
    Line line;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (isOption(line, w)) {
            const qsizetype equals = w.startsWith(QStringLiteral("--")) ? w.indexOf(u'=') : -1;
            const QString name = equals < 0 ? w : w.left(equals);
            line.given << name;
            QString value = equals < 0 ? QString() : w.mid(equals + 1);
            if (equals < 0 && takesValue(line, name)) {
                if (i + 1 == words.size()) {
                    line.pending = name;
                    break;
                }
                value = words[++i];
            }
            if (name == u"--folder") line.folder = value;
            continue;
        }
        if (!line.command) {
            line.command = findCommand(w);
            line.unknown = !line.command;
            if (line.unknown) break;
            continue;
        }
        line.positional << w;
    }
    return line;
}

QString folderOf(const Line& line) {
    if (line.folder.isEmpty()) return ProgramFolder::path();
    if (line.folder == u"~" || line.folder.startsWith(QStringLiteral("~/")))
        return QDir::homePath() + line.folder.mid(1);
    return line.folder;
}

QStringList valuesOf(const Line& line) {
    QString placeholder;
    std::vector<Shown> shown = globalOptions();
    if (line.command) {
        const std::vector<Shown> own = usageOptions(*line.command);
        shown.insert(shown.begin(), own.begin(), own.end());
    }
    for (const Shown& o : shown)
        if (o.name == line.pending) {
            placeholder = o.value;
            break;
        }
    if (placeholder == u"YYYY") {
        const bool weekly = line.positional.value(0) == u"weekly" ||
                            line.given.contains(QStringLiteral("--weekly"));
        return years(folderOf(line), weekly);
    }
    // NEW: the file repair writes.
    if (placeholder.startsWith(QStringLiteral("FILE")) || placeholder == u"NEW")
        return {kFileNames};
    if (placeholder == u"DIR") return {kFolderNames};
    if (placeholder == u"KIND") return findKinds();
    return {};
}

QStringList candidates(const Line& line, const QString& current) {
    if (!line.pending.isEmpty()) return valuesOf(line);
    const bool option = current.startsWith(u'-');
    if (!line.command) {
        QStringList out;
        if (option) {
            for (const Shown& o : globalOptions())
                out << o.name;
        } else {
            for (const Command& c : commands())
                out << QString::fromUtf8(c.name);
        }
        return out;
    }
    const Command& c = *line.command;
    const QStringList choices = usageChoices(c);
    if (c.style == ArgStyle::Data) return line.positional.isEmpty() ? choices : QStringList();
    if (!option && line.positional.isEmpty()) {
        if (!choices.isEmpty()) return choices;
        if (takesFileFirst(c))
            return current.contains(u'/') ? QStringList{kFileNames} : archives(folderOf(line));
    }
    return commandOptions(c, line.positional.value(0)) << QStringLiteral("--folder");
}

} // namespace

QStringList completions(const QStringList& words) {
    if (words.isEmpty()) return {};
    const QString current = words.last();
    const Line line = read(words.mid(0, words.size() - 1));
    if (line.unknown) return {};
    QStringList out;
    for (const QString& c : candidates(line, current)) {
        if (c == kFileNames || c == kFolderNames) return {c};
        if (c.startsWith(current) && !line.given.contains(c) && !out.contains(c)) out << c;
    }
    return out;
}

} // namespace cli
