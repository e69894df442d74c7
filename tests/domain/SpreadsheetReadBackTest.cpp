// The three spreadsheet files as LibreOffice reads them: each export, full
// of texts a spreadsheet program likes to take for numbers, formulas, dates
// or markup, is converted by soffice to CSV in an Italian and in an English
// locale, and every cell must come back as it was typed, as text.
#include "domain/SpreadsheetExport.h"

#include "archive/AtomicSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>
#include <utility>

namespace {

// What users type into the fields, and what spreadsheet programs make of it
// unless told otherwise.
const char* const kTyped[] = {
    "=1+1",
    "=HYPERLINK(\"http://example.org\";\"sito\")",
    "=SOMMA(A1:A3)",
    "0612345678",
    "01234567890",
    "12345678901234567890",
    "12,50",
    "12.50",
    "1.234,56",
    "0,5",
    "-5",
    "+5",
    "1e5",
    "0",
    "TRUE",
    "VERO",
    "50%",
    "05/03/2024",
    "2024-03-05",
    "08:00",
    "Dalle 08:00 alle 12:00",
    "Dalle  alle",
    "a   b",
    "(5)",
    "1/2",
    "#N/D",
    "'apostrofo",
    "@",
    "Rossi & figli <sede>",
    "&amp;",
    "a<b",
    "x > y",
    "\"Da Mario\" l'osteria",
    "riga 1\r\nriga 2",
    "riga 1\nriga 2",
    "riga 1\rriga 2",
    "0612\n=1+1",
    "\xe2\x82\xac 100,00",
    "perch\xc3\xa9",
    "IT60X0542811101000000123456",
    "RSSMRA80A01H501U",
    "",
};

// A cell of the CSV file: LibreOffice quotes text cells only.
struct CsvField {
    QString text;
    bool quoted = false;
};
using CsvRow = std::vector<CsvField>;

// Tab-separated, '"' quoting with doubled quotes, line feeds inside quotes.
std::vector<CsvRow> parseCsv(const QString& data) {
    std::vector<CsvRow> rows;
    CsvRow row;
    CsvField field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const QChar c = data[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < data.size() && data[i + 1] == u'"') {
                field.text += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field.text += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            field.quoted = true;
        } else if (c == u'\t') {
            row.push_back(std::exchange(field, {}));
        } else if (c == u'\n') {
            row.push_back(std::exchange(field, {}));
            rows.push_back(std::exchange(row, {}));
        } else if (c != u'\r') {
            field.text += c;
        }
    }
    if (!field.text.isEmpty() || field.quoted || !row.empty()) {
        row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

// The text a cell holds once read: trimmed like every exported text, each
// line break a line feed.
QString asRead(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// A text for a failure message, its line breaks visible.
std::string shown(QString text) {
    text.replace(u'\r', QStringLiteral("\\r"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text.toStdString();
}

struct Locale {
    const char* posix; // LANG and LC_ALL
    const char* bcp47; // the profile's locale setting
    // A cell LibreOffice reads as a number in this locale when nothing marks
    // it as text, and how it then shows: proof that the locale took effect.
    const char* number;
    const char* shownAs;
};

class SpreadsheetReadBack : public ::testing::TestWithParam<Locale> {
  protected:
    QTemporaryDir work;

    QString path(const QString& name) const { return work.filePath(name); }

    // A private LibreOffice profile set to the locale, so no other instance
    // and no setting of the machine takes part.
    QString profile(const Locale& locale) const {
        const QString dir = path(QStringLiteral("profile"));
        QDir().mkpath(dir + QStringLiteral("/user"));
        const QByteArray settings =
            QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
                       "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                       "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
                       "<item oor:path=\"/org.openoffice.Setup/L10N\"><prop "
                       "oor:name=\"ooSetupSystemLocale\" oor:op=\"fuse\"><value>") +
            locale.bcp47 + "</value></prop></item>\n</oor:items>\n";
        EXPECT_TRUE(
            AtomicSave::save(dir + QStringLiteral("/user/registrymodifications.xcu"), settings));
        return dir;
    }

    // Converts the files to CSV (UTF-8, tab-separated, text cells quoted,
    // cells as shown) in `out`; false with the reason when soffice fails.
    ::testing::AssertionResult convert(const Locale& locale, const QStringList& files,
                                       const QString& out) const {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            return ::testing::AssertionFailure()
                   << "soffice not found: scripts/install-deps.sh test installs it";
        const QString home = profile(locale);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LC_ALL", "LANGUAGE"})
            env.insert(QString::fromLatin1(name),
                       QString::fromLatin1(locale.posix) + QStringLiteral(".UTF-8"));
        env.insert(QStringLiteral("HOME"), home);
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        // In a process group of its own, so that a conversion that hangs is
        // stopped with every process it started.
        p.setChildProcessModifier([] { ::setsid(); });
        p.start(soffice,
                QStringList{QStringLiteral("-env:UserInstallation=") +
                                QUrl::fromLocalFile(home).toString(),
                            QStringLiteral("--headless"), QStringLiteral("--invisible"),
                            QStringLiteral("--nologo"), QStringLiteral("--norestore"),
                            QStringLiteral("--nolockcheck"), QStringLiteral("--convert-to"),
                            QStringLiteral("csv:Text - txt - csv (StarCalc):"
                                           "9,34,76,1,,0,true,false,true"),
                            QStringLiteral("--outdir"), out} +
                    files);
        if (!p.waitForFinished(240000)) {
            ::kill(-static_cast<pid_t>(p.processId()), SIGKILL);
            p.waitForFinished();
            return ::testing::AssertionFailure() << "soffice did not finish in 4 minutes";
        }
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return ::testing::AssertionFailure() << "soffice failed: " << p.readAll().toStdString();
        return ::testing::AssertionSuccess();
    }

    static std::vector<CsvRow> readCsv(const QString& file) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return parseCsv(QString::fromUtf8(f.readAll()));
    }
};

TEST_P(SpreadsheetReadBack, EveryCellOfEveryExportReadsBackAsTyped) {
    const Locale& locale = GetParam();
    const ExportTable* tables[] = {&dailyExport(), &timetableExport(), &workerExport()};
    const qsizetype typedCount = std::size(kTyped);

    // Each export gets every typed text at least once, in other columns.
    std::vector<std::vector<QStringList>> rowsOf;
    QStringList files;
    for (std::size_t t = 0; t < std::size(tables); ++t) {
        const ExportTable& table = *tables[t];
        const auto columns = static_cast<qsizetype>(table.columns.size());
        std::vector<QStringList> rows;
        for (qsizetype first = 0; first < typedCount + columns; first += columns) {
            QStringList row;
            for (qsizetype c = 0; c < columns; ++c)
                row << QString::fromUtf8(
                    kTyped[(first + c + static_cast<qsizetype>(t) * 7) % typedCount]);
            rows.push_back(row);
        }
        const QString file = path(table.fileName);
        ASSERT_TRUE(writeSpreadsheet(file, table, rows));
        files << file;
        rowsOf.push_back(rows);
    }
    // Plain cells, which LibreOffice reads as it likes.
    const QString control = path(QStringLiteral("Controllo.xls"));
    ASSERT_TRUE(AtomicSave::save(control, QByteArray("<html><body><table><tr><td>") +
                                              locale.number +
                                              "</td><td>0612345678</td></tr></table></body>"
                                              "</html>"));
    files << control;

    const QString out = path(QStringLiteral("csv"));
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(convert(locale, files, out));

    const std::vector<CsvRow> plain = readCsv(out + QStringLiteral("/Controllo.csv"));
    ASSERT_EQ(plain.size(), 1u);
    ASSERT_EQ(plain[0].size(), 2u);
    EXPECT_FALSE(plain[0][0].quoted);
    EXPECT_EQ(plain[0][0].text.toStdString(), locale.shownAs);
    EXPECT_FALSE(plain[0][1].quoted);
    EXPECT_EQ(plain[0][1].text.toStdString(), "612345678");

    for (std::size_t t = 0; t < std::size(tables); ++t) {
        const ExportTable& table = *tables[t];
        SCOPED_TRACE(table.fileName.toStdString());
        const std::vector<CsvRow> read = readCsv(
            out + u'/' + QFileInfo(table.fileName).completeBaseName() + QStringLiteral(".csv"));
        const std::vector<QStringList>& rows = rowsOf[t];
        ASSERT_EQ(read.size(), rows.size() + 1);
        for (std::size_t r = 0; r < read.size(); ++r) {
            ASSERT_EQ(read[r].size(), table.columns.size()) << "row " << r;
            for (std::size_t c = 0; c < table.columns.size(); ++c) {
                const QString typed =
                    r == 0 ? table.columns[c].header : rows[r - 1][static_cast<qsizetype>(c)];
                const CsvField& cell = read[r][c];
                const QString expected = asRead(typed);
                // An empty cell is neither text nor number.
                if (cell.text != expected || (cell.quoted != !expected.isEmpty()))
                    ADD_FAILURE() << "row " << r << ", column " << c << ": typed \"" << shown(typed)
                                  << "\", read \"" << shown(cell.text) << "\" as "
                                  << (cell.quoted ? "text" : "a number or nothing");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, SpreadsheetReadBack,
                         ::testing::Values(Locale{"it_IT", "it-IT", "12,50", "12,5"},
                                           Locale{"en_US", "en-US", "12.50", "12.5"}),
                         [](const ::testing::TestParamInfo<Locale>& info) {
                             return std::string(info.param.posix);
                         });

} // namespace
