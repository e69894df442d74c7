// The byte offsets of the four record layouts, as existing archives hold them.
#include "archive/RecordLayout.h"

#include <gtest/gtest.h>

namespace {

struct Pin {
    const TRecordLayout& layout;
    const char* field;
    int offset;
    int capacity;
};

TEST(RecordLayout, SizesMatchExistingArchives) {
    EXPECT_EQ(TRecordLayout::daily().size(), 5220);
    EXPECT_EQ(TRecordLayout::weekly().size(), 5841);
    EXPECT_EQ(TRecordLayout::timetables().size(), 3757);
    EXPECT_EQ(TRecordLayout::workers().size(), 4043);
    EXPECT_EQ(TRecordLayout::daily().fields().size(), 60u);
    EXPECT_EQ(TRecordLayout::weekly().fields().size(), 6u + 24 + 84 + 6);
    EXPECT_EQ(TRecordLayout::timetables().fields().size(), 47u);
    EXPECT_EQ(TRecordLayout::workers().fields().size(), 51u);
}

TEST(RecordLayout, FieldOffsetsArePinned) {
    const auto& d = TRecordLayout::daily();
    const auto& w = TRecordLayout::weekly();
    const auto& t = TRecordLayout::timetables();
    const auto& k = TRecordLayout::workers();
    const Pin pins[] = {
        {d, "Nome", 0, 50},
        {d, "Data", 51, 10},
        {d, "Annotazioni", 415, 250},
        {d, "Inizio01", 666, 5},
        {d, "Attivita03", 944, 120},
        {d, "Fine12", 2135, 5},
        {d, "Lavoratore01", 2262, 120},
        {d, "Lavoratore12", 3593, 120},
        {d, "File01", 3714, 250},
        {d, "Desc03", 4969, 250},
        {w, "DataFine", 62, 10},
        {w, "Fine08", 716, 5},
        {w, "Inizio09", 843, 5},
        {w, "Fine12", 885, 5},
        {w, "Lun01", 891, 40},
        {w, "Lun12", 1342, 40},
        {w, "Mar01", 1383, 40},
        {w, "Sab01", 3351, 40},
        {w, "Dom12", 4294, 40},
        {w, "File01", 4335, 250},
        {w, "Desc03", 5590, 250},
        {t, "Periodo", 51, 50},
        {t, "Inizio01", 655, 5},
        {t, "Attivita12", 2130, 120},
        {t, "File01", 2251, 250},
        {t, "Desc03", 3506, 250},
        {k, "CodFisc", 102, 16},
        {k, "Sesso", 119, 1},
        {k, "Iban", 1219, 27},
        {k, "Decorrenza", 2393, 10},
        {k, "Preavviso", 2415, 3},
        {k, "Totale", 2419, 15},
        {k, "Rata", 2486, 50},
        {k, "Desc03", 3792, 250},
    };
    for (const Pin& p : pins) {
        const int i = p.layout.indexOf(QString::fromLatin1(p.field));
        ASSERT_GE(i, 0) << p.field;
        EXPECT_EQ(p.layout.field(i).offset, p.offset)
            << p.layout.kind().toStdString() << " " << p.field;
        EXPECT_EQ(p.layout.field(i).capacity, p.capacity) << p.field;
    }
}

TEST(RecordLayout, FieldsTileTheRecordExceptTheWeeklyReservedBlock) {
    for (const TRecordLayout* l : {&TRecordLayout::daily(), &TRecordLayout::weekly(),
                                   &TRecordLayout::timetables(), &TRecordLayout::workers()}) {
        std::vector<int> owner(static_cast<std::size_t>(l->size()), 0);
        for (const TFieldDef& f : l->fields())
            for (int b = f.offset; b <= f.offset + f.capacity; ++b)
                ++owner[static_cast<std::size_t>(b)];
        for (int b = 0; b < l->size(); ++b) {
            const bool reserved = l == &TRecordLayout::weekly() && b >= 722 && b <= 842;
            EXPECT_EQ(owner[static_cast<std::size_t>(b)], reserved ? 0 : 1)
                << l->kind().toStdString() << " byte " << b;
        }
    }
}

} // namespace
