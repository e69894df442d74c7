// The sample archives in tests/data were written by the program users already
// have. Every field must read as expected.json says, and storing the same
// texts again must give back the very bytes of the file.
#include "ArchiveFiles.h"

#include "archive/FixedText.h"
#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/ArchiveKinds.h"

#include <QJsonArray>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

namespace {

using archive_files::expectedSamples;
using archive_files::kSamples;
using archive_files::samplePath;

struct Sample {
    QString name;
    const TRecordLayout* layout = nullptr;
    std::vector<QByteArray> records;
    qint64 trailing = 0;
};

Sample loadSample(const char* name) {
    Sample s;
    s.name = QString::fromLatin1(name);
    s.layout = layoutForFileName(s.name);
    if (!s.layout) return s;
    TRecordArchive a(s.layout->size());
    a.open(samplePath(s.name), TRecordArchive::Mode::ReadOnly);
    a.forEach(
        [&](qint64, const char* record) { s.records.emplace_back(record, s.layout->size()); });
    s.trailing = a.trailingBytes();
    return s;
}

QStringList fieldNames(const TRecordLayout& layout) {
    QStringList names;
    for (const TFieldDef& f : layout.fields())
        names << f.name;
    return names;
}

TEST(Compatibility, EveryFieldOfTheSampleArchivesReadsAsExpected) {
    const QJsonObject expected = expectedSamples();
    ASSERT_EQ(expected.size(), static_cast<qsizetype>(kSamples.size()));
    for (const char* name : kSamples) {
        SCOPED_TRACE(name);
        const Sample s = loadSample(name);
        ASSERT_NE(s.layout, nullptr);
        const QJsonArray records = expected.value(s.name).toArray();
        ASSERT_EQ(s.records.size(), static_cast<std::size_t>(records.size()));
        EXPECT_EQ(s.trailing, 0);

        QStringList layoutNames = fieldNames(*s.layout);
        layoutNames.sort();
        for (std::size_t i = 0; i < s.records.size(); ++i) {
            const QJsonObject want = records.at(static_cast<qsizetype>(i)).toObject();
            // Same set of fields: a field missing from the layout or one it
            // should not have shows here, not as a silent empty text.
            QStringList wantNames = want.keys();
            wantNames.sort();
            EXPECT_EQ(wantNames, layoutNames) << "record " << i + 1;

            TRecord r(*s.layout);
            r.assign(s.records[i].constData());
            for (int f = 0; f < static_cast<int>(s.layout->fields().size()); ++f) {
                const TFieldDef& def = s.layout->field(f);
                EXPECT_FALSE(
                    TFixedText::isDamaged(r.bytes().constData() + def.offset, def.capacity));
                EXPECT_EQ(r.text(f), want.value(def.name).toString())
                    << "record " << i + 1 << " field " << def.name.toStdString();
            }
        }
    }
}

TEST(Compatibility, StoringTheExpectedTextsGivesBackTheFileBytes) {
    const QJsonObject expected = expectedSamples();
    for (const char* name : kSamples) {
        SCOPED_TRACE(name);
        const Sample s = loadSample(name);
        ASSERT_NE(s.layout, nullptr);
        const QJsonArray records = expected.value(s.name).toArray();
        ASSERT_EQ(s.records.size(), static_cast<std::size_t>(records.size()));

        for (std::size_t i = 0; i < s.records.size(); ++i) {
            const QByteArray& original = s.records[i];
            const QJsonObject want = records.at(static_cast<qsizetype>(i)).toObject();
            // As an editor does: the buffer holds what was read, then every
            // field is stored from its text.
            TRecord r(*s.layout);
            r.assign(original.constData());
            for (const TFieldDef& def : s.layout->fields())
                r.setText(def.name, want.value(def.name).toString());

            std::vector<bool> covered(static_cast<std::size_t>(s.layout->size()), false);
            for (const TFieldDef& def : s.layout->fields()) {
                const int length = static_cast<unsigned char>(original[def.offset]);
                EXPECT_EQ(r.bytes().mid(def.offset, 1 + length),
                          original.mid(def.offset, 1 + length))
                    << "record " << i + 1 << " field " << def.name.toStdString();
                for (int b = def.offset; b <= def.offset + def.capacity; ++b)
                    covered[static_cast<std::size_t>(b)] = true;
            }
            // Bytes that belong to no field (the weekly reserved block) are
            // never touched by storing fields.
            for (int b = 0; b < s.layout->size(); ++b) {
                if (!covered[static_cast<std::size_t>(b)]) {
                    EXPECT_EQ(r.bytes()[b], original[b]) << "record " << i + 1 << " byte " << b;
                }
            }
        }
    }
}

} // namespace
