// Amounts and contract dates of the worker registry.
#include "domain/WorkerRules.h"

#include <gtest/gtest.h>

namespace {

TEST(WorkerRules, AnAmountIsRoundedToFourDecimalsAndShownWithTwoToFour) {
    const std::pair<const char*, const char*> cases[] = {
        {"1250", "1250,00"},
        {"12,5", "12,50"},
        {"7", "7,00"},
        {"0,123456", "0,1235"},
        {"1,23456", "1,2346"},
        {"12,50", "12,50"},
        {"0,00005", "0,0001"},
        {"0,00004", "0,00"},
        {"1,,2", "0,00"},
        {"", "0,00"},
        {"   ", "0,00"},
        {",", "0,00"},
        {",5", "0,50"},
        {"0", "0,00"},
        {"999999999999999", "999999999999999,00"},
        {"12a", "0,00"},
        {"1,999999", "2,00"},
        {"007", "7,00"},
        {"9999,99995", "10000,00"},
        // Every digit stays, however many there are.
        {"12345678901234567890,123456", "12345678901234567890,1235"},
        {"1234567890123456", "1234567890123456,00"},
    };
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(worker::normalisedAmount(QString::fromUtf8(typed)), QString::fromUtf8(shown))
            << typed;
}

TEST(WorkerRules, AnAmountWrittenOutLongerThanItsFieldIsRefusedNotCut) {
    const struct {
        const char* typed;
        int capacity;
        std::optional<QString> kept;
    } cases[] = {
        {"123456789012", 15, "123456789012,00"},
        {"1234567890123", 15, std::nullopt}, // 1234567890123,00 is 16 characters
        {"1234567890,12345", 15, "1234567890,1235"},
        {"12345678901,12345", 15, std::nullopt},
        {"1234567890123", 50, "1234567890123,00"},
        {"", 4, "0,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(worker::amountForField(QString::fromLatin1(c.typed), c.capacity), c.kept)
            << c.typed << " in " << c.capacity;
}

TEST(WorkerRules, AContractDateIsARealDayWrittenDdMmYyyy) {
    EXPECT_EQ(worker::contractDate("31/12/2024"), QDate(2024, 12, 31));
    EXPECT_EQ(worker::contractDate(" 29/02/2024 "), QDate(2024, 2, 29));
    for (const char* wrong : {"31/02/2024", "29/02/2023", "", "oggi", "1/2/2024", "2024-02-01",
                              "01/13/2024", "01/02/24"})
        EXPECT_FALSE(worker::contractDate(QString::fromLatin1(wrong))) << wrong;
}

} // namespace
