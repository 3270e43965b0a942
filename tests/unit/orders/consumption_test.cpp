// The consumption list's rows from command 120 and the billing-mode names.

#include "orders/consumption.h"

#include <gtest/gtest.h>

#include "sys/text.h"

namespace corvina {
namespace {

using Rows = std::vector<ConsumptionRow>;

ConsumptionRow Row(std::u8string_view label, std::u8string_view value) { return {' ' + T(label) + ':', T(value)}; }

TEST(ConsumptionList, FiveRowsWithoutFreeMinutes) {
    const ConsumptionView view = ConsumptionList(0, "125|50|35|0|85");
    EXPECT_EQ(view.layout, ConsumptionLayout::Figures);
    EXPECT_EQ(view.rows,
              (Rows{Row(u8"計價方式", u8"一般"), Row(u8"累積分數", u8"125 分鐘"), Row(u8"計時金額", u8"50 (元)"),
                    Row(u8"消費金額", u8"35 (元)"), Row(u8"總金額", u8"85 (元)")}));
}

TEST(ConsumptionList, SixRowsWithFreeMinutes) {
    const ConsumptionView view = ConsumptionList(0, "125|50|35|30|55");
    ASSERT_EQ(view.rows.size(), 6u);
    EXPECT_EQ(view.rows[4], Row(u8"免費優待", u8"30 分鐘"));
    EXPECT_EQ(view.rows[5], Row(u8"總金額", u8"55 (元)"));
    // Not an integer counts as none.
    EXPECT_EQ(ConsumptionList(0, "1|2|3|2.5|4").rows.size(), 5u);
}

TEST(ConsumptionList, ShortDataLeavesTheSuffixesAlone) {
    // After the first missing "|" every field is lost.
    EXPECT_EQ(ConsumptionList(0, "125|50").rows,
              (Rows{Row(u8"計價方式", u8"一般"), Row(u8"累積分數", u8"125 分鐘"), Row(u8"計時金額", u8" (元)"),
                    Row(u8"消費金額", u8" (元)"), Row(u8"總金額", u8" (元)")}));
    // The last field keeps further "|".
    EXPECT_EQ(ConsumptionList(0, "1|2|3|4|5|6").rows.back(), Row(u8"總金額", u8"5|6 (元)"));
}

TEST(ConsumptionList, ModesOtherThanAMeteredSessionWithFigures) {
    EXPECT_EQ(ConsumptionList(0, "").layout, ConsumptionLayout::NotShown);
    const ConsumptionView paid = ConsumptionList(1, "125|50|35|0|85");
    EXPECT_EQ(paid.layout, ConsumptionLayout::PaidPackage);
    EXPECT_TRUE(paid.rows.empty());
    EXPECT_EQ(ConsumptionList(1, "").layout, ConsumptionLayout::PaidPackage);
    EXPECT_EQ(ConsumptionList(2, "1|2|3|4|5").layout, ConsumptionLayout::Blank);
    EXPECT_TRUE(ConsumptionList(2, "1|2|3|4|5").rows.empty());
}

TEST(BillingModeName, NamesByModeAndBillingCode) {
    EXPECT_EQ(BillingModeName(0, "#&"), T(u8"一般"));
    EXPECT_EQ(BillingModeName(1, ""), T(u8"包台"));
    EXPECT_EQ(BillingModeName(1, "#12"), T(u8"續時"));
    EXPECT_EQ(BillingModeName(1, "*12"), T(u8"轉包"));
    EXPECT_EQ(BillingModeName(1, "12&"), T(u8"包台 提前"));
    EXPECT_EQ(BillingModeName(1, "#1&2"), T(u8"續時 提前"));
    EXPECT_EQ(BillingModeName(1, "1#*"), T(u8"包台"));
    EXPECT_EQ(BillingModeName(2, "#"), "");
}

}  // namespace
}  // namespace corvina
