// The companion's two commands for getting data back: repair, which writes
// a sound copy of a damaged archive, and backups, which lists the program's
// daily copies.
#include "archive/ArchiveFiles.h"
#include "cli/CliRun.h"

#include "archive/RecordLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using archive_files::readBytes;
using archive_files::samplePath;
using archive_files::writeBytes;

const TRecordLayout& kDaily = TRecordLayout::daily();
constexpr int kRecord = 5220;

class RecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    CliRun run(const QStringList& args) const {
        return runCli(QStringList{QStringLiteral("--folder"), dir_.path()} + args);
    }
    QTemporaryDir dir_;
};

QByteArray sample(const char* name) {
    return readBytes(samplePath(QString::fromLatin1(name)));
}

// What a repaired file must be: the input's whole records, with every
// length byte beyond its field's capacity set to the capacity.
QByteArray soundRecords(const QByteArray& input, const TRecordLayout& layout) {
    QByteArray out = input.left(input.size() / layout.size() * layout.size());
    for (qsizetype at = 0; at < out.size(); at += layout.size())
        for (const TFieldDef& f : layout.fields())
            if (static_cast<unsigned char>(out[at + f.offset]) > f.capacity)
                out[at + f.offset] = static_cast<char>(f.capacity);
    return out;
}

struct RepairCase {
    const char* what;
    std::function<QByteArray()> input; // read as 2025.ore
    int exitCode;
    std::vector<QByteArray> printed;
};

const RepairCase kRepairCases[] = {
    {"a torn tail",
     [] { return sample("2024.ore") + QByteArray(100, 'z'); },
     1,
     {"records kept: 2\n", "bytes dropped: 100 (an incomplete record at the end)\n",
      "fields clamped: 0\n", "repaired: written to "}},
    {"length bytes of 255",
     [] {
         QByteArray bytes = sample("2024.ore");
         bytes[kRecord + kDaily.field(kDaily.indexOf(u"Nome")).offset] = '\xff';
         bytes[kDaily.field(kDaily.indexOf(u"Desc03")).offset] = '\xff';
         bytes[kDaily.field(kDaily.indexOf(u"Data")).offset] = '\x0b';
         return bytes;
     },
     1,
     {"record 1 field Data: length 11 clamped to 10\n"
      "record 1 field Desc03: length 255 clamped to 250\n"
      "record 2 field Nome: length 255 clamped to 50\n"
      "records kept: 2\n"
      "bytes dropped: 0\n"
      "fields clamped: 3\n"}},
    {"a file of zeros",
     [] { return QByteArray(3 * kRecord, '\0'); },
     0,
     {"records kept: 3\n", "bytes dropped: 0\n", "fields clamped: 0\n",
      "nothing to repair: an unchanged copy written to "}},
    {"an empty file", [] { return QByteArray(); }, 0, {"records kept: 0\n", "nothing to repair"}},
    // The timetable archive, two records of 3757 bytes, read as a daily
    // one: one daily record of its bytes, with whatever length bytes fall
    // at the daily fields' places.
    {"a file of another kind's size",
     [] { return sample("Orari.pro"); },
     1,
     {"records kept: 1\n", "bytes dropped: 2294 (an incomplete record at the end)\n"}},
};

class Repair : public RecoveryTest, public ::testing::WithParamInterface<RepairCase> {};

TEST_P(Repair, WritesEveryWholeRecordWithItsLengthBytesClampedAndTellsWhatChanged) {
    const QByteArray input = GetParam().input();
    ASSERT_TRUE(writeBytes(path(QStringLiteral("2025.ore")), input));
    const CliRun r = run({QStringLiteral("repair"), QStringLiteral("2025.ore"),
                          QStringLiteral("-o"), path(QStringLiteral("riparato.bin"))});
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.out.toStdString() << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    for (const QByteArray& text : GetParam().printed)
        EXPECT_TRUE(r.out.contains(text)) << text.toStdString() << " in\n" << r.out.toStdString();

    const QByteArray repaired = readBytes(path(QStringLiteral("riparato.bin")));
    EXPECT_EQ(repaired, soundRecords(input, kDaily));
    EXPECT_EQ(readBytes(path(QStringLiteral("2025.ore"))), input); // never changed
    // The companion's own check finds nothing wrong in the copy.
    const CliRun verify = run({QStringLiteral("--kind"), QStringLiteral("daily"),
                               QStringLiteral("verify"), path(QStringLiteral("riparato.bin"))});
    EXPECT_EQ(verify.exitCode, 0) << verify.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Inputs, Repair, ::testing::ValuesIn(kRepairCases), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.what);
    name.replace(u' ', u'_').remove(u'\'');
    return name.toStdString();
});

TEST_F(RecoveryTest, RepairTakesAnyKindByItsNameOrByKind) {
    QByteArray workers = sample("Dipendenti.pro");
    const TFieldDef& surname =
        TRecordLayout::workers().field(TRecordLayout::workers().indexOf(u"Cognome"));
    workers[4043 + surname.offset] = '\x7f'; // the second worker's surname
    ASSERT_TRUE(writeBytes(path(QStringLiteral("Dipendenti.pro")), workers));
    ASSERT_TRUE(writeBytes(path(QStringLiteral("vecchio.bin")), workers));
    for (const QStringList& args :
         {QStringList{QStringLiteral("repair"), QStringLiteral("Dipendenti.pro")},
          QStringList{QStringLiteral("--kind"), QStringLiteral("workers"), QStringLiteral("repair"),
                      QStringLiteral("vecchio.bin")}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r =
            run(args + QStringList{QStringLiteral("-o"), path(QStringLiteral("n.bin"))});
        EXPECT_EQ(r.exitCode, 1) << r.out.toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("workers, 4043 bytes per record")) << r.out.toStdString();
        EXPECT_EQ(readBytes(path(QStringLiteral("n.bin"))),
                  soundRecords(workers, TRecordLayout::workers()));
    }
}

TEST_F(RecoveryTest, RepairNeverWritesOntoAnArchiveOrTheStoreAndFailsOnWhatItCannotRead) {
    const QByteArray daily = sample("2024.ore") + QByteArray(9, 'z');
    ASSERT_TRUE(writeBytes(path(QStringLiteral("2024.ore")), daily));
    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("2026.ore"))));
    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("sotto"))));
    const QString refused[] = {QStringLiteral("2024.ore"), path(QStringLiteral("2024.ore")),
                               path(QStringLiteral("sotto/2023.SET")), QStringLiteral("Orari.pro"),
                               QStringLiteral("unins000.dll")};
    for (const QString& output : refused) {
        SCOPED_TRACE(output.toStdString());
        const CliRun r = run(
            {QStringLiteral("repair"), QStringLiteral("2024.ore"), QStringLiteral("-o"), output});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains("refusing to write onto")) << r.err.toStdString();
    }
    const QStringList unreadable[] = {
        {QStringLiteral("repair"), QStringLiteral("1999.ore"), QStringLiteral("-o"),
         path(QStringLiteral("n.bin"))},
        {QStringLiteral("repair"), QStringLiteral("2026.ore"), QStringLiteral("-o"),
         path(QStringLiteral("n.bin"))},
        {QStringLiteral("repair"), QStringLiteral("2024.ore")},
    };
    for (const QStringList& args : unreadable) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << r.out.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_EQ(readBytes(path(QStringLiteral("2024.ore"))), daily);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("2024.ore")});
}

TEST_F(RecoveryTest, VerifyNamesRepairWhenItFindsDamage) {
    ASSERT_TRUE(writeBytes(path(QStringLiteral("2025.ore")), sample("2024.ore") + "z"));
    const CliRun damaged = run({QStringLiteral("verify"), QStringLiteral("2025.ore")});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(
        damaged.out.endsWith("to write a repaired copy: velmora-cli repair 2025.ore -o NEW\n"))
        << damaged.out.toStdString();
    ASSERT_TRUE(writeBytes(path(QStringLiteral("2024.ore")), sample("2024.ore")));
    const CliRun clean = run({QStringLiteral("verify"), QStringLiteral("2024.ore")});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_FALSE(clean.out.contains("repair")) << clean.out.toStdString();
}

TEST_F(RecoveryTest, BackupsListsTheCopiesWithTheirDaysRecordsAndSizes) {
    const CliRun none = run({QStringLiteral("backups")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out,
              "no copies in " + QFile::encodeName(path(QStringLiteral("Backup/"))) + '\n');

    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("Backup"))));
    const std::pair<const char*, QByteArray> files[] = {
        {"Orari.pro.20261211", sample("Orari.pro")},
        {"2024.ore.20261211", sample("2024.ore") + QByteArray(10, 'z')},
        {"2024.ore.20261209", sample("2024.ore").left(kRecord)},
        {"note.txt", "x"},
        {"2024.ore.old", "x"},
    };
    for (const auto& [name, bytes] : files)
        ASSERT_TRUE(writeBytes(path(QStringLiteral("Backup/") + QLatin1String(name)), bytes));
    const CliRun r = run({QStringLiteral("backups")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "copies in " + QFile::encodeName(path(QStringLiteral("Backup/"))) +
                         " (the last 30 days of each archive):\n"
                         "2024.ore\t09/12/2026\t1 record\t5220 bytes\t2024.ore.20261209\n"
                         "2024.ore\t11/12/2026\t2 records\t10450 bytes\t10 bytes of an "
                         "incomplete record\t2024.ore.20261211\n"
                         "Orari.pro\t11/12/2026\t2 records\t7514 bytes\tOrari.pro.20261211\n");
}

} // namespace
