#include "cafe/cafe_system.h"

#include <gtest/gtest.h>

#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {
namespace {

TEST(CafeSystemMissingMessage, NoticeThenTwoSupportLines) {
    const Big5 message = CafeSystemMissingMessage();
    const SplitResult first = SplitAtSeparator(message, '\n');
    EXPECT_EQ(first.head, T(u8"用戶端未安裝 Vexel 網咖管理系統，無法提供點餐服務！") + "\r");
    const SplitResult second = SplitAtSeparator(first.tail, '\n');
    EXPECT_FALSE(second.head.empty());
    EXPECT_FALSE(second.tail.empty());
    EXPECT_EQ(second.tail.find('\n'), Big5::npos);
}

}  // namespace
}  // namespace corvina
