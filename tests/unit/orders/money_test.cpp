// Money and cell texts as the ordering window shows them.

#include "orders/money.h"

#include <gtest/gtest.h>

#include <limits>

namespace corvina {
namespace {

TEST(FormatMoney, FixedPlacesThousandsAndPrefix) {
    EXPECT_EQ(FormatMoney(12345000, 2, "$"), "$1,234.50");
    EXPECT_EQ(FormatMoney(0, 2, "$"), "$0.00");
    EXPECT_EQ(FormatMoney(30000, 0, ""), "3");
    EXPECT_EQ(FormatMoney(1050000, 2, "$"), "$105.00");
    EXPECT_EQ(FormatMoney(9990000, 0, ""), "999");
    EXPECT_EQ(FormatMoney(10000000, 0, ""), "1,000");
    EXPECT_EQ(FormatMoney(12345678900000, 0, ""), "1,234,567,890");
    EXPECT_EQ(FormatMoney(12345, 6, ""), "1.234500");
}

TEST(FormatMoney, RoundsHalfAwayFromZero) {
    EXPECT_EQ(FormatMoney(12350, 2, ""), "1.24");
    EXPECT_EQ(FormatMoney(12250, 2, ""), "1.23");
    EXPECT_EQ(FormatMoney(5000, 0, ""), "1");
    EXPECT_EQ(FormatMoney(9999999, 2, "$"), "$1,000.00");
    EXPECT_EQ(FormatMoney(-5000, 0, ""), "-1");
}

TEST(FormatMoney, TheSignIsNeverGroupedWithTheDigits) {
    EXPECT_EQ(FormatMoney(-1230000, 0, ""), "-123");
    EXPECT_EQ(FormatMoney(-12345000, 2, "$"), "$-1,234.50");
    EXPECT_EQ(FormatMoney(-1234567890000, 0, ""), "-123,456,789");
    // Rounded to nothing, no lone minus sign is left.
    EXPECT_EQ(FormatMoney(-1, 2, ""), "0.00");
}

TEST(FormatMoney, TheExtremesOf64Bits) {
    EXPECT_EQ(FormatMoney(std::numeric_limits<Money>::max(), 4, ""), "922,337,203,685,477.5807");
    EXPECT_EQ(FormatMoney(std::numeric_limits<Money>::min(), 4, ""), "-922,337,203,685,477.5808");
    EXPECT_EQ(FormatMoney(std::numeric_limits<Money>::min(), 0, ""), "-922,337,203,685,478");
}

TEST(PadLeft, BlanksInFrontUpToTheWidth) {
    EXPECT_EQ(PadLeft("3", 8), "       3");
    EXPECT_EQ(PadLeft("", 2), "  ");
    EXPECT_EQ(PadLeft("123456789", 8), "123456789");
    EXPECT_EQ(TotalText(0), "$0.00");
}

}  // namespace
}  // namespace corvina
