// TRecordArchive on real files: creation, counting, addressing, appending,
// read-only access and the bytes a rewrite must leave alone.
#include "ArchiveFiles.h"

#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "support/Faults.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>

namespace {

using archive_files::readBytes;
using archive_files::writeBytes;

const TRecordLayout& kDaily = TRecordLayout::daily();

// A record of `layout` whose Nome says which one it is.
QByteArray namedRecord(const TRecordLayout& layout, const QString& name) {
    TRecord r(layout);
    r.setText(u"Nome", name);
    return r.bytes();
}

QString nameOf(const TRecordLayout& layout, const QByteArray& bytes) {
    TRecord r(layout);
    r.assign(bytes.constData());
    return r.text(u"Nome");
}

// `n` daily records named "R0", "R1", ... back to back, as a file holds them.
QByteArray dailyFile(int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += namedRecord(kDaily, QStringLiteral("R%1").arg(i));
    return out;
}

// Text of exactly `capacity` Windows-1252 bytes, none blank, so nothing is
// trimmed or cut; `seed` makes neighbouring fields differ.
QString fullText(int capacity, int seed) {
    static const QString alphabet = QStringLiteral("AàÈ€zŸ9ß'\"");
    QString out;
    for (int i = 0; i < capacity; ++i)
        out += alphabet[(i + seed) % alphabet.size()];
    return out;
}

class RecordArchiveTest : public ::testing::Test {
  protected:
    QString path(const QString& name = QStringLiteral("2024.ore")) const {
        return dir_.filePath(name);
    }
    QTemporaryDir dir_;
};

TEST_F(RecordArchiveTest, OpenOrCreateCreatesAMissingFileEmpty) {
    TRecordArchive a(kDaily.size());
    a.open(path());
    EXPECT_TRUE(QFileInfo::exists(path()));
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.position(), 0);
    a.close();
    EXPECT_EQ(QFileInfo(path()).size(), 0);
}

TEST_F(RecordArchiveTest, OpenOrCreateNeverTruncatesAnExistingFile) {
    const QByteArray before = dailyFile(2) + QByteArray("tail", 4);
    ASSERT_TRUE(writeBytes(path(), before));
    {
        TRecordArchive a(kDaily.size());
        a.open(path());
        EXPECT_EQ(a.count(), 2);
        EXPECT_EQ(a.position(), 0);
        a.close();
    }
    EXPECT_EQ(readBytes(path()), before);
}

TEST_F(RecordArchiveTest, CountIgnoresAnIncompleteTrailingRecord) {
    struct Case {
        const TRecordLayout& layout;
        qint64 fileBytes;
        qint64 records;
        qint64 trailing;
    } cases[] = {
        {kDaily, 15660, 3, 0},
        {kDaily, 15661, 3, 1},
        {kDaily, 5219, 0, 5219},
        {TRecordLayout::weekly(), 11682, 2, 0},
        {TRecordLayout::timetables(), 15029, 4, 1},
        {TRecordLayout::workers(), 12129, 3, 0},
        {TRecordLayout::workers(), 12130 + 4041, 3, 4042},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout.kind().toStdString() + " " + std::to_string(c.fileBytes));
        ASSERT_TRUE(writeBytes(path(), QByteArray(c.fileBytes, 'x')));
        TRecordArchive a(c.layout.size());
        a.open(path(), TRecordArchive::Mode::ReadOnly);
        EXPECT_EQ(a.count(), c.records);
        EXPECT_EQ(a.trailingBytes(), c.trailing);
    }
}

TEST_F(RecordArchiveTest, IncompleteRecordIsNeverReadAndAnAppendOverwritesIt) {
    ASSERT_TRUE(writeBytes(path(), dailyFile(3) + QByteArray(100, '\xee')));
    TRecordArchive a(kDaily.size());
    a.open(path());

    QByteArray buffer(kDaily.size(), '\0');
    a.seek(3);
    EXPECT_THROW(a.read(buffer), ArchiveError);
    qint64 visited = 0;
    a.forEach([&](qint64, const char*) { ++visited; });
    EXPECT_EQ(visited, 3);

    // The next record starts where the whole records end, not after the
    // stray bytes, so the file stays a clean sequence of records.
    a.seek(a.count());
    a.write(namedRecord(kDaily, QStringLiteral("R3")));
    a.close();
    EXPECT_EQ(readBytes(path()), dailyFile(4));
}

TEST_F(RecordArchiveTest, WriteReadAndPositionFollowTheRecordIndex) {
    TRecordArchive a(kDaily.size());
    a.open(path());
    for (int i = 0; i < 5; ++i) {
        a.seek(a.count());
        a.write(namedRecord(kDaily, QStringLiteral("R%1").arg(i)));
        // After writing index i the position is i + 1: the record number shown.
        EXPECT_EQ(a.position(), i + 1);
    }
    a.close();
    ASSERT_EQ(readBytes(path()), dailyFile(5));

    // Updating in place: record number 3 is index 2; nothing else moves.
    a.open(path());
    a.seek(2);
    a.write(namedRecord(kDaily, QStringLiteral("changed")));
    EXPECT_EQ(a.position(), 3);
    EXPECT_EQ(a.count(), 5);
    a.close();

    a.open(path(), TRecordArchive::Mode::ReadOnly);
    QByteArray buffer(kDaily.size(), '\0');
    const QString names[] = {QStringLiteral("R0"), QStringLiteral("R1"), QStringLiteral("changed"),
                             QStringLiteral("R3"), QStringLiteral("R4")};
    for (int i = 4; i >= 0; --i) {
        a.seek(i);
        a.read(buffer);
        EXPECT_EQ(nameOf(kDaily, buffer), names[i]);
        EXPECT_EQ(a.position(), i + 1);
    }
    // Reading on from index 3 goes to index 4 without a seek.
    a.seek(3);
    a.read(buffer);
    a.read(buffer);
    EXPECT_EQ(nameOf(kDaily, buffer), QStringLiteral("R4"));
    EXPECT_THROW(a.read(buffer), ArchiveError);
}

TEST_F(RecordArchiveTest, SeekingBeyondTheAppendPositionIsRefused) {
    ASSERT_TRUE(writeBytes(path(), dailyFile(2)));
    TRecordArchive a(kDaily.size());
    a.open(path());
    EXPECT_NO_THROW(a.seek(2));
    EXPECT_THROW(a.seek(3), ArchiveError);
    EXPECT_THROW(a.seek(-1), ArchiveError);
    a.close();
    EXPECT_EQ(readBytes(path()), dailyFile(2));
}

TEST_F(RecordArchiveTest, ReadOnlyNeverCreatesOrChangesAFile) {
    TRecordArchive a(kDaily.size());
    EXPECT_THROW(a.open(path(QStringLiteral("1999.ore")), TRecordArchive::Mode::ReadOnly),
                 ArchiveError);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("1999.ore"))));

    const QByteArray before = dailyFile(2) + QByteArray("x", 1);
    ASSERT_TRUE(writeBytes(path(), before));
    const QDateTime modified = QFileInfo(path()).lastModified();
    a.open(path(), TRecordArchive::Mode::ReadOnly);
    QByteArray buffer(kDaily.size(), '\0');
    a.read(buffer);
    a.seek(a.count());
    EXPECT_THROW(a.write(namedRecord(kDaily, QStringLiteral("R2"))), ArchiveError);
    a.close();
    EXPECT_EQ(readBytes(path()), before);
    EXPECT_EQ(QFileInfo(path()).lastModified(), modified);
}

TEST_F(RecordArchiveTest, FolderThatCannotHoldTheArchiveIsAnArchiveError) {
    // A "folder" that is a plain file fails for every user, root included.
    ASSERT_TRUE(writeBytes(path(QStringLiteral("plain")), "x"));
    TRecordArchive a(kDaily.size());
    EXPECT_THROW(a.open(path(QStringLiteral("plain/2024.ore"))), ArchiveError);
    EXPECT_FALSE(a.isOpen());
    EXPECT_EQ(readBytes(path(QStringLiteral("plain"))), QByteArray("x"));
}

TEST_F(RecordArchiveTest, WhatIsNotARegularFileIsAnArchiveErrorWithTheSystemsReason) {
    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("folder.ore"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("loop.ore")), path(QStringLiteral("loop.ore"))));
    const QByteArray pipe = QFile::encodeName(path(QStringLiteral("pipe.ore")));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0644), 0);
    // Holding both ends of the pipe, so that an open that waits for a
    // writer returns here too, and is refused all the same.
    const int held = ::open(pipe.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(held, 0);
    const std::pair<const char*, const char*> cases[] = {
        {"folder.ore", "Is a directory"},
        {"loop.ore", "Too many levels of symbolic links"},
        {"pipe.ore", "not a regular file"},
    };
    for (const auto& [name, reason] : cases)
        for (const auto mode :
             {TRecordArchive::Mode::OpenOrCreate, TRecordArchive::Mode::ReadOrCreate,
              TRecordArchive::Mode::ReadOnly}) {
            SCOPED_TRACE(std::string(name) + " mode " + std::to_string(static_cast<int>(mode)));
            TRecordArchive a(kDaily.size());
            try {
                a.open(path(QString::fromLatin1(name)), mode);
                ADD_FAILURE() << "opened as an archive of " << a.count() << " records";
            } catch (const ArchiveError& e) {
                EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
            }
            EXPECT_FALSE(a.isOpen());
        }
    ::close(held);
}

TEST_F(RecordArchiveTest, AReadOnlyFolderCanBeReadButNotWritten) {
    // The folder and its parent must let "nobody" in, to be refused only
    // the writing.
    const QString shared = path(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(shared));
    const QString file = shared + QStringLiteral("/2024.ore");
    ASSERT_TRUE(writeBytes(file, dailyFile(3)));
    ASSERT_EQ(::chmod(dir_.path().toLocal8Bit().constData(), 0755), 0);
    ASSERT_EQ(::chmod(file.toLocal8Bit().constData(), 0644), 0);
    ASSERT_EQ(::chmod(shared.toLocal8Bit().constData(), 0555), 0);
    {
        AsOrdinaryUser user;
        ASSERT_TRUE(user.ok());
        TRecordArchive a(kDaily.size());
        a.open(file, TRecordArchive::Mode::ReadOrCreate);
        EXPECT_EQ(a.count(), 3);
        QByteArray buffer(kDaily.size(), '\0');
        a.seek(2);
        a.read(buffer);
        EXPECT_EQ(nameOf(kDaily, buffer), "R2");
        EXPECT_THROW(a.write(buffer), ArchiveError);
        a.close();

        // A year nobody has used: nothing to read, and nothing created.
        a.open(shared + QStringLiteral("/2031.ore"), TRecordArchive::Mode::ReadOrCreate);
        EXPECT_EQ(a.count(), 0);
        a.close();

        EXPECT_THROW(a.open(file), ArchiveError);
        EXPECT_THROW(a.open(shared + QStringLiteral("/2031.ore")), ArchiveError);
    }
    ::chmod(shared.toLocal8Bit().constData(), 0755);
    EXPECT_EQ(readBytes(file), dailyFile(3));
    EXPECT_FALSE(QFileInfo::exists(shared + QStringLiteral("/2031.ore")));
}

TEST_F(RecordArchiveTest, ReadOrCreateCreatesAMissingYearWhereItCan) {
    TRecordArchive a(kDaily.size());
    a.open(path(QStringLiteral("2030.ore")), TRecordArchive::Mode::ReadOrCreate);
    EXPECT_EQ(a.count(), 0);
    a.close();
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("2030.ore"))).isFile());
}

TEST_F(RecordArchiveTest, AFailedAppendLeavesTheArchiveAsItWas) {
    // Room for none of the record, or for part of it.
    for (qint64 room : {0, 1000}) {
        SCOPED_TRACE(room);
        ASSERT_TRUE(writeBytes(path(), dailyFile(2)));
        TRecordArchive a(kDaily.size());
        a.open(path());
        a.seek(2);
        {
            WriteLimit full(static_cast<rlim_t>(2 * kDaily.size() + room));
            EXPECT_THROW(a.write(namedRecord(kDaily, QStringLiteral("new"))), ArchiveError);
        }
        EXPECT_EQ(a.count(), 2);
        a.close();
        EXPECT_EQ(readBytes(path()), dailyFile(2));
    }
}

// A disk that cannot confirm the records of this opening when the archive
// is closed: close() fails and takes the appended records away again, so no
// record is left that may be only half on the disk.
TEST_F(RecordArchiveTest, AFlushThatFailsAtCloseCutsTheAppendedRecordsBack) {
    ASSERT_TRUE(writeBytes(path(), dailyFile(2)));
    TRecordArchive a(kDaily.size());
    a.open(path());
    a.seek(2);
    a.write(namedRecord(kDaily, QStringLiteral("new 1")));
    a.write(namedRecord(kDaily, QStringLiteral("new 2")));
    {
        DiskFault disk(DiskFault::Kind::Flush, dir_.path());
        EXPECT_THROW(a.close(), ArchiveError);
        EXPECT_GE(disk.refused(), 1);
    }
    EXPECT_FALSE(a.isOpen());
    EXPECT_EQ(readBytes(path()), dailyFile(2));
}

// A record updated in place whose write gives out halfway gets its old
// bytes back: the archive holds the record as it was, not half of each.
TEST_F(RecordArchiveTest, AnUpdateWhoseWriteFailsPutsTheRecordsOldBytesBack) {
    ASSERT_TRUE(writeBytes(path(), dailyFile(3)));
    TRecordArchive a(kDaily.size());
    a.open(path());
    a.seek(1);
    {
        DiskFault disk(DiskFault::Kind::Overwrite, dir_.path());
        EXPECT_THROW(a.write(namedRecord(kDaily, QStringLiteral("changed"))), ArchiveError);
        EXPECT_EQ(disk.refused(), 1);
    }
    EXPECT_EQ(a.count(), 3);
    a.close();
    EXPECT_EQ(readBytes(path()), dailyFile(3));
}

TEST_F(RecordArchiveTest, AnotherCopysLockIsWaitedForThenReportedAsBusy) {
    ASSERT_TRUE(writeBytes(path(), dailyFile(1)));
    TRecordArchive::setLockWaitMs(300);
    int slices = 0, ends = 0;
    TRecordArchive::setLockWaitHook([&](bool waiting) { waiting ? ++slices : ++ends; });
    {
        LockHolder other(path());
        ASSERT_TRUE(other.holding());
        for (auto mode : {TRecordArchive::Mode::OpenOrCreate, TRecordArchive::Mode::ReadOrCreate}) {
            TRecordArchive a(kDaily.size());
            const qint64 started = QDateTime::currentMSecsSinceEpoch();
            EXPECT_THROW(a.open(path(), mode), ArchiveBusy);
            const qint64 waited = QDateTime::currentMSecsSinceEpoch() - started;
            EXPECT_GE(waited, 250);
            EXPECT_LT(waited, 3000);
            EXPECT_FALSE(a.isOpen());
        }
    }
    EXPECT_GT(slices, 10); // the window was given many chances to paint
    EXPECT_EQ(ends, 2);
    // Once the other copy lets go, the archive opens at once.
    TRecordArchive a(kDaily.size());
    a.open(path());
    EXPECT_EQ(a.count(), 1);
    a.close();
    TRecordArchive::setLockWaitHook({});
    TRecordArchive::setLockWaitMs(5000);
    EXPECT_EQ(readBytes(path()), dailyFile(1));
}

TEST_F(RecordArchiveTest, RecordsFilledToCapacityRoundTrip) {
    for (const TRecordLayout* layout : {&kDaily, &TRecordLayout::weekly(),
                                        &TRecordLayout::timetables(), &TRecordLayout::workers()}) {
        SCOPED_TRACE(layout->kind().toStdString());
        const int n = static_cast<int>(layout->fields().size());
        TRecord written(*layout);
        for (int f = 0; f < n; ++f)
            written.setText(f, fullText(layout->field(f).capacity, f));
        // The last field ends on the last byte of the record.
        EXPECT_NE(written.bytes().back(), '\0');

        const QString file = path(layout->kind());
        TRecordArchive a(layout->size());
        a.open(file);
        a.write(namedRecord(*layout, QStringLiteral("first")));
        a.write(written.bytes());
        a.close();
        ASSERT_EQ(QFileInfo(file).size(), 2 * layout->size());

        a.open(file, TRecordArchive::Mode::ReadOnly);
        TRecord read(*layout);
        a.seek(1);
        a.read(read.bytes());
        a.close();
        EXPECT_EQ(read.bytes(), written.bytes());
        for (int f = 0; f < n; ++f) {
            const TFieldDef& def = layout->field(f);
            EXPECT_EQ(static_cast<unsigned char>(read.bytes()[def.offset]), def.capacity)
                << def.name.toStdString();
            EXPECT_EQ(read.text(f), fullText(def.capacity, f)) << def.name.toStdString();
        }
    }
}

TEST_F(RecordArchiveTest, WeeklyRewriteLeavesTheReservedBlockAsItWasRead) {
    const TRecordLayout& weekly = TRecordLayout::weekly();
    // A record from another writer: every byte set, the reserved block too.
    QByteArray original(weekly.size(), '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = static_cast<char>(i * 7 + 1);
    for (const TFieldDef& f : weekly.fields())
        original[f.offset] = '\x03';
    ASSERT_TRUE(writeBytes(path(QStringLiteral("2024.set")), original));

    TRecordArchive a(weekly.size());
    a.open(path(QStringLiteral("2024.set")));
    TRecord r(weekly);
    a.read(r.bytes());
    for (int f = 0; f < static_cast<int>(weekly.fields().size()); ++f)
        r.setText(f, QStringLiteral("v%1").arg(f));
    r.setText(u"Fine08", u"18:00");
    r.setText(u"Inizio09", u"09:15");
    a.seek(0);
    a.write(r.bytes());
    a.close();

    const QByteArray after = readBytes(path(QStringLiteral("2024.set")));
    ASSERT_EQ(after.size(), weekly.size());
    EXPECT_EQ(after.mid(722, 121), original.mid(722, 121));
    // Fine08 ends just before the block and Inizio09 starts just after it.
    EXPECT_EQ(after.mid(716, 6), QByteArray("\x05"
                                            "18:00"));
    EXPECT_EQ(after.mid(843, 6), QByteArray("\x05"
                                            "09:15"));
}

TEST_F(RecordArchiveTest, ForEachVisitsEveryRecordInOrderAcrossReadBlocks) {
    // Enough records to need several read blocks and end on a partial one.
    const int total = 450;
    ASSERT_TRUE(writeBytes(path(), dailyFile(total) + QByteArray(10, 'x')));
    TRecordArchive a(kDaily.size());
    a.open(path(), TRecordArchive::Mode::ReadOnly);
    qint64 expected = 0;
    a.forEach([&](qint64 index, const char* record) {
        ASSERT_EQ(index, expected);
        TRecord r(kDaily);
        r.assign(record);
        ASSERT_EQ(r.text(u"Nome"), QStringLiteral("R%1").arg(index));
        ++expected;
    });
    EXPECT_EQ(expected, total);
    EXPECT_EQ(a.position(), total);
}

} // namespace
