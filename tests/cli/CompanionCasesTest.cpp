// velmora-cli on what a careless or hostile command line gives it: outputs
// that land on the program's files or on what is not a file, archives that
// are folders, loops or pipes, fields holding control characters, repeated
// or misplaced options, names that are not UTF-8 and a bare environment.
// Each case: the arguments, the exit status, what the error output says and
// what the output holds; the files around stay as they were.
#include "archive/ArchiveFiles.h"
#include "cli/CliRun.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <set>

namespace {

using archive_files::appendRecords;
using archive_files::readBytes;
using archive_files::samplePath;
using archive_files::writeBytes;

// What is in a folder tree: each file's bytes, each link's target, the kind
// of anything else. Never opens a pipe or a device.
std::map<QString, QByteArray> tree(const QString& root) {
    std::map<QString, QByteArray> found;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = info.filePath().mid(root.size());
        struct stat st {};
        ::lstat(QFile::encodeName(info.filePath()).constData(), &st);
        if (S_ISLNK(st.st_mode))
            found[name] = "link to " + QFile::encodeName(info.symLinkTarget());
        else if (S_ISREG(st.st_mode))
            found[name] = readBytes(info.filePath());
        else
            found[name] = "kind " + QByteArray::number(st.st_mode & S_IFMT);
    }
    return found;
}

class CompanionCases : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* folder : {"A", "B", "C", "Dir", "Loop", "Pipe", "P", "out"})
            ASSERT_TRUE(QDir(dir_.path()).mkdir(QString::fromLatin1(folder)));
        for (const char* name : archive_files::kSamples) {
            const QByteArray bytes = readBytes(samplePath(QString::fromLatin1(name)));
            ASSERT_TRUE(writeBytes(path("A/") + name, bytes));
            ASSERT_TRUE(writeBytes(path("B/") + name, bytes));
        }
        // Links that lead onto an archive, or are named as one.
        ASSERT_TRUE(QFile::link(QStringLiteral("../B/2024.set"), path("A/evil.ics")));
        ASSERT_TRUE(QFile::link(QStringLiteral("../out/new.xls"), path("B/2030.ORE")));
        // Archives that are not files.
        ASSERT_TRUE(QDir(path("Dir")).mkpath(QStringLiteral("2024.ore/x")));
        for (const char* name : {"2024.ore", "Dipendenti.pro"})
            ASSERT_TRUE(QFile::link(path("Loop/") + name, path("Loop/") + name));
        ASSERT_EQ(::mkfifo(QFile::encodeName(path("Pipe/2024.set")).constData(), 0644), 0);
        // Outputs that are not files: a pipe, a link to it, a device (a
        // node of its own where the system allows it, else the system's).
        ASSERT_EQ(::mkfifo(QFile::encodeName(path("out/pipe")).constData(), 0644), 0);
        ASSERT_TRUE(QFile::link(QStringLiteral("pipe"), path("out/to-pipe")));
        device_ = path("out/full");
        if (::mknod(QFile::encodeName(device_).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            device_ = QStringLiteral("/dev/full");
        // A program folder of its own, with its guide and executables.
        ASSERT_TRUE(QFile::copy(kCliProgram, path("P/velmora-cli")));
        ASSERT_TRUE(QFile::setPermissions(path("P/velmora-cli"),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        for (const char* name : {"Guida.pdf", "velmora"})
            ASSERT_TRUE(writeBytes(path("P/") + name, "the program's own"));
        // Fields with control characters: ESC, CR, LF, DEL and a tab, and a
        // C1 control (the code page's unused 0x9D).
        appendRecords(path("C/2025.ore"), TRecordLayout::daily(),
                      {{{"Nome", QStringLiteral("R\x1b[31mX\rY\nZ\x7fW\tV")},
                        {"Data", "05/03/2025"},
                        {"Sede", QStringLiteral("a\u009db")},
                        {"Inizio01", "08:00"},
                        {"Fine01", "12:00"},
                        {"Lavoratore01", QStringLiteral("Ne\x1bri\rUgo")},
                        {"Inizio02", "10:00"},
                        {"Fine02", "14:00"},
                        {"Lavoratore02", QStringLiteral("Ne\x1bri\rUgo")}}});
        appendRecords(path("C/Dipendenti.pro"), TRecordLayout::workers(),
                      {{{"Cognome", QStringLiteral("Ve\x1b]0;x\x07rdi")},
                        {"Scadenza", "01/01/2000"},
                        {"Preavviso", "0"}}});
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString path(const char* name) const { return path(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    QString device_;
};

TEST_F(CompanionCases, EachCaseExitsPrintsAndLeavesTheFilesAsItShould) {
    const QString a = path("A"), c = path("C");
    const QString worker = QStringLiteral("Rossi Mario");
    struct Case {
        const char* what;
        QStringList args;
        int exitCode;
        QByteArray errHas; // empty: nothing on the error output
        QByteArray outHas; // empty: nothing on the output
        bool fromProgramFolder = false;
    } cases[] = {
        // Never onto an archive or the password store, in any folder.
        {"an archive of another folder",
         {"--folder", a, "pdf", "daily", "--year", "2024", "1", "-o", path("B/2024.ore")},
         2,
         "refusing to write onto",
         ""},
        {"an archive's name in other case",
         {"--folder", a, "export", "timetables", "-o", path("B/orari.PRO")},
         2,
         "refusing to write onto",
         ""},
        {"the password store's name",
         {"--folder", a, "ical", "--year", "2024", "--worker", worker, "-o",
          path("B/UNINS000.DLL")},
         2,
         "refusing to write onto",
         ""},
        {"through ..",
         {"--folder", a, "ical", "--year", "2024", "--worker", worker, "-o",
          path("A/../B/2024.set")},
         2,
         "refusing to write onto",
         ""},
        {"a link onto an archive",
         {"--folder", a, "ical", "--year", "2024", "--worker", worker, "-o", path("A/evil.ics")},
         2,
         "refusing to write onto",
         ""},
        {"a link named as an archive",
         {"--folder", a, "export", "workers", "-o", path("B/2030.ORE")},
         2,
         "refusing to write onto",
         ""},
        {"the program folder's guide",
         {"--folder", a, "export", "timetables", "-o", path("P/guida.PDF")},
         2,
         "one of the program's own files",
         "",
         true},
        {"the program",
         {"--folder", a, "export", "timetables", "-o", path("P/velmora")},
         2,
         "one of the program's own files",
         "",
         true},
        {"the companion itself",
         {"--folder", a, "pdf", "workers", "1", "-o", path("P/velmora-cli")},
         2,
         "one of the program's own files",
         "",
         true},
        // The same files beside the archives --folder names, the companion
        // being elsewhere.
        {"the guide of the folder --folder names",
         {"--folder", path("P"), "export", "timetables", "-o", path("P/guida.PDF")},
         2,
         "one of the program's own files",
         ""},
        {"the program in the folder --folder names",
         {"--folder", path("P"), "pdf", "workers", "1", "-o", path("P/velmora")},
         2,
         "one of the program's own files",
         ""},
        // Never onto what is not a file.
        {"a named pipe",
         {"--folder", a, "export", "timetables", "-o", path("out/pipe")},
         2,
         "it is a named pipe (FIFO), not a regular file",
         ""},
        {"a link to a named pipe",
         {"--folder", a, "ical", "--year", "2024", "--worker", worker, "-o", path("out/to-pipe")},
         2,
         "it is a named pipe (FIFO), not a regular file",
         ""},
        {"a device",
         {"--folder", a, "pdf", "daily", "--year", "2024", "1", "-o", device_},
         2,
         "it is a character device, not a regular file",
         ""},
        // An archive that is not a file is an error, not an empty archive.
        {"find on a folder",
         {"--folder", path("Dir"), "find", "daily", "--year", "2024"},
         2,
         "Is a directory",
         ""},
        {"find on a loop",
         {"--folder", path("Loop"), "find", "daily", "--year", "2024"},
         2,
         "Too many levels of symbolic links",
         ""},
        {"find on a named pipe",
         {"--folder", path("Pipe"), "find", "weekly", "--year", "2024"},
         2,
         "not a regular file",
         ""},
        {"renewals on a loop",
         {"--folder", path("Loop"), "renewals"},
         2,
         "Too many levels of symbolic links",
         ""},
        {"conflicts on a folder",
         {"--folder", path("Dir"), "conflicts", "--year", "2024"},
         2,
         "Is a directory",
         ""},
        {"dump of a folder",
         {"--folder", path("Dir"), "dump", "2024.ore"},
         2,
         "Is a directory",
         ""},
        // Control characters of a field, written as \xHH.
        {"find",
         {"--folder", c, "find", "daily", "--year", "2025"},
         0,
         "",
         "R\\x1B[31mX\\x0DY\\x0AZ\\x7FW\tV"},
        {"find, a C1 control",
         {"--folder", c, "find", "daily", "--year", "2025"},
         0,
         "",
         "Sede: a\\xC2\\x9Db"},
        {"renewals",
         {"--folder", c, "renewals", "--today", "10/06/2024"},
         0,
         "",
         "Ve\\x1B]0;x\\x07rdi"},
        {"conflicts",
         {"--folder", c, "conflicts", "--year", "2025"},
         1,
         "",
         "05/03/2025\tNe\\x1Bri\\x0DUgo\t08:00-12:00\tR\\x1B[31mX"},
        {"hours", {"--folder", c, "hours", "--year", "2025"}, 0, "", "Ne\\x1Bri\\x0DUgo\t8:00\n"},
        // Each option once.
        {"-o twice",
         {"--folder", a, "pdf", "daily", "--year", "2024", "1", "-o", path("out/x.pdf"), "-o",
          path("out/y.pdf")},
         2,
         "-o given twice",
         ""},
        {"-o and --output",
         {"--folder", a, "export", "timetables", "-o", path("out/x.xls"), "--output",
          path("out/y.xls")},
         2,
         "--output given twice",
         ""},
        {"--year twice in export",
         {"--folder", a, "export", "daily", "--year", "2024", "--year", "2024"},
         2,
         "--year given twice",
         ""},
        {"--year twice in hours",
         {"--folder", a, "hours", "--year", "2024", "--year", "2024"},
         2,
         "--year given twice",
         ""},
        {"--year twice in find",
         {"--folder", a, "find", "daily", "--year", "2024", "--year", "2024"},
         2,
         "--year given twice",
         ""},
        {"--folder twice",
         {"--folder", a, "--folder", path("B"), "dump", "2024.ore"},
         2,
         "--folder given twice",
         ""},
        {"--folder before and after",
         {"--folder", a, "dump", "2024.ore", "--folder", path("B")},
         2,
         "--folder given twice",
         ""},
        {"--from after --to",
         {"--folder", a, "hours", "--year", "2024", "--from", "10/03/2024", "--to", "01/03/2024"},
         2,
         "--from 10/03/2024 is after --to 01/03/2024",
         ""},
        // The year is four digits and nothing else.
        {"a year with a line feed in find",
         {"--folder", a, "find", "daily", "--year", "2024\n"},
         2,
         "--year needs a four-digit year",
         ""},
        {"a year with a line feed in conflicts",
         {"--folder", a, "conflicts", "--year", "2024\n"},
         2,
         "--year needs a four-digit year",
         ""},
        {"a year with a line feed in pdf",
         {"--folder", a, "pdf", "daily", "--year", "2024\n", "1", "-o", path("out/x.pdf")},
         2,
         "--year needs a four-digit year",
         ""},
        // --folder anywhere on the line.
        {"--folder after dump's file", {"dump", "2024.ore", "--folder", a}, 0, "", "{\"n\": 1, "},
        {"--folder= among find's options",
         {"find", "daily", "--folder=" + a, "--year", "2024"},
         0,
         "",
         "Turno ordinario"},
        {"--folder after a flag",
         {"conflicts", "--weekly", "--folder", c, "--year", "2025"},
         2,
         "no archive at " + QFile::encodeName(c) + "/2025.set",
         ""},
        {"--folder last", {"hours", "--year", "2025", "--folder", c}, 0, "", "Ugo\t8:00\n"},
    };
    const auto before = tree(dir_.path());
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const CliRun r = runCli(k.args, k.fromProgramFolder ? path("P/velmora-cli") : kCliProgram);
        EXPECT_EQ(r.exitCode, k.exitCode) << r.err.toStdString();
        if (k.errHas.isEmpty())
            EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        else
            EXPECT_TRUE(r.err.startsWith("velmora-cli: ") && r.err.contains(k.errHas))
                << r.err.toStdString();
        if (k.outHas.isEmpty())
            EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        else
            EXPECT_TRUE(r.out.contains(k.outHas)) << r.out.toStdString();
        // No raw control byte but the tab and the lines' ends.
        for (const char b : r.out)
            EXPECT_TRUE((static_cast<unsigned char>(b) >= 32 && b != 127) || b == '\t' || b == '\n')
                << "raw byte " << int(b) << " in " << r.out.toStdString();
    }
    EXPECT_EQ(tree(dir_.path()), before);
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(path("out/pipe")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::stat(QFile::encodeName(device_).constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

// The names in a folder and the bytes of a file, by the bytes of their names.
std::set<QByteArray> nativeNames(const QByteArray& folder) {
    std::set<QByteArray> names;
    if (DIR* d = ::opendir(folder.constData())) {
        while (const dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names.insert(e->d_name);
        ::closedir(d);
    }
    return names;
}

QByteArray nativeRead(const QByteArray& file) {
    QFile f;
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !f.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) return {};
    return f.readAll();
}

// Under a C and a UTF-8 locale alike, a file or folder name that is not
// UTF-8 is used by its bytes: the output lands on that very name, the
// archives are read from that very folder.
TEST_F(CompanionCases, NamesThatAreNotUtf8AreUsedAsTyped) {
    const QByteArray root = QFile::encodeName(dir_.path());
    const QByteArray latin1Folder = root + "/cart\xe9lla";
    ASSERT_EQ(::mkdir(latin1Folder.constData(), 0755), 0);
    ASSERT_EQ(
        ::symlink((root + "/A/2024.ore").constData(), (latin1Folder + "/2024.ore").constData()), 0);
    // What the exports hold, written under plain names.
    for (const char* kind : {"timetables", "workers"})
        ASSERT_EQ(runCli({"--folder", path("A"), "export", kind, "-o", path(kind)}).exitCode, 0);
    const QByteArray reference = readBytes(path("timetables"));
    const QByteArray workers = readBytes(path("workers"));
    ASSERT_FALSE(reference.isEmpty());
    ASSERT_NE(reference, workers);

    std::set<QByteArray> inOut = nativeNames(root + "/out"), inLatin1 = {"2024.ore"};
    for (const QByteArray& locale : {QByteArray("C"), QByteArray("C.UTF-8")}) {
        SCOPED_TRACE(locale.toStdString());
        const QList<QByteArray> env = {"PATH=/usr/bin:/bin", "LC_ALL=" + locale};
        const std::pair<QByteArray, std::set<QByteArray>*> outputs[] = {
            {root + "/out/caf\xe9-" + locale + ".xls", &inOut},         // the file's name
            {latin1Folder + "/orari-" + locale + ".xls", &inLatin1},    // its folder's
            {latin1Folder + "/\xff\xfe-" + locale + ".xls", &inLatin1}, // both
        };
        for (const auto& [output, folder] : outputs) {
            const CliRun r = runCliBytes(
                {"--folder", QFile::encodeName(path("A")), "export", "timetables", "-o", output},
                env);
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
            EXPECT_EQ(nativeRead(output), reference) << output.toHex().toStdString();
            folder->insert(output.mid(output.lastIndexOf('/') + 1));
        }
        // A second write replaces the file by its bytes too.
        const QByteArray again = latin1Folder + "/\xff\xfe-" + locale + ".xls";
        EXPECT_EQ(
            runCliBytes(
                {"--folder", QFile::encodeName(path("A")), "export", "workers", "-o", again}, env)
                .exitCode,
            0);
        EXPECT_EQ(nativeRead(again), workers);

        const CliRun dump = runCliBytes({"--folder", latin1Folder, "dump", "2024.ore"}, env);
        EXPECT_EQ(dump.exitCode, 0) << dump.err.toStdString();
        EXPECT_TRUE(dump.out.startsWith("{\"n\": 1, \"Nome\": \"Turno ordinario\""))
            << dump.out.toStdString();
        // In a message, the bytes are shown as \xHH.
        const CliRun missing = runCliBytes({"--folder", latin1Folder, "dump", "1999.ore"}, env);
        EXPECT_EQ(missing.exitCode, 2);
        EXPECT_TRUE(missing.err.contains("cart\\xe9lla/1999.ore")) << missing.err.toStdString();
    }
    // Only the files asked for: no name mangled, no temporary left behind.
    EXPECT_EQ(nativeNames(root + "/out"), inOut);
    EXPECT_EQ(nativeNames(latin1Folder), inLatin1);

    // The temporary folder is removed by text names: take away those that
    // are not text first.
    for (const QByteArray& name : inLatin1)
        ::unlink((latin1Folder + '/' + name).constData());
    ::rmdir(latin1Folder.constData());
    for (const QByteArray& name : inOut)
        if (QFile::encodeName(QFile::decodeName(name)) != name)
            ::unlink((root + "/out/" + name).constData());
}

// From cron or a service account: no session runtime folder, no locale. The
// printed sheet is written and nothing is said.
TEST_F(CompanionCases, ABareEnvironmentPrintsNoWarning) {
    const QByteArray output = QFile::encodeName(path("out/sheet.pdf"));
    const CliRun r = runCliBytes({"--folder", QFile::encodeName(path("A")), "pdf", "daily",
                                  "--year", "2024", "1", "-o", output},
                                 {"PATH=/usr/bin:/bin", "HOME=" + QFile::encodeName(dir_.path())});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.toStdString(), "");
    EXPECT_TRUE(readBytes(path("out/sheet.pdf")).startsWith("%PDF"));
}

// A standard output that takes nothing ("> /dev/full"): what was to be
// printed is lost, and the companion says so and exits with 2 rather than
// report success. A short output fails only when it is flushed at the end,
// a long one while it is being written.
TEST_F(CompanionCases, AStandardOutputThatCannotBeWrittenExitsWithTwoAndSaysSo) {
    // Ten times the sample's records: an output of many buffers.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Long")));
    ASSERT_TRUE(writeBytes(path("Long/2024.ore"), readBytes(path("A/2024.ore")).repeated(10)));
    const QList<QByteArray> commands[] = {
        {"--help"},
        {"--folder", QFile::encodeName(path("A")), "dump", "2024.ore"},
        {"--folder", QFile::encodeName(path("Long")), "dump", "2024.ore"},
    };
    const QList<QByteArray> env = {"PATH=/usr/bin:/bin", "HOME=" + QFile::encodeName(dir_.path())};
    for (const QList<QByteArray>& args : commands) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun kept = runCliBytes(args, env);
        ASSERT_EQ(kept.exitCode, 0) << kept.err.toStdString();
        const CliRun r = runCliBytes(args, env, "/dev/full");
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err, "velmora-cli: cannot write the output\n");
    }
}

} // namespace
