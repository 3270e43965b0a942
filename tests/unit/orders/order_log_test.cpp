// Ordered lines and the order log: the bytes written and read back.

#include "orders/order_log.h"

#include <gtest/gtest.h>

#include "sys/text.h"

namespace corvina {
namespace {

using Rows = std::vector<OrderedRow>;

TEST(OrderLine, IdNameQuantityJoinedByCommas) {
    const OrderLine cola{"7", T(u8"可樂"), 2};
    EXPECT_EQ(FormatOrderLine(cola), T(u8"7,可樂,2"));
    EXPECT_EQ(OrderLogEntry(cola), T(u8"7,可樂,2") + "\r\n");
    EXPECT_EQ(FormatOrderLine({"9", "Hot dog", 12}), "9,Hot dog,12");
}

TEST(OrderLine, ALineBreakInANameCannotSplitTheLogLine) {
    const OrderLine odd{"7\r", "Co\nla", 1};
    EXPECT_EQ(FormatOrderLine(odd), "7\r,Co\nla,1");  // the café client gets it as it was
    EXPECT_EQ(OrderLogEntry(odd), "7 ,Co la,1\r\n");
    EXPECT_EQ(LoadOrderLog(OrderLogEntry(odd)), (Rows{{"Co la", "1"}}));
}

TEST(LoadOrderLog, NameAndQuantityOfEveryNonEmptyLine) {
    const Big5 log = T(u8"7,可樂,2\r\n9,熱狗,1\r\n7,可樂,3\r\n");
    EXPECT_EQ(LoadOrderLog(log), (Rows{{T(u8"可樂"), "2"}, {T(u8"熱狗"), "1"}, {T(u8"可樂"), "3"}}));
    EXPECT_EQ(LoadOrderLog(""), Rows{});
    EXPECT_EQ(LoadOrderLog("\r\n\r\n"), Rows{});
}

TEST(LoadOrderLog, AnyLineEndAndALastLineWithoutOne) {
    EXPECT_EQ(LoadOrderLog("1,a,1\n2,b,2\r3,c,3\r\n\n4,d,4"), (Rows{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}}));
}

TEST(LoadOrderLog, ShortLinesGiveEmptyFieldsAndStillARow) {
    EXPECT_EQ(LoadOrderLog("7,Cola\r\nx\r\n7,Cola,2,extra\r\n"), (Rows{{"", ""}, {"", ""}, {"Cola", "2,extra"}}));
}

TEST(LoadOrderLog, Big5BytesAreKept) {
    // 功 ends in 0x5C and 許 too: nothing may read them as separators.
    const Big5 name = T(u8"許功蓋");
    EXPECT_EQ(LoadOrderLog("A," + name + ",1\r\n"), (Rows{{name, "1"}}));
}

}  // namespace
}  // namespace corvina
