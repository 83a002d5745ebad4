#include <gtest/gtest.h>

#include "core/records/FieldText.h"

using namespace courtlog;

TEST(FieldText, LeadingNumberReadsAsAtoiDoesAndNeverOverflows) {
    const struct {
        const char* text;
        long long expected;
    } cases[] = {
        {"12", 12}, {"  8b", 8}, {"-3", -3}, {"+4", 4}, {"x7", 0}, {"", 0}, {"-", 0},
        {"99999999999999999999999", 922337203685477571LL}, {"-99999999999999999999999", -922337203685477571LL},
    };
    for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.expected) << c.text;
}

TEST(FieldText, SixteenBitFieldsHoldTheNearestValue) {
    EXPECT_EQ(toInt16(123), 123);
    EXPECT_EQ(toInt16(99999999), 32767);
    EXPECT_EQ(toInt16(-99999999), -32768);
}

TEST(FieldText, ScanNumbersStopsAtTheFirstMissingSeparator) {
    int values[3] = {-7, -7, -7};
    EXPECT_EQ(scanNumbers("13/ 40/2004", '/', values, 3), 3);
    EXPECT_EQ(values[0], 13);
    EXPECT_EQ(values[1], 40);
    EXPECT_EQ(values[2], 2004);
    int partial[3] = {-7, -7, -7};
    EXPECT_EQ(scanNumbers("5 /6", '/', partial, 3), 1);
    EXPECT_EQ(partial[1], -7);  // not read, kept
    int big = 0;
    EXPECT_EQ(scanNumbers("99999999999", ':', &big, 1), 1);
    EXPECT_EQ(big, 2147483647);
}
