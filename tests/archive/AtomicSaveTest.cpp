// The one way whole files are written: all or nothing, links kept, bits kept.
#include "ArchiveFiles.h"

#include "archive/AtomicSave.h"
#include "support/Faults.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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

} // namespace
