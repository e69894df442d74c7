// The one way files are written: all or nothing, links kept or replaced,
// bits kept, nothing left behind by a failure or a killed writer, and
// nothing but a regular file ever replaced.
#include "ArchiveFiles.h"

#include "archive/AtomicSave.h"
#include "support/Faults.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

using AtomicSave::Links;

// Writers use named temporaries while it lives, as on a system without
// unnamed files.
class NamedTemporaries {
  public:
    explicit NamedTemporaries(bool named = true) {
        AtomicSave::testing::useNamedTemporaries(named);
    }
    ~NamedTemporaries() { AtomicSave::testing::useNamedTemporaries(false); }
    NamedTemporaries(const NamedTemporaries&) = delete;
    NamedTemporaries& operator=(const NamedTemporaries&) = delete;
};

mode_t kindOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

bool makeSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (fd < 0 || native.size() >= qsizetype(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

using archive_files::readBytes;
using archive_files::writeBytes;

class AtomicSaveTest : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QStringList files() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

TEST_F(AtomicSaveTest, AFullDiskLeavesTheOldFileWholeAndNothingElse) {
    ASSERT_TRUE(writeBytes(path("sheet.pdf"), "old sheet"));
    const QByteArray big(64 * 1024, 'x');
    for (rlim_t room : {rlim_t(0), rlim_t(4096)}) {
        SCOPED_TRACE(room);
        QString error;
        {
            WriteLimit full(room);
            EXPECT_FALSE(AtomicSave::save(path("sheet.pdf"), big, &error));
        }
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readBytes(path("sheet.pdf")), "old sheet");
        EXPECT_EQ(files(), QStringList({"sheet.pdf"}));
    }
    EXPECT_TRUE(AtomicSave::save(path("sheet.pdf"), big));
    EXPECT_EQ(readBytes(path("sheet.pdf")), big);
    EXPECT_EQ(files(), QStringList({"sheet.pdf"}));
}

// The new file's bytes that cannot be flushed to the disk never take the
// old file's place, and the new file goes, named or not.
TEST_F(AtomicSaveTest, AFlushThatFailsLeavesTheOldFileWholeAndNothingElse) {
    ASSERT_TRUE(writeBytes(path("sheet.pdf"), "old sheet"));
    for (bool named : {false, true}) {
        SCOPED_TRACE(named ? "named temporary" : "unnamed temporary");
        NamedTemporaries temporaries(named);
        QString error;
        {
            DiskFault disk(DiskFault::Kind::Flush, dir_.path());
            EXPECT_FALSE(AtomicSave::save(path("sheet.pdf"), "new sheet", &error));
            EXPECT_GE(disk.refused(), 1);
        }
        EXPECT_TRUE(error.startsWith("flush: ")) << error.toStdString();
        EXPECT_EQ(readBytes(path("sheet.pdf")), "old sheet");
        EXPECT_EQ(files(), QStringList({"sheet.pdf"}));
    }
}

TEST_F(AtomicSaveTest, ALinkIsFollowedAndKeptAndPermissionsStay) {
    ASSERT_TRUE(writeBytes(path("real.ini"), "a"));
    ASSERT_TRUE(QFile::setPermissions(path("real.ini"), QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(path("real.ini"), path("link.ini")));
    ASSERT_TRUE(AtomicSave::save(path("link.ini"), "b"));
    EXPECT_TRUE(QFileInfo(path("link.ini")).isSymLink());
    EXPECT_EQ(readBytes(path("real.ini")), "b");
    const auto owner = QFile::ReadOwner | QFile::WriteOwner;
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFile::permissions(path("real.ini")) & (owner | others), owner);
}

TEST_F(AtomicSaveTest, AFolderOrAMissingFolderIsRefused) {
    ASSERT_TRUE(QDir().mkdir(path("sub")));
    EXPECT_FALSE(AtomicSave::save(path("sub"), "x"));
    EXPECT_FALSE(AtomicSave::save(path("missing/file.pdf"), "x"));
    EXPECT_EQ(files(), QStringList());
}

// A pipe, a socket (or a device) in the output's place is neither replaced
// nor opened, whether named directly or through a link.
TEST_F(AtomicSaveTest, AnOutputThatIsNotARegularFileIsRefusedAndLeftAsItIs) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.pdf")).constData(), 0600), 0);
    ASSERT_TRUE(makeSocket(path("socket.pdf")));
    ASSERT_TRUE(QFile::link(path("pipe.pdf"), path("to-pipe.pdf")));
    const std::tuple<const char*, Links, mode_t> cases[] = {
        {"pipe.pdf", Links::Follow, S_IFIFO},    {"pipe.pdf", Links::Replace, S_IFIFO},
        {"socket.pdf", Links::Follow, S_IFSOCK}, {"socket.pdf", Links::Replace, S_IFSOCK},
        {"to-pipe.pdf", Links::Follow, S_IFLNK},
    };
    for (const auto& [name, links, kind] : cases) {
        SCOPED_TRACE(name);
        QString error;
        EXPECT_FALSE(AtomicSave::save(path(name), "x", &error, links));
        EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
        EXPECT_EQ(kindOf(path(name)), kind);
    }
    EXPECT_EQ(kindOf(path("pipe.pdf")), mode_t(S_IFIFO));
    EXPECT_EQ(files(), QStringList({"pipe.pdf", "socket.pdf", "to-pipe.pdf"}));
}

// Attachments: a link at the output's name is replaced by the new file;
// what it points to, there or not, is never touched.
TEST_F(AtomicSaveTest, ReplacingLinksNeverWritesThroughOne) {
    ASSERT_TRUE(QDir().mkdir(path("in")));
    ASSERT_TRUE(QDir().mkdir(path("out")));
    ASSERT_TRUE(writeBytes(path("out/2024.ore"), "archive"));
    ASSERT_TRUE(QFile::link("../out/2024.ore", path("in/evil.txt")));
    ASSERT_TRUE(QFile::link("../out/missing.txt", path("in/dangling.txt")));
    for (const char* name : {"in/evil.txt", "in/dangling.txt"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(AtomicSave::save(path(name), "attached", nullptr, Links::Replace));
        EXPECT_EQ(kindOf(path(name)), mode_t(S_IFREG));
        EXPECT_EQ(readBytes(path(name)), "attached");
    }
    EXPECT_EQ(readBytes(path("out/2024.ore")), "archive");
    EXPECT_EQ(QDir(path("out")).entryList(QDir::Files | QDir::Hidden), QStringList({"2024.ore"}));
    EXPECT_EQ(QDir(path("in")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"dangling.txt", "evil.txt"}));
}

// A file is written in pieces, each put down whole; only the commit puts
// the file in place, and a writer given up leaves nothing.
TEST_F(AtomicSaveTest, AStreamedFileAppearsWholeOnlyAtItsCommit) {
    ASSERT_TRUE(writeBytes(path("big.xls"), "old"));
    for (bool named : {false, true}) {
        SCOPED_TRACE(named);
        NamedTemporaries temporaries(named);
        {
            AtomicSave::Writer writer;
            ASSERT_TRUE(writer.open(path("big.xls")));
            EXPECT_TRUE(writer.write("one,"));
            EXPECT_TRUE(writer.write("two"));
        }
        EXPECT_EQ(readBytes(path("big.xls")), "old");
        EXPECT_EQ(files(), QStringList({"big.xls"}));
        {
            AtomicSave::Writer writer;
            ASSERT_TRUE(writer.open(path("big.xls")));
            WriteLimit full(4096);
            EXPECT_TRUE(writer.write(QByteArray(4000, 'a')));
            EXPECT_FALSE(writer.write(QByteArray(4000, 'b')));
            EXPECT_FALSE(writer.commit());
            EXPECT_FALSE(writer.error().isEmpty());
        }
        EXPECT_EQ(readBytes(path("big.xls")), "old");
        EXPECT_EQ(files(), QStringList({"big.xls"}));
    }
    AtomicSave::Writer writer;
    ASSERT_TRUE(writer.open(path("big.xls")));
    for (const char* piece : {"one,", "two,", "three"})
        ASSERT_TRUE(writer.write(piece));
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(readBytes(path("big.xls")), "one,two,three");
    EXPECT_EQ(files(), QStringList({"big.xls"}));
}

// The temporary's name never grows with the output's: an output name of
// the longest length a file system allows is written.
TEST_F(AtomicSaveTest, AnOutputNameOfTheLongestLengthIsWritten) {
    const QString name = QString(251, u'x') + ".xls";
    ASSERT_EQ(QFile::encodeName(name).size(), 255);
    for (bool named : {false, true}) {
        SCOPED_TRACE(named);
        NamedTemporaries temporaries(named);
        QString error;
        ASSERT_TRUE(AtomicSave::save(path(name), named ? "named" : "unnamed", &error))
            << error.toStdString();
        EXPECT_EQ(readBytes(path(name)), named ? "named" : "unnamed");
        EXPECT_EQ(files(), QStringList({name}));
    }
}

// Killed in the middle of a write, a writer leaves the old file and, where
// the new file has no name until it is in place, nothing else.
TEST_F(AtomicSaveTest, AWriterKilledInTheMiddleLeavesNothingBehind) {
    ASSERT_TRUE(writeBytes(path("big.xls"), "old"));
    EXPECT_TRUE(killedWhileWriting(
        4096, [&] { AtomicSave::save(path("big.xls"), QByteArray(64 * 1024, 'x')); }));
    EXPECT_EQ(readBytes(path("big.xls")), "old");
    EXPECT_EQ(files(), QStringList({"big.xls"}));
}

// Where temporaries have names, the next write of the same output removes
// those killed writers left, and only its own.
TEST_F(AtomicSaveTest, TheNextWriteOfAnOutputRemovesItsStaleTemporaries) {
    NamedTemporaries temporaries;
    ASSERT_TRUE(writeBytes(path("big.xls"), "old"));
    for (const char* name : {"big.xls", "other.xls"})
        ASSERT_TRUE(killedWhileWriting(
            4096, [&] { AtomicSave::save(path(name), QByteArray(64 * 1024, 'x')); }));
    const QStringList left = files();
    ASSERT_EQ(left.size(), 3) << left.join(' ').toStdString();
    for (const QString& name : left)
        EXPECT_LE(name.size(), 24) << "a short name whatever the output's";

    ASSERT_TRUE(AtomicSave::save(path("big.xls"), "new"));
    EXPECT_EQ(readBytes(path("big.xls")), "new");
    QStringList others = files();
    others.removeOne("big.xls");
    ASSERT_EQ(others.size(), 1);
    ASSERT_TRUE(AtomicSave::save(path("other.xls"), "other"));
    EXPECT_EQ(files(), QStringList({"big.xls", "other.xls"}));
}

// A temporary still being written is no stale one: both writers finish,
// the later commit wins.
TEST_F(AtomicSaveTest, ALiveWritersTemporaryIsLeftAlone) {
    NamedTemporaries temporaries;
    AtomicSave::Writer slow;
    ASSERT_TRUE(slow.open(path("big.xls")));
    ASSERT_TRUE(slow.write("slow"));
    ASSERT_TRUE(AtomicSave::save(path("big.xls"), "quick"));
    EXPECT_EQ(readBytes(path("big.xls")), "quick");
    EXPECT_EQ(files().size(), 2);
    ASSERT_TRUE(slow.commit()) << slow.error().toStdString();
    EXPECT_EQ(readBytes(path("big.xls")), "slow");
    EXPECT_EQ(files(), QStringList({"big.xls"}));
}

} // namespace
