// Decimal numbers of the café data with the PC's separator, and prices read
// exactly into ten-thousandths.

#include "sys/decimal_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace corvina {
namespace {

TEST(ParseDecimal, ReadsWholeTextsWithThePcsSeparator) {
    EXPECT_EQ(ParseDecimal("45000.5", '.'), 45000.5);
    EXPECT_EQ(ParseDecimal("45000,5", ','), 45000.5);
    EXPECT_EQ(ParseDecimal(" -1.25 ", '.'), -1.25);
    EXPECT_EQ(ParseDecimal("+.5", '.'), 0.5);
    EXPECT_EQ(ParseDecimal("5.", '.'), 5.0);
    EXPECT_EQ(ParseDecimal("1.5e3", '.'), 1500.0);
    EXPECT_EQ(ParseDecimal("15E-1", '.'), 1.5);
    EXPECT_EQ(ParseDecimal("1e-400", '.'), 0.0);
}

TEST(ParseDecimal, AnythingElseIsNoNumber) {
    for (const char* text :
         {"", " ", ".", "-", "1.2.3", "1,5", "1e", "1e+", "e5", "12a", "inf", "nan", "0x10", "$10", "1 000"}) {
        EXPECT_EQ(ParseDecimal(text, '.'), std::nullopt) << text;
    }
    // The other separator is no separator on this PC.
    EXPECT_EQ(ParseDecimal("45000.5", ','), std::nullopt);
    EXPECT_EQ(ParseDecimal("1e400", '.'), std::nullopt);
}

TEST(ParseMoney, ReadsTenThousandthsExactly) {
    EXPECT_EQ(ParseMoney("35", '.'), 350000);
    EXPECT_EQ(ParseMoney("0.5", '.'), 5000);
    EXPECT_EQ(ParseMoney("12,3456", ','), 123456);
    EXPECT_EQ(ParseMoney("-1.5", '.'), -15000);
    EXPECT_EQ(ParseMoney("1.5e2", '.'), 1500000);
    EXPECT_EQ(ParseMoney("0000.1000", '.'), 1000);
    EXPECT_EQ(ParseMoney("0", '.'), 0);
}

TEST(ParseMoney, RoundsTiesToEvenBeyondFourPlaces) {
    EXPECT_EQ(ParseMoney("0.00005", '.'), 0);
    EXPECT_EQ(ParseMoney("0.00015", '.'), 2);
    EXPECT_EQ(ParseMoney("0.00025", '.'), 2);
    EXPECT_EQ(ParseMoney("0.000250001", '.'), 3);
    EXPECT_EQ(ParseMoney("0.00006", '.'), 1);
    EXPECT_EQ(ParseMoney("0.000006", '.'), 0);
    EXPECT_EQ(ParseMoney("-0.00015", '.'), -2);
    // A binary double would see 35.00005 as 35.0000499999... or above.
    EXPECT_EQ(ParseMoney("35.00005", '.'), 350000);
    EXPECT_EQ(ParseMoney("35.00015", '.'), 350002);
    EXPECT_EQ(ParseMoney("1e-300", '.'), 0);
}

TEST(ParseMoney, AmountsBeyond64BitsAreNoNumber) {
    EXPECT_EQ(ParseMoney("922337203685477.5807", '.'), std::numeric_limits<Money>::max());
    EXPECT_EQ(ParseMoney("922337203685477.5808", '.'), std::nullopt);
    EXPECT_EQ(ParseMoney("1e300", '.'), std::nullopt);
    EXPECT_EQ(ParseMoney("1e99999999999", '.'), std::nullopt);
    // Rounding up past the largest amount.
    EXPECT_EQ(ParseMoney("922337203685477.58075", '.'), std::nullopt);
    EXPECT_EQ(ParseMoney("abc", '.'), std::nullopt);
    EXPECT_EQ(ParseMoneyOr0("abc", '.'), 0);
}

}  // namespace
}  // namespace corvina
