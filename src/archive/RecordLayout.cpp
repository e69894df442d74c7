#include "RecordLayout.h"

#include <stdexcept>

QString slotSuffix(int slot) {
    return QString::number(slot).rightJustified(2, u'0');
}

TRecordLayout::TRecordLayout(QString kind, int size, std::vector<TFieldDef> fields)
    : kind_(std::move(kind)), size_(size), fields_(std::move(fields)) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const TFieldDef& f = fields_[i];
        if (f.offset + f.capacity + 1 > size_) throw std::logic_error("field past record end");
        index_.insert(f.name, static_cast<int>(i));
    }
}

namespace {

// Appends fields back to back from the current end of the layout.
class Builder {
  public:
    explicit Builder(int start = 0) : offset_(start) {}
    Builder& add(const QString& name, int capacity) {
        fields_.push_back({name, offset_, capacity});
        offset_ += capacity + 1;
        return *this;
    }
    Builder& skip(int bytes) {
        offset_ += bytes;
        return *this;
    }
    Builder& attachments() {
        for (const char* stem : {"File", "Desc"})
            for (int i = 1; i <= kAttachments; ++i)
                add(stem + slotSuffix(i), 250);
        return *this;
    }
    Builder& slotsWithActivity() {
        for (int s = 1; s <= kSlots; ++s)
            add("Inizio" + slotSuffix(s), 5)
                .add("Fine" + slotSuffix(s), 5)
                .add("Attivita" + slotSuffix(s), 120);
        return *this;
    }
    TRecordLayout build(const QString& kind) { return TRecordLayout(kind, offset_, fields_); }

  private:
    int offset_;
    std::vector<TFieldDef> fields_;
};

TRecordLayout makeDaily() {
    Builder b;
    b.add("Nome", 50).add("Data", 10).add("Periodo", 50).add("Sede", 50);
    b.add("Disposizioni", 250).add("Annotazioni", 250).slotsWithActivity();
    for (int s = 1; s <= kSlots; ++s)
        b.add("Lavoratore" + slotSuffix(s), 120);
    return b.attachments().build("daily");
}

TRecordLayout makeWeekly() {
    Builder b;
    b.add("Nome", 50).add("DataInizio", 10).add("DataFine", 10).add("Sede", 50);
    b.add("Disposizioni", 250).add("Annotazioni", 250);
    for (int s = 1; s <= kSlots; ++s) {
        // A reserved block of 121 bytes sits between the slot 8 and slot 9
        // times; it belongs to no field and is never written on its own.
        if (s == 9) b.skip(121);
        b.add("Inizio" + slotSuffix(s), 5).add("Fine" + slotSuffix(s), 5);
    }
    for (const char* day : {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"})
        for (int s = 1; s <= kSlots; ++s)
            b.add(day + slotSuffix(s), 40);
    return b.attachments().build("weekly");
}

TRecordLayout makeTimetables() {
    Builder b;
    b.add("Nome", 50).add("Periodo", 50).add("Sede", 50);
    b.add("Disposizioni", 250).add("Annotazioni", 250).slotsWithActivity();
    return b.attachments().build("timetables");
}

TRecordLayout makeWorkers() {
    static const std::pair<const char*, int> table[] = {
        {"Cognome", 50},     {"Nome", 50},        {"CodFisc", 16},    {"Sesso", 1},
        {"DataNasc", 10},    {"ComuneNasc", 50},  {"ProvNasc", 2},    {"Iva", 11},
        {"Indirizzo", 50},   {"Cap", 5},          {"ComuneRes", 50},  {"ProvRes", 2},
        {"Stato", 50},       {"Familiari", 250},  {"Recapito", 50},   {"TelCasa", 50},
        {"TelCel", 50},      {"TelUff", 50},      {"Fax", 50},        {"Email", 50},
        {"Qualifiche", 250}, {"Professione", 50}, {"Iban", 27},       {"Intestatario", 50},
        {"Banca", 50},       {"Carta", 50},       {"ScadeCarta", 10}, {"Prodotti", 250},
        {"Pagamento", 120},  {"Note", 250},       {"TipoDoc", 50},    {"NumDoc", 50},
        {"EnteRil", 50},     {"DataRil", 10},     {"DataSca", 10},    {"Codice", 30},
        {"Categoria", 50},   {"Zona", 50},        {"Acquisto", 50},   {"Decorrenza", 10},
        {"Scadenza", 10},    {"Preavviso", 3},    {"Totale", 15},     {"Frazionamento", 50},
        {"Rata", 50},
    };
    Builder b;
    for (const auto& [name, capacity] : table)
        b.add(name, capacity);
    return b.attachments().build("workers");
}

} // namespace

const TRecordLayout& TRecordLayout::daily() {
    static const TRecordLayout layout = makeDaily();
    return layout;
}
const TRecordLayout& TRecordLayout::weekly() {
    static const TRecordLayout layout = makeWeekly();
    return layout;
}
const TRecordLayout& TRecordLayout::timetables() {
    static const TRecordLayout layout = makeTimetables();
    return layout;
}
const TRecordLayout& TRecordLayout::workers() {
    static const TRecordLayout layout = makeWorkers();
    return layout;
}
