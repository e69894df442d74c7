#pragma once
// Small helpers for tests that look at archive files byte by byte, and the
// sample archives in tests/data with the texts the program must show for them.

#include "archive/Record.h"
#include "archive/RecordArchive.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace archive_files {

// The sample archives, one of each kind; expected.json has one array per name.
inline constexpr std::array<const char*, 4> kSamples = {"2024.ore", "2024.set", "Orari.pro",
                                                        "Dipendenti.pro"};

inline QString samplePath(const QString& name) {
    return QDir(QStringLiteral(VELMORA_TEST_DATA)).filePath(name);
}

// The whole file, or an empty array when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// File name -> array of records, each record an object of field name -> text.
inline QJsonObject expectedSamples() {
    return QJsonDocument::fromJson(readBytes(samplePath(QStringLiteral("expected.json")))).object();
}

// Appends one record for each list of field texts, creating the archive.
inline void appendRecords(const QString& path, const TRecordLayout& layout,
                          const std::vector<std::vector<std::pair<QString, QString>>>& records) {
    TRecordArchive archive(layout.size());
    archive.open(path);
    for (const auto& fields : records) {
        TRecord r(layout);
        for (const auto& [name, text] : fields)
            r.setText(name, text);
        archive.seek(archive.count());
        archive.write(r.bytes());
    }
    archive.close();
}

} // namespace archive_files
