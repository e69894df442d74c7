// velmora-mkman: writes the manual pages velmora-cli.1 and velmora.1 from
// the companion's table of commands and the texts its --help prints, so the
// page and the help cannot tell different things.
//
//   velmora-mkman <version> <folder>

#include "CommandTable.h"
#include "HelpText.h"

#include "archive/AtomicSave.h"
#include "domain/HelpTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace {

using cli::help::Entry;

// Text as roff reads it: a backslash stays a backslash, the dashes that
// start an option are minus signs, and no line starts a request.
QString escaped(const QString& text) {
    static const QRegularExpression optionDashes(QStringLiteral("(^|[\\s\\[(|])(-+)"));
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\e"));
    QRegularExpressionMatchIterator it = optionDashes.globalMatch(out);
    QString done;
    qsizetype last = 0;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        done += out.mid(last, m.capturedStart(2) - last);
        done += QString(QStringLiteral("\\-")).repeated(m.capturedLength(2));
        last = m.capturedEnd(2);
    }
    done += out.mid(last);
    QStringList lines = done.split(u'\n');
    for (QString& line : lines)
        if (line.startsWith(u'.') || line.startsWith(u'\'')) line.prepend(QStringLiteral("\\&"));
    return lines.join(u'\n');
}

// A usage line: options and literal words in bold, placeholders in italics,
// brackets, bars and ellipses as they are.
QString usage(const QString& text) {
    static const QRegularExpression token(
        QStringLiteral("\\.\\.\\.|\"[^\"]*\"|[^\\s\\[\\]|.,]+(\\.[a-z]+)?|\\s+|."));
    QString out;
    QRegularExpressionMatchIterator it = token.globalMatch(text);
    while (it.hasNext()) {
        const QString t = it.next().captured();
        const bool plain =
            t.size() == 1 ? !t.front().isLetterOrNumber() : t == u"..." || t.trimmed().isEmpty();
        const bool placeholder = t.front().isUpper() || t.front() == u'"' || t.contains(u'/');
        if (plain)
            out += t;
        else
            out += (placeholder ? QStringLiteral("\\fI") : QStringLiteral("\\fB")) + escaped(t) +
                   QStringLiteral("\\fR");
    }
    return out;
}

QString section(const char* title) {
    return QStringLiteral(".SH %1\n").arg(QLatin1String(title));
}

// Tagged paragraphs; `tag` shapes each term.
QString entries(std::span<const Entry> list, QString (*tag)(const QString&)) {
    QString out;
    for (const Entry& e : list)
        out += QStringLiteral(".TP\n%1\n%2\n")
                   .arg(tag(QString::fromUtf8(e.term)), escaped(QString::fromUtf8(e.text)));
    return out;
}

QString bold(const QString& t) {
    return QStringLiteral("\\fB") + escaped(t) + QStringLiteral("\\fR");
}
QString italic(const QString& t) {
    return QStringLiteral("\\fI") + escaped(t) + QStringLiteral("\\fR");
}

QString header(const char* name, const QString& version, const char* what) {
    return QStringLiteral(".TH %1 1 \"\" \"Velmora %2\" \"Velmora\"\n")
               .arg(QString::fromLatin1(name).toUpper(), version) +
           section("NAME") + escaped(QString::fromLatin1(name)) + QStringLiteral(" \\- ") +
           escaped(QString::fromUtf8(what)) + u'\n';
}

QString filesAndEnvironment(bool exports) {
    QString out = section("FILES") + entries(cli::help::files(), italic);
    if (exports) out += entries(cli::help::exports(), italic);
    return out + section("ENVIRONMENT") + entries(cli::help::environment(), bold);
}

QString companionPage(const QString& version) {
    QString out = header("velmora-cli", version,
                         "read Velmora's archives, print their sheets and check identifiers");
    out += section("SYNOPSIS") + QStringLiteral("\\fBvelmora\\-cli\\fR ") +
           usage(QLatin1String(cli::help::kSynopsis)) +
           QStringLiteral("\n.br\n\\fBvelmora\\-cli \\-\\-help\\fR\n");
    out += section("DESCRIPTION") + escaped(QLatin1String(cli::help::kPurpose)) + u'\n';
    for (const char* rule : cli::help::rules())
        out += QStringLiteral(".PP\n") + escaped(QString::fromUtf8(rule)) + u'\n';
    out += section("COMMANDS");
    for (const cli::Command& c : cli::commands())
        out += QStringLiteral(".TP\n%1 %2\n%3\n")
                   .arg(bold(QString::fromLatin1(c.name)), usage(QString::fromUtf8(c.arguments)),
                        escaped(QString::fromUtf8(c.summary)));
    out += section("OPTIONS") +
           entries(cli::help::options(), [](const QString& t) { return usage(t); });
    out += section("EXIT STATUS") + entries(cli::help::exitStatus(), bold);
    out += filesAndEnvironment(true);
    out += section("EXAMPLES") + entries(cli::help::examples(), bold);
    out += section("SEE ALSO") + QStringLiteral("\\fBvelmora\\fR(1)\n");
    return out;
}

QString programPage(const QString& version) {
    QString out = header("velmora", version, "plan the work shifts of a staff, in Italian");
    out += section("SYNOPSIS") + QStringLiteral("\\fBvelmora\\fR\n");
    out += section("DESCRIPTION") +
           escaped(QStringLiteral(
               "Velmora is a desktop program, in Italian, with which a company, an association\n"
               "or an institute plans its staff's work shifts: daily and weekly shift tables\n"
               "per calendar year, timetable templates that a shift table imports, and a\n"
               "registry of workers with their contracts. It takes no arguments and opens on\n"
               "its login screen; the first-access password is ")) +
           bold(QString::fromLatin1(HelpTexts::kFirstPassword)) + escaped(QStringLiteral(".\n")) +
           QStringLiteral(".PP\n") +
           escaped(QStringLiteral(
               "Its help (Guida, or F1 in an editor) tells the screens; the printable manual\n"
               "Guida.pdf lies in the program folder beside the program. The archives are\n"
               "kept in the data folder: the program folder itself when its user may write\n"
               "there, else the folder that VELMORA_FOLDER names in /etc/velmora.conf, else\n"
               "the user's own ~/.local/share/Velmora, made at the first start with the\n"
               "first-access password. The information screen (Informazioni) shows which.\n"));
    out += filesAndEnvironment(false);
    out += section("SEE ALSO") + QStringLiteral("\\fBvelmora\\-cli\\fR(1)\n");
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velmora-mkman <version> <folder>\n");
        return 2;
    }
    const QDir folder(args[2]);
    if (!QDir().mkpath(args[2])) {
        std::fprintf(stderr, "velmora-mkman: cannot make %s\n", qPrintable(args[2]));
        return 1;
    }
    const std::pair<const char*, QString> pages[] = {
        {"velmora-cli.1", companionPage(args[1])},
        {"velmora.1", programPage(args[1])},
    };
    for (const auto& [name, text] : pages) {
        QString error;
        const QString path = folder.filePath(QLatin1String(name));
        if (!AtomicSave::save(path, text.toUtf8(), &error)) {
            std::fprintf(stderr, "velmora-mkman: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(error));
            return 1;
        }
    }
    return 0;
}
