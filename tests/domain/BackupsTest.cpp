// The daily copies of the archives: made before the first change of a day
// from the archive as it was, never again that day, kept for thirty days,
// whole even while another copy of the program changes the archive, and
// never in the way of the change when they cannot be made.
#include "domain/Backups.h"
#include "archive/ArchiveFiles.h"
#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/Environment.h"
#include "support/Faults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using archive_files::readBytes;
using archive_files::writeBytes;

const TRecordLayout& kDaily = TRecordLayout::daily();
const QDate kToday(2026, 12, 11);
const QString kWarning =
    QStringLiteral("Attenzione: non è stato possibile fare la copia di sicurezza di 2024.ore.");

QByteArray recordNamed(const QString& name) {
    TRecord r(kDaily);
    r.setText(u"Nome", name);
    // The last field too, so a record put together from two writes shows.
    r.setText(u"Desc03", name + QString(240 - name.size(), u'x'));
    return r.bytes();
}

QString nameOf(const char* record) {
    TRecord r(kDaily);
    r.assign(record);
    return r.text(u"Nome");
}

class BackupsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString archive;
    QString backups;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ProgramFolder::override(dir.path());
        archive = dir.filePath(QStringLiteral("2024.ore"));
        backups = dir.filePath(QStringLiteral("Backup"));
        setDay(kToday);
        Backups::install();
    }
    void TearDown() override {
        Backups::uninstall();
        ProgramFolder::override(QString());
        Clock::install(nullptr);
    }

    static void setDay(QDate day) {
        Clock::install(std::make_unique<FixedClock>(QDateTime(day, QTime(10, 0))));
    }
    // Records put into the archive without the program (no copy is made).
    void seed(int count) const {
        QByteArray bytes;
        for (int i = 1; i <= count; ++i)
            bytes += recordNamed(QStringLiteral("Scheda %1").arg(i));
        ASSERT_TRUE(writeBytes(archive, bytes));
    }
    // One record appended as Salva appends it.
    void save(const QString& name) const {
        TRecordArchive a(kDaily.size());
        a.open(archive);
        a.seek(a.count());
        a.write(recordNamed(name));
        a.close();
    }
    qint64 records() const { return QFileInfo(archive).size() / kDaily.size(); }
    QStringList copies() const {
        return QDir(backups).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QString copyPath(QDate day) const {
        return backups + u'/' + Backups::copyName(QStringLiteral("2024.ore"), day);
    }
};

TEST_F(BackupsTest, TheFirstChangeOfADayCopiesTheArchiveAsItWasAndASecondChangeCopiesNothing) {
    seed(2);
    const QByteArray before = readBytes(archive);
    // Opening to read, or to write without writing, changes nothing.
    for (auto mode : {TRecordArchive::Mode::ReadOrCreate, TRecordArchive::Mode::OpenOrCreate}) {
        TRecordArchive a(kDaily.size());
        a.open(archive, mode);
        a.close();
    }
    EXPECT_TRUE(copies().isEmpty());

    save(QStringLiteral("Prima"));
    EXPECT_EQ(copies(), QStringList{QStringLiteral("2024.ore.20261211")});
    EXPECT_EQ(readBytes(copyPath(kToday)), before);

    save(QStringLiteral("Seconda"));
    EXPECT_EQ(copies(), QStringList{QStringLiteral("2024.ore.20261211")});
    EXPECT_EQ(readBytes(copyPath(kToday)), before);
    EXPECT_EQ(records(), 4);

    // The next day starts again, from the archive as the last day left it.
    const QByteArray yesterday = readBytes(archive);
    setDay(kToday.addDays(1));
    save(QStringLiteral("Terza"));
    EXPECT_EQ(copies(), (QStringList{QStringLiteral("2024.ore.20261211"),
                                     QStringLiteral("2024.ore.20261212")}));
    EXPECT_EQ(readBytes(copyPath(kToday.addDays(1))), yesterday);
}

TEST_F(BackupsTest, ANewArchiveHoldsNothingToCopy) {
    save(QStringLiteral("Prima"));
    save(QStringLiteral("Seconda"));
    EXPECT_EQ(records(), 2);
    EXPECT_FALSE(QFileInfo::exists(backups));
}

TEST_F(BackupsTest, ThirtyOneDaysOfCopiesLeaveThirty) {
    seed(1);
    const QDate first = kToday.addDays(-30);
    for (int d = 0; d <= 30; ++d) {
        setDay(first.addDays(d));
        save(QStringLiteral("Giorno %1").arg(d));
    }
    const QStringList kept = copies();
    ASSERT_EQ(kept.size(), 30);
    EXPECT_EQ(kept.first(), Backups::copyName(QStringLiteral("2024.ore"), first.addDays(1)));
    EXPECT_EQ(kept.last(), Backups::copyName(QStringLiteral("2024.ore"), kToday));
    // Each is the archive before that day's change: one record more a day.
    EXPECT_EQ(QFileInfo(copyPath(kToday)).size(), 31 * kDaily.size());
}

TEST_F(BackupsTest, PruningKeepsTheLastThirtyDaysAndAlwaysTheNewestCopy) {
    ASSERT_TRUE(QDir().mkpath(backups));
    const QString others[] = {Backups::copyName(QStringLiteral("Orari.pro"), kToday.addDays(-90)),
                              QStringLiteral("note.txt"), QStringLiteral("2024.ore.20261399")};
    for (const QString& name : others)
        ASSERT_TRUE(writeBytes(backups + u'/' + name, "x"));
    for (int age : {60, 45, 40})
        ASSERT_TRUE(writeBytes(copyPath(kToday.addDays(-age)), "x"));

    // All older than thirty days: only the newest stays.
    Backups::prune(backups, QStringLiteral("2024.ore"), kToday);
    EXPECT_TRUE(QFileInfo::exists(copyPath(kToday.addDays(-40))));
    EXPECT_FALSE(QFileInfo::exists(copyPath(kToday.addDays(-45))));
    EXPECT_FALSE(QFileInfo::exists(copyPath(kToday.addDays(-60))));

    // A copy of the last thirty days (today is the thirtieth) makes it go too.
    ASSERT_TRUE(writeBytes(copyPath(kToday.addDays(-29)), "x"));
    Backups::prune(backups, QStringLiteral("2024.ore"), kToday);
    EXPECT_FALSE(QFileInfo::exists(copyPath(kToday.addDays(-40))));
    EXPECT_TRUE(QFileInfo::exists(copyPath(kToday.addDays(-29))));
    // Another archive's copies and other files are not this archive's.
    for (const QString& name : others)
        EXPECT_TRUE(QFileInfo::exists(backups + u'/' + name)) << name.toStdString();
}

struct CopyFault {
    const char* what;
    // Sets the fault up in the data folder; what it returns keeps it alive.
    std::function<std::shared_ptr<void>(const QString& backups)> arm;
};

const CopyFault kCopyFaults[] = {
    {"a full disk under Backup",
     [](const QString& backups) -> std::shared_ptr<void> {
         QDir().mkpath(backups);
         return std::make_shared<DiskFault>(DiskFault::Kind::Full, backups);
     }},
    {"a file where Backup should be",
     [](const QString& backups) -> std::shared_ptr<void> {
         writeBytes(backups, "not a folder");
         return nullptr;
     }},
};

class BackupFaultTest : public BackupsTest, public ::testing::WithParamInterface<CopyFault> {};

TEST_P(BackupFaultTest, ACopyThatCannotBeMadeLetsTheChangeGoOnAndIsToldOnceADay) {
    seed(1);
    const auto fault = GetParam().arm(backups);
    save(QStringLiteral("Prima"));
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(Backups::takeWarning(), kWarning);
    EXPECT_EQ(Backups::takeWarning(), QString());
    EXPECT_TRUE(copies().isEmpty()); // nor a temporary left behind

    save(QStringLiteral("Seconda"));
    EXPECT_EQ(records(), 3);
    EXPECT_EQ(Backups::takeWarning(), QString());

    setDay(kToday.addDays(1));
    save(QStringLiteral("Terza"));
    EXPECT_EQ(records(), 4);
    EXPECT_EQ(Backups::takeWarning(), kWarning);
}

INSTANTIATE_TEST_SUITE_P(Faults, BackupFaultTest, ::testing::ValuesIn(kCopyFaults),
                         [](const auto& info) {
                             QString name = QString::fromLatin1(info.param.what);
                             name.replace(u' ', u'_');
                             return name.toStdString();
                         });

// Another copy of the program rewrites every record of the archive in one
// opening, generation after generation, and appends one; this one changes
// the archive once a day meanwhile, each time while the other is halfway
// through. Each copy must show one generation throughout: a whole state,
// never one caught halfway.
TEST_F(BackupsTest, ACopyIsAWholeStateWhileAnotherProgramChangesTheArchive) {
    constexpr int kRecords = 300; // more than one block of the copy
    constexpr int kDays = 12;
    QByteArray start;
    for (int i = 0; i < kRecords; ++i)
        start += recordNamed(QStringLiteral("G0"));
    ASSERT_TRUE(writeBytes(archive, start));

    // The other copy tells when it is halfway through a generation, and
    // this one makes its change of the day right then.
    int halfway[2];
    ASSERT_EQ(::pipe(halfway), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(120);
        std::signal(SIGPIPE, SIG_IGN);
        ::close(halfway[0]);
        TRecordArchive::setBeforeFirstWrite({});
        TRecordArchive::setLockWaitMs(60000);
        try {
            for (int g = 1; g <= kDays; ++g) {
                const QByteArray record = recordNamed(QStringLiteral("G%1").arg(g));
                TRecordArchive a(kDaily.size());
                a.open(archive);
                const qint64 count = a.count();
                for (qint64 i = 0; i <= count; ++i) {
                    a.seek(i);
                    a.write(record);
                    // Halfway through, with the archive held.
                    if (i == count / 2) {
                        (void)!::write(halfway[1], "g", 1);
                        ::usleep(20000);
                    }
                }
                a.close();
            }
        } catch (const ArchiveError&) {
            ::_exit(1);
        }
        ::_exit(0);
    }

    ::close(halfway[1]);
    TRecordArchive::setLockWaitMs(60000);
    for (int d = 0; d < kDays; ++d) {
        char g = 0;
        ASSERT_EQ(::read(halfway[0], &g, 1), 1);
        setDay(kToday.addDays(d));
        // Writes the first record back as it is: a change that keeps the
        // archive one generation.
        TRecordArchive a(kDaily.size());
        a.open(archive);
        QByteArray first(kDaily.size(), '\0');
        a.read(first);
        a.seek(0);
        a.write(first);
        a.close();
    }
    ::close(halfway[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    TRecordArchive::setLockWaitMs(5000);

    ASSERT_EQ(copies().size(), kDays);
    QString generation;
    for (int d = 0; d < kDays; ++d) {
        const QByteArray copy = readBytes(copyPath(kToday.addDays(d)));
        ASSERT_EQ(copy.size() % kDaily.size(), 0) << "day " << d;
        generation = nameOf(copy.constData());
        for (qsizetype at = 0; at < copy.size(); at += kDaily.size()) {
            const QByteArray record = copy.mid(at, kDaily.size());
            ASSERT_TRUE(record == recordNamed(generation))
                << "day " << d << ": record " << at / kDaily.size() + 1 << " is "
                << nameOf(record.constData()).toStdString() << ", record 1 "
                << generation.toStdString();
        }
    }
    // The copies were taken while the other copy was at work.
    EXPECT_NE(generation, QStringLiteral("G0"));
}

} // namespace
