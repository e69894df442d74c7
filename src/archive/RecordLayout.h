#pragma once
// The four record layouts as tables of (name, offset, capacity). Screens,
// searches, sheets and the command line all reach fields through these
// tables by name; nothing else knows an offset.

#include <QHash>
#include <QString>
#include <vector>

struct TFieldDef {
    QString name;
    int offset = 0;   // of the length byte, from the start of the record
    int capacity = 0; // text bytes; the field takes capacity + 1 bytes
};

class TRecordLayout {
  public:
    TRecordLayout(QString kind, int size, std::vector<TFieldDef> fields);

    const QString& kind() const { return kind_; }
    int size() const { return size_; }
    const std::vector<TFieldDef>& fields() const { return fields_; }
    // Index of the named field, or -1.
    int indexOf(QStringView name) const { return index_.value(name.toString(), -1); }
    const TFieldDef& field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

    static const TRecordLayout& daily();      // TDailyShiftRecord, NNNN.ore
    static const TRecordLayout& weekly();     // TWeeklyShiftRecord, NNNN.set
    static const TRecordLayout& timetables(); // TTimetableRecord, Orari.pro
    static const TRecordLayout& workers();    // TWorkerRecord, Dipendenti.pro

  private:
    QString kind_;
    int size_;
    std::vector<TFieldDef> fields_;
    QHash<QString, int> index_;
};

// Every shift table and timetable has twelve time slots; every record has
// three attachments.
inline constexpr int kSlots = 12;
inline constexpr int kAttachments = 3;

// Two-digit slot suffix: 1 -> "01".
QString slotSuffix(int slot);
