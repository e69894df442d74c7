// Two copies of the program saving into the same yearly archive at the same
// time: each append (open, count, seek to the end, write, close) must land as
// a whole record of its own, none lost and none torn.
#include "archive/Record.h"
#include "archive/RecordArchive.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kCopies = 2;
constexpr int kAppendsPerCopy = 500;

const TRecordLayout& kDaily = TRecordLayout::daily();

QString nameFor(int copy, int sequence) {
    return QStringLiteral("P%1 %2").arg(copy).arg(sequence, 4, 10, QChar(u'0'));
}

// The last field repeats the name and fills its whole capacity, so a record
// whose beginning and end come from different writes shows.
QString lastFieldFor(int copy, int sequence) {
    const QString name = nameFor(copy, sequence);
    return name + QString(250 - name.size(), QChar(u'a' + copy));
}

// Runs in the child process; the exit status is the only report.
[[noreturn]] void appendAll(const QString& path, int copy) {
    ::alarm(60); // a stuck lock must end the test, not hang it
    // The other copy may win the lock many times in a row on a busy machine;
    // this test is about lost records, not about how long a user waits.
    TRecordArchive::setLockWaitMs(30000);
    try {
        TRecord r(kDaily);
        for (int seq = 0; seq < kAppendsPerCopy; ++seq) {
            r.setText(u"Nome", nameFor(copy, seq));
            r.setText(u"Desc03", lastFieldFor(copy, seq));
            TRecordArchive a(kDaily.size());
            a.open(path);
            a.seek(a.count());
            a.write(r.bytes());
            a.close();
        }
    } catch (const ArchiveError&) {
        ::_exit(1);
    }
    ::_exit(0);
}

TEST(ConcurrentAppend, TwoProcessesAppendingKeepEveryRecordWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("2024.ore"));

    pid_t children[kCopies];
    for (int copy = 0; copy < kCopies; ++copy) {
        children[copy] = ::fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) appendAll(path, copy + 1);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "child killed by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    TRecordArchive a(kDaily.size());
    a.open(path, TRecordArchive::Mode::ReadOnly);
    EXPECT_EQ(a.count(), kCopies * kAppendsPerCopy);
    EXPECT_EQ(a.trailingBytes(), 0);

    static const QRegularExpression pattern(QStringLiteral("^P(\\d) (\\d{4})$"));
    std::set<std::pair<int, int>> seen;
    int lastSequence[kCopies + 1] = {-1, -1, -1};
    a.forEach([&](qint64 index, const char* record) {
        TRecord r(kDaily);
        r.assign(record);
        const auto m = pattern.match(r.text(u"Nome"));
        ASSERT_TRUE(m.hasMatch()) << "record " << index + 1;
        const int copy = m.captured(1).toInt();
        const int seq = m.captured(2).toInt();
        ASSERT_TRUE(copy >= 1 && copy <= kCopies) << "record " << index + 1;
        EXPECT_EQ(r.text(u"Desc03"), lastFieldFor(copy, seq)) << "record " << index + 1;
        EXPECT_TRUE(seen.emplace(copy, seq).second) << "record " << index + 1 << " repeated";
        // Each copy appends in order, so its own records keep that order.
        EXPECT_GT(seq, lastSequence[copy]) << "record " << index + 1;
        lastSequence[copy] = seq;
    });
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kCopies * kAppendsPerCopy));
}

} // namespace
