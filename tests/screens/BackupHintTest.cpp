// The daily copy of an archive as every editor's Salva meets it: the first
// Salva of the day copies the archive into Backup/; a copy that cannot be
// made (a full disk) does not stop the Salva, and the hint line says so
// once that day.
#include "EditorFixture.h"

#include "domain/Backups.h"
#include "support/Faults.h"

#include <QDir>
#include <QFileInfo>

namespace {

class BackupHint : public EditorTest, public ::testing::WithParamInterface<const EditorKind*> {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        open(*GetParam());
        seed(1);
        Backups::install();
    }
    void TearDown() override {
        Backups::uninstall();
        EditorTest::TearDown();
    }
    QString backups() const { return path(QStringLiteral("Backup")); }
    QString hintLine() const { return label("panInfo")->text(); }
};

TEST_P(BackupHint, TheFirstSalvaOfTheDayCopiesTheArchiveAndTheHintLineSaysNothing) {
    fillMandatory();
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kAppended);
    EXPECT_EQ(QDir(backups()).entryList(QDir::Files),
              QStringList{QString::fromLatin1(kind->archive) + QStringLiteral(".20240305")});
    EXPECT_EQ(hintLine(), kind->readyText);
}

TEST_P(BackupHint, AFullDiskUnderBackupStillSavesTheRecordAndTheHintLineTellsItOnce) {
    ASSERT_TRUE(QDir().mkpath(backups()));
    const DiskFault full(DiskFault::Kind::Full, backups());
    fillMandatory();
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kAppended);
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(number(), "2");
    EXPECT_EQ(hintLine(), QStringLiteral("Attenzione: non è stato possibile fare la copia di "
                                         "sicurezza di %1.")
                              .arg(QString::fromLatin1(kind->archive)));
    EXPECT_TRUE(QDir(backups()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // The next Salva of the day saves as well and tells nothing more.
    label("panInfo")->setText(QStringLiteral("altro"));
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kUpdated);
    EXPECT_EQ(hintLine(), QStringLiteral("altro"));
}

INSTANTIATE_TEST_SUITE_P(Editors, BackupHint, ::testing::ValuesIn(kEveryEditor),
                         [](const auto& info) { return std::string(info.param->screen); });

} // namespace
