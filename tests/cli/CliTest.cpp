// velmora-cli run as a user runs it, on copies of the sample archives: what
// it prints, its exit status, and that it never creates or changes a file.
#include "archive/ArchiveFiles.h"
#include "cli/CliRun.h"

#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/ArchiveKinds.h"
#include "domain/SpreadsheetExport.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>

namespace {

using archive_files::expectedSamples;
using archive_files::kSamples;
using archive_files::readBytes;
using archive_files::samplePath;
using archive_files::writeBytes;

// Name, size and modification time of every file in a folder.
std::map<QString, std::pair<QByteArray, QDateTime>> snapshot(const QString& folder) {
    std::map<QString, std::pair<QByteArray, QDateTime>> files;
    for (const QFileInfo& info :
         QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        files[info.fileName()] = {readBytes(info.filePath()), info.lastModified()};
    return files;
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : kSamples)
            ASSERT_TRUE(writeBytes(path(name), readBytes(samplePath(QString::fromLatin1(name)))));
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString path(const char* name) const { return path(QString::fromLatin1(name)); }
    QStringList inFolder(QStringList args) const {
        return QStringList{QStringLiteral("--folder"), dir_.path()} + args;
    }

    QTemporaryDir dir_;
};

TEST_F(CliTest, DumpPrintsEveryFieldOfEveryRecordInRecordOrder) {
    const QJsonObject expected = expectedSamples();
    for (const char* name : kSamples) {
        SCOPED_TRACE(name);
        const TRecordLayout* layout = layoutForFileName(QString::fromLatin1(name));
        ASSERT_NE(layout, nullptr);
        const CliRun r = runCli(inFolder({QStringLiteral("dump"), QString::fromLatin1(name)}));
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

        const QJsonArray want = expected.value(QString::fromLatin1(name)).toArray();
        const QList<QByteArray> got = lines(r.out);
        ASSERT_EQ(got.size(), want.size());
        for (qsizetype i = 0; i < got.size(); ++i) {
            QJsonParseError error{};
            const QJsonObject line = QJsonDocument::fromJson(got[i], &error).object();
            ASSERT_EQ(error.error, QJsonParseError::NoError) << got[i].toStdString();
            EXPECT_EQ(line.value(u"n").toInteger(), i + 1);
            EXPECT_EQ(line.size(), static_cast<qsizetype>(layout->fields().size()) + 1);
            const QJsonObject record = want.at(i).toObject();
            for (const TFieldDef& f : layout->fields())
                EXPECT_EQ(line.value(f.name).toString(), record.value(f.name).toString())
                    << "record " << i + 1 << " field " << f.name.toStdString();

            // The keys come as the record holds the fields, "n" first.
            qsizetype at = got[i].indexOf("{\"n\": ");
            EXPECT_EQ(at, 0);
            for (const TFieldDef& f : layout->fields()) {
                const qsizetype next = got[i].indexOf(('"' + f.name + "\": ").toUtf8(), at);
                ASSERT_GT(next, at) << f.name.toStdString() << " out of order";
                at = next;
            }
        }
    }
}

TEST_F(CliTest, FileIsFoundByFolderOrAbsolutePathAndItsKindByNameOrOption) {
    ASSERT_TRUE(writeBytes(path("copia.bin"), readBytes(path("Orari.pro"))));
    ASSERT_TRUE(writeBytes(path("2030.ore"), readBytes(path("Orari.pro"))));
    struct Case {
        QStringList args;
        QString firstName; // Nome of the first record, or Cognome of a worker
        const TRecordLayout& layout;
    } cases[] = {
        {{QStringLiteral("dump"), path("2024.ore")},
         QStringLiteral("Turno ordinario"),
         TRecordLayout::daily()},
        {{QStringLiteral("--folder=") + dir_.path(), QStringLiteral("dump"),
          QStringLiteral("Dipendenti.pro")},
         expectedSamples()[u"Dipendenti.pro"][0][u"Cognome"].toString(),
         TRecordLayout::workers()},
        {inFolder({QStringLiteral("--kind"), QStringLiteral("timetables"), QStringLiteral("dump"),
                   QStringLiteral("copia.bin")}),
         expectedSamples()[u"Orari.pro"][0][u"Nome"].toString(), TRecordLayout::timetables()},
        // An explicit kind wins over the name.
        {inFolder({QStringLiteral("--kind"), QStringLiteral("timetables"), QStringLiteral("dump"),
                   QStringLiteral("2030.ore")}),
         expectedSamples()[u"Orari.pro"][0][u"Nome"].toString(), TRecordLayout::timetables()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CliRun r = runCli(c.args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonObject first = QJsonDocument::fromJson(lines(r.out).value(0)).object();
        const QString key =
            first.contains(u"Cognome") ? QStringLiteral("Cognome") : QStringLiteral("Nome");
        EXPECT_EQ(first.value(key).toString(), c.firstName);
        EXPECT_EQ(first.size(), static_cast<qsizetype>(c.layout.fields().size()) + 1);
        EXPECT_EQ(lines(r.out).size(), 2);
    }
}

TEST_F(CliTest, DumpEscapesWhatJsonNeedsAndWritesUtf8) {
    const QString texts[] = {
        QStringLiteral("say \"hi\" \\ bye"),
        QStringLiteral("a\tb\x01"
                       "c\x1f"
                       "d"),
        QStringLiteral("riga 1\r\nriga 2"),
        QStringLiteral("più € Ÿ „x“ ß"),
        QStringLiteral("</script> \x7f"),
    };
    TRecord record(TRecordLayout::daily());
    const char* fields[] = {"Nome", "Sede", "Disposizioni", "Annotazioni", "Desc03"};
    for (int i = 0; i < 5; ++i)
        record.setText(QString::fromLatin1(fields[i]), texts[i]);
    ASSERT_TRUE(writeBytes(path("2031.ore"), record.bytes()));

    const CliRun r = runCli(inFolder({QStringLiteral("dump"), QStringLiteral("2031.ore")}));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<QByteArray> out = lines(r.out);
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(r.out.contains("pi\xc3\xb9 \xe2\x82\xac")) << "not UTF-8: " << r.out.toStdString();
    // JSON allows no raw control character inside a string; lenient readers
    // accept them, so look at the bytes themselves.
    for (const char c : out[0])
        EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "raw control byte " << int(c);
    QJsonParseError error{};
    const QJsonObject line = QJsonDocument::fromJson(out[0], &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(line.value(QString::fromLatin1(fields[i])).toString(), texts[i]) << fields[i];
}

TEST_F(CliTest, VerifyCountsTheRecordsOfCleanArchives) {
    const QJsonObject expected = expectedSamples();
    for (const char* name : kSamples) {
        SCOPED_TRACE(name);
        const CliRun r = runCli(inFolder({QStringLiteral("verify"), QString::fromLatin1(name)}));
        EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
        const auto records = expected.value(QString::fromLatin1(name)).toArray().size();
        EXPECT_TRUE(r.out.contains("records: " + QByteArray::number(records) + '\n'))
            << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("trailing bytes: 0\n")) << r.out.toStdString();
    }
}

TEST_F(CliTest, VerifyReportsDamagedLengthBytesAndAnIncompleteRecord) {
    const QByteArray original = readBytes(path("2024.ore"));
    const int record2 = 5220;
    struct Case {
        const char* what;
        std::map<int, char> lengthBytes; // offset in the file -> length byte
        int trailing;
        std::vector<QByteArray> reported;
    } cases[] = {
        {"length byte", {{record2 + 113, '\xc8'}}, 0, {"record 2 field Sede: length 200"}},
        {"incomplete record", {}, 3, {"trailing bytes: 3\n"}},
        {"both, in two records",
         {{0, '\x33'}, {record2 + 5219 - 250, '\xff'}},
         5219,
         {"record 1 field Nome: length 51", "record 2 field Desc03: length 255",
          "trailing bytes: 5219\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray damaged = original + QByteArray(c.trailing, 'z');
        for (const auto& [offset, length] : c.lengthBytes)
            damaged[offset] = length;
        ASSERT_TRUE(writeBytes(path("2025.ore"), damaged));

        const CliRun r = runCli(inFolder({QStringLiteral("verify"), QStringLiteral("2025.ore")}));
        EXPECT_EQ(r.exitCode, 1) << r.out.toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("records: 2\n")) << r.out.toStdString();
        for (const QByteArray& line : c.reported)
            EXPECT_TRUE(r.out.contains(line)) << line.toStdString() << " in\n"
                                              << r.out.toStdString();
        EXPECT_EQ(r.out.count("exceeds capacity"), static_cast<qsizetype>(c.lengthBytes.size()));

        // dump still reads a damaged archive, clamping the length bytes.
        const CliRun dump = runCli(inFolder({QStringLiteral("dump"), QStringLiteral("2025.ore")}));
        EXPECT_EQ(dump.exitCode, 0) << dump.err.toStdString();
        EXPECT_EQ(lines(dump.out).size(), 2);
        EXPECT_EQ(readBytes(path("2025.ore")), damaged);
    }
}

TEST_F(CliTest, FailuresExitWithTwoAndCreateNothing) {
    ASSERT_TRUE(writeBytes(path("notes.txt"), "x"));
    const QString binDir = QStringLiteral(VELMORA_BIN_DIR);
    const QStringList cases[] = {
        inFolder({QStringLiteral("dump"), QStringLiteral("1999.ore")}),
        inFolder({QStringLiteral("verify"), QStringLiteral("1999.set")}),
        inFolder({QStringLiteral("dump"), QStringLiteral("Nuovi/Orari.pro")}),
        inFolder({QStringLiteral("dump"), QStringLiteral("notes.txt")}),
        inFolder({QStringLiteral("--kind"), QStringLiteral("monthly"), QStringLiteral("dump"),
                  QStringLiteral("2024.ore")}),
        inFolder({QStringLiteral("--kind"), QStringLiteral("daily"), QStringLiteral("verify"),
                  QStringLiteral(".")}),
        inFolder({}),
        inFolder({QStringLiteral("list"), QStringLiteral("2024.ore")}),
        inFolder({QStringLiteral("dump")}),
        inFolder({QStringLiteral("dump"), QStringLiteral("2024.ore"), QStringLiteral("2024.set")}),
        {QStringLiteral("--colour"), QStringLiteral("dump"), path("2024.ore")},
        {QStringLiteral("dump"), QStringLiteral("--folder")},
        // Global options go before the command.
        {QStringLiteral("dump"), QStringLiteral("--kind"), QStringLiteral("daily"),
         path("2024.ore")},
        // Without --folder a relative name is looked for beside the program.
        {QStringLiteral("dump"), QStringLiteral("1987.ore")},
        {QStringLiteral("check"), QStringLiteral("bic"), QStringLiteral("UNCRITMM")},
        {QStringLiteral("check"), QStringLiteral("iban")},
    };
    const auto before = snapshot(dir_.path());
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.startsWith("velmora-cli: ")) << r.err.toStdString();
    }
    EXPECT_EQ(snapshot(dir_.path()), before);
    EXPECT_FALSE(QFileInfo::exists(binDir + QStringLiteral("/1987.ore")));

    const CliRun r = runCli({QStringLiteral("verify"), QStringLiteral("1987.ore")});
    EXPECT_TRUE(r.err.contains(QDir(binDir).canonicalPath().toUtf8())) << r.err.toStdString();
}

TEST_F(CliTest, HelpListsTheCommands) {
    const CliRun r = runCli({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("dump FILE")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("verify FILE")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("check codfisc|iva|iban|carta VALUE")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("find daily|weekly|timetables|workers")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("renewals [--today dd/mm/yyyy]")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("export daily --year YYYY | timetables | workers [-o FILE]"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("pdf daily|weekly --year YYYY N -o FILE.pdf | timetables|workers N"))
        << r.out.toStdString();
}

TEST(CliCheck, PrintsTheDialogMessageAndExitsByTheOutcome) {
    struct Case {
        const char* kind;
        QString value;
        int exitCode;
        QByteArray out;
    } cases[] = {
        {"codfisc", QStringLiteral("rssmra80a01h501u"), 0,
         "Il codice fiscale digitato \xc3\xa8 VALIDO.\n"},
        {"codfisc", QStringLiteral("RSSMRA80A01H501"), 2,
         "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.\n"},
        {"iva", QStringLiteral("98798701102"), 0,
         "Il numero di partita IVA digitato risulta VALIDO.\n\n"
         "E' stato rilasciato dall'Ufficio IVA del Comune di .\n"},
        {"iva", QStringLiteral("12345670158"), 1,
         "Attenzione: il numero di partita IVA digitato risulta ERRATO!\n\n"
         "Non \xc3\xa8 quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
         "rilasciato.\n"},
        {"iban", QStringLiteral("it60x0542811101000000123456"), 0,
         "L'IBAN digitato \xc3\xa8 VALIDO.\n"},
        {"iban", QStringLiteral("IT60X054281110-000000123456"), 1,
         "Attenzione: l'IBAN digitato \xc3\xa8 ERRATO!\n"},
        {"carta", QStringLiteral("3782 822463 10005"), 0,
         "Il numero di carta di credito 3782 822463 10005 risulta valido.\n\n"
         "La carta di credito \xc3\xa8 del tipo American Express.\n"},
        // A value is data even when it starts like an option.
        {"carta", QStringLiteral("-4111111111111111"), 0,
         "Il numero di carta di credito -4111111111111111 risulta valido.\n\n"
         "La carta di credito \xc3\xa8 del tipo Visa.\n"},
        // Luhn-valid, but the dialog would close without a word.
        {"carta", QStringLiteral("3200000000000002"), 1, ""},
        {"carta", QString(), 2,
         "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
         "controllo.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind + (" " + c.value.toStdString()));
        const CliRun r = runCli({QStringLiteral("check"), QString::fromLatin1(c.kind), c.value});
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
}

TEST_F(CliTest, CommandsNeverChangeTheArchives) {
    QByteArray damaged = readBytes(path("2024.set")) + QByteArray(7, '\0');
    damaged[843] = '\x09';
    ASSERT_TRUE(writeBytes(path("2026.set"), damaged));
    const auto before = snapshot(dir_.path());
    for (const QString& name : QDir(dir_.path()).entryList(QDir::Files))
        for (const char* command : {"dump", "verify"})
            runCli(inFolder({QString::fromLatin1(command), name}));
    EXPECT_EQ(snapshot(dir_.path()), before);
}

TEST_F(CliTest, DumpLetsGoOfTheArchiveBeforeItsReaderTakesTheLines) {
    // Far more lines than a pipe holds, and nobody reading them yet: dump
    // waits on the pipe, as it does under a pager.
    QByteArray archive;
    for (int i = 0; i < 400; ++i) {
        TRecord r(TRecordLayout::daily());
        r.setText(u"Nome", QStringLiteral("Tabella %1").arg(i));
        r.setText(u"Disposizioni", QString(200, u'x'));
        archive += r.bytes();
    }
    ASSERT_TRUE(writeBytes(path("2025.ore"), archive));
    const QByteArray command = QStringLiteral("'%1' --folder '%2' dump 2025.ore")
                                   .arg(QStringLiteral(VELMORA_BIN_DIR "/velmora-cli"), dir_.path())
                                   .toLocal8Bit();
    FILE* pager = ::popen(command.constData(), "r");
    ASSERT_NE(pager, nullptr);
    char first[64];
    ASSERT_NE(std::fgets(first, sizeof first, pager), nullptr); // dump has started printing

    // The program saves meanwhile, without waiting for the reader.
    TRecordArchive::setLockWaitMs(3000);
    TRecordArchive saving(TRecordLayout::daily().size());
    EXPECT_NO_THROW(saving.open(path("2025.ore")));
    saving.close();
    TRecordArchive::setLockWaitMs(5000);

    int lines = 1;
    char buffer[8192];
    while (std::fgets(buffer, sizeof buffer, pager))
        if (std::strchr(buffer, '\n')) ++lines;
    EXPECT_EQ(::pclose(pager), 0);
    EXPECT_GE(lines, 400);
}

// Records appended to a new archive of the folder, each a list of fields.
void writeArchive(const QString& file, const TRecordLayout& layout,
                  const std::vector<std::vector<std::pair<const char*, const char*>>>& records) {
    TRecordArchive archive(layout.size());
    archive.open(file);
    for (const auto& fields : records) {
        TRecord r(layout);
        for (const auto& [name, text] : fields)
            r.setText(QString::fromUtf8(name), QString::fromUtf8(text));
        archive.seek(archive.count());
        archive.write(r.bytes());
    }
    archive.close();
}

TEST_F(CliTest, FindPrintsTheLinesOfTheSearchScreenInListOrder) {
    writeArchive(path("2025.ore"), TRecordLayout::daily(),
                 {{{"Nome", "beta"}, {"Sede", "Centro"}, {"Lavoratore02", "ROSSI Mario"}},
                  {{"Nome", "Alfa"},
                   {"Data", "05/03/2025"},
                   {"Sede", "centro"},
                   {"Lavoratore01", "Rossi"},
                   {"Annotazioni", "nota"}}});
    const QString alfa = QStringLiteral("Alfa").leftJustified(30) +
                         "  Data: 05/03/2025  Sede: " + QStringLiteral("centro").leftJustified(30) +
                         "  Note: nota";
    const QString beta = QStringLiteral("beta").leftJustified(30) + "  Data: " + QString(10, u' ') +
                         "  Sede: " + QStringLiteral("Centro").leftJustified(30) + "  Note: ";
    const QString winter = QStringLiteral("Orario invernale").leftJustified(30) +
                           "  Periodo: " + QStringLiteral("ottobre - maggio").leftJustified(24) +
                           "  Sede: " + QStringLiteral("Sede di via Garibaldi").leftJustified(24) +
                           "  Note: Valido anche nei prefestivi";
    // Surname and name share one column; the contact is cut at 14.
    const QString anna = QStringLiteral("Bianchi Anna").leftJustified(28) +
                         "  C.F. BNCNNA85M41F205X  Mans. " +
                         QStringLiteral("Segreteria").leftJustified(24) +
                         "  Tel. anna.bianchi@e  Note: Part-time verticale";
    const std::pair<QStringList, QStringList> cases[] = {
        {{"find", "daily", "--year", "2025"}, {alfa, beta}},
        {{"find", "workers", "--Codice", "segr"}, {anna}},
        {{"find", "weekly", "--year", "2024", "--DataInizio", "04/03"},
         {QStringLiteral("Settimana 10").leftJustified(30) + "  Da: 04/03/2024  A: 10/03/2024" +
          "  Sede: " + QStringLiteral("Palestra comunale").leftJustified(30) +
          "  Note: Sabato chiuso per manutenzione"}},
        {{"find", "daily", "--year", "2025", "--Lavoratore02", "rossi"}, {beta}},
        {{"find", "daily", "--year", "2025", "--Sede", "CENTRO", "--Lavoratore01", "rossi"},
         {alfa}},
        {{"find", "daily", "--year", "2025", "--Sede", "centro "}, {}},
        {{"find", "timetables", "--Nome", "INVERNALE"}, {winter}},
        {{"find", "daily", "--year", "2031"}, {}},
    };
    const auto before = snapshot(dir_.path());
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(inFolder(args));
        QStringList printed;
        for (const QByteArray& line : lines(r.out))
            printed << QString::fromUtf8(line);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(printed.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
        EXPECT_TRUE(r.err.isEmpty());
    }
    EXPECT_EQ(snapshot(dir_.path()), before) << "a missing year is not created";
}

TEST_F(CliTest, FindRefusesWhatItCannotSearch) {
    const QStringList cases[] = {
        {"find"},
        {"find", "weekly"}, // no year
        {"find", "monthly", "--year", "2024"},
        {"find", "daily"},
        {"find", "daily", "--year", "24"},
        {"find", "daily", "--year", "2024", "--Foo", "x"},
        {"find", "daily", "--year", "2024", "--Periodo", "x"},
        {"find", "timetables", "--Attivita06", "x"}, // slots 6 to 12 cannot be searched
        {"find", "timetables", "--year", "2024"},
        {"find", "daily", "--year", "2024", "--Nome"},
        {"find", "timetables", "--Nome", "a", "--Nome", "b"},
        {"find", "daily", "--year", "2024", "stray"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(inFolder(args));
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.startsWith("velmora-cli: ")) << r.err.toStdString();
    }
}

// The kinds each command takes, as its usage and its refusals name them.
TEST_F(CliTest, RefusalsNameTheKindsEachCommandTakes) {
    const QString find = QStringLiteral("usage: velmora-cli [--folder DIR] find "
                                        "daily|weekly|timetables|workers [--year YYYY] "
                                        "[--FIELD TEXT]...");
    const QString exportUsage = QStringLiteral("usage: velmora-cli [--folder DIR] export daily "
                                               "--year YYYY | timetables | workers [-o FILE]");
    const QString pdf = QStringLiteral(
        "usage: velmora-cli [--folder DIR] pdf daily|weekly --year YYYY N -o FILE.pdf\n"
        "       velmora-cli [--folder DIR] pdf timetables|workers N -o FILE.pdf");
    const QString out = path("out.pdf");
    const struct {
        QStringList args;
        QString error;
    } cases[] = {
        {{"find", "monthly"},
         "unknown search 'monthly' (daily, weekly, timetables or workers)\n" + find},
        {{"find", "weekly", "--year", "24"}, "--year needs a four-digit year\n" + find},
        {{"export", "weekly"},
         "unknown export 'weekly' (daily, timetables or workers)\n" + exportUsage},
        {{"export", "workers", "--year", "2024"},
         "--year is for daily only: workers has one archive\n" + exportUsage},
        {{"export", "daily"}, "--year needs a four-digit year\n" + exportUsage},
        {{"pdf", "monthly", "1", "-o", out},
         "unknown sheet 'monthly' (daily, weekly, timetables or workers)\n" + pdf},
        {{"pdf", "timetables", "--year", "2024", "1", "-o", out},
         "--year is for daily and weekly only: timetables has one archive\n" + pdf},
        {{"--kind", "monthly", "dump", "2024.ore"},
         "unknown kind 'monthly' (use daily, weekly, timetables or workers)"},
        {{"dump", "2024.txt"},
         "cannot tell the kind of archive from the name '2024.txt' "
         "(expected NNNN.ore, NNNN.set, Orari.pro or Dipendenti.pro; or "
         "use --kind)"},
        {{"conflicts", "--year", "2023", "--weekly"}, "no archive at " + path("2023.set")},
        {{"hours", "--year", "2023"}, "no archive at " + path("2023.ore")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CliRun r = runCli(inFolder(c.args));
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_EQ(QString::fromUtf8(r.err), "velmora-cli: " + c.error + u'\n');
    }
}

TEST_F(CliTest, RenewalsPrintsTheDueContractsInListOrder) {
    ASSERT_TRUE(QFile::remove(path("Dipendenti.pro")));
    const CliRun none = runCli(inFolder({QStringLiteral("renewals")}));
    EXPECT_EQ(none.exitCode, 0) << none.err.toStdString();
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("Dipendenti.pro"))) << "a missing archive stays missing";

    writeArchive(
        path("Dipendenti.pro"), TRecordLayout::workers(),
        {{{"Cognome", "Verdi"},
          {"Nome", "Anna"},
          {"Scadenza", "20/06/2024"},
          {"Preavviso", "10"},
          {"Acquisto", "Part-time"}},
         {{"Cognome", "Rossi"}, {"Nome", "Ugo"}, {"Scadenza", "20/06/2024"}, {"Preavviso", "9"}},
         {{"Cognome", "Neri"}, {"Nome", "Eva"}, {"Scadenza", "31/12/9999"}, {"Preavviso", "x"}},
         {{"Cognome", "Bianchi"}, {"Nome", "Lia"}, {"Scadenza", "01/01/2000"}, {"Preavviso", "0"}},
         {{"Cognome", "Gialli"}, {"Nome", "Ada"}, {"Scadenza", "31/12/9999"}, {"Preavviso", "0"}}});
    const auto line = [](const char* name, const char* expiry, const char* type) {
        return (QString::fromLatin1(name).leftJustified(30) + "  Tel. " + QString(12, u' ') +
                "  Scad. " + QString::fromLatin1(expiry) + QString::fromUtf8("  Tot. € ") +
                QString(12, u' ') + QString::fromUtf8("  Rata: € ") + QString(12, u' ') +
                "  Tipo: " + QString::fromLatin1(type))
            .toStdString();
    };
    const std::pair<QStringList, std::vector<std::string>> cases[] = {
        {{"renewals", "--today", "10/06/2024"},
         {line("Bianchi Lia", "01/01/2000", ""), line("Neri Eva", "31/12/9999", ""),
          line("Verdi Anna", "20/06/2024", "Part-time")}},
        {{"renewals", "--today", " 09/06/2024 "},
         {line("Bianchi Lia", "01/01/2000", ""), line("Neri Eva", "31/12/9999", "")}},
        // The system's today lies between the two ends.
        {{"renewals"},
         {line("Bianchi Lia", "01/01/2000", ""), line("Neri Eva", "31/12/9999", ""),
          line("Rossi Ugo", "20/06/2024", ""), line("Verdi Anna", "20/06/2024", "Part-time")}},
    };
    const auto before = snapshot(dir_.path());
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(inFolder(args));
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        std::vector<std::string> printed;
        for (const QByteArray& l : lines(r.out))
            printed.push_back(l.toStdString());
        EXPECT_EQ(printed, expected);
        EXPECT_TRUE(r.err.isEmpty());
    }
    EXPECT_EQ(snapshot(dir_.path()), before);

    for (const QStringList& args :
         {QStringList{"renewals", "--today"}, QStringList{"renewals", "--today", "31/02/2024"},
          QStringList{"renewals", "--today", "2024-06-10"}, QStringList{"renewals", "10/06/2024"},
          QStringList{"renewals", "--today", "10/06/2024", "x"}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(inFolder(args));
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.startsWith("velmora-cli: ")) << r.err.toStdString();
    }
}

TEST_F(CliTest, ExportWritesTheFileOfTheExportScreen) {
    const struct {
        QStringList args;
        const char* archive;
        const ExportTable& table;
        QString output; // where the file lands
    } cases[] = {
        {{"export", "daily", "--year", "2024"}, "2024.ore", dailyExport(), "Turni_Lavoro.xls"},
        {{"export", "timetables"}, "Orari.pro", timetableExport(), "Orari_Lavoro.xls"},
        {{"export", "workers", "-o", path("copia.xls")},
         "Dipendenti.pro",
         workerExport(),
         "copia.xls"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const QByteArray archive = readBytes(path(c.archive));
        const CliRun r = runCli(inFolder(c.args));
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        std::vector<QStringList> rows;
        readExportRows(path(c.archive), c.table, TRecordArchive::Mode::ReadOnly,
                       [&](QStringList cells) { rows.push_back(std::move(cells)); });
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(readBytes(path(c.output)), spreadsheetBytes(c.table, rows));
        EXPECT_EQ(readBytes(path(c.archive)), archive);
    }
}

TEST_F(CliTest, ExportOfAnEmptyArchiveHasTheGridsTenEmptyRows) {
    ASSERT_TRUE(writeBytes(path("2030.ore"), {}));
    const CliRun r = runCli(inFolder({"export", "daily", "--year", "2030"}));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readBytes(path("Turni_Lavoro.xls")),
              spreadsheetBytes(dailyExport(), std::vector<QStringList>(10)));
}

TEST_F(CliTest, ExportRefusesWhatItCannotWrite) {
    const QStringList cases[] = {
        inFolder({"export"}),
        inFolder({"export", "weekly", "--year", "2024"}),
        inFolder({"export", "daily"}),
        inFolder({"export", "daily", "--year", "24"}),
        inFolder({"export", "workers", "--year", "2024"}),
        inFolder({"export", "daily", "--year", "1999"}),
        inFolder({"export", "timetables", "-o"}),
        inFolder({"export", "timetables", "--sheet", "x"}),
        inFolder({"export", "timetables", "workers"}),
        // Never over an archive.
        inFolder({"export", "timetables", "-o", path("Dipendenti.pro")}),
    };
    const auto before = snapshot(dir_.path());
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.startsWith("velmora-cli: ")) << r.err.toStdString();
    }
    EXPECT_EQ(snapshot(dir_.path()), before);
}

} // namespace
