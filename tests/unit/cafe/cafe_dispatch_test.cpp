// Which received commands reach the ordering window.

#include "cafe/cafe_dispatch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "sys/cafe_protocol.h"
#include "sys/text.h"

namespace corvina {
namespace {

class RecordingOrderWindow final : public OrderWindowCommands {
public:
    void HandleOrderCommand(std::int32_t number, std::string_view data) override {
        received.push_back({number, Big5{data}});
    }
    std::vector<CafeCommand> received;
};

CafeCommandRoute Receive(std::string_view text, OrderWindowCommands* orderWindow) {
    const std::string block{text};
    return ReceiveCafeCommand(block.c_str(), block.size() + 1, orderWindow);
}

TEST(RouteCafeCommand, BelowTheLimitToTheOrderWindowWhileItExists) {
    for (const std::int32_t number : {1, kCafeGoodsListStart, kCafeEntryAnswer, kCafeOrderCommandLimit - 1}) {
        EXPECT_EQ(RouteCafeCommand(number, true), CafeCommandRoute::OrderWindow) << number;
        EXPECT_EQ(RouteCafeCommand(number, false), CafeCommandRoute::NoOrderWindow) << number;
    }
}

TEST(RouteCafeCommand, TheLimitAndAboveAndNonPositiveAreIgnored) {
    for (const std::int32_t number :
         {kCafeOrderCommandLimit, kCafeOrderLine, kCafeLinkEstablished, std::numeric_limits<std::int32_t>::max(), 0, -1,
          std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(RouteCafeCommand(number, true), CafeCommandRoute::Ignored) << number;
        EXPECT_EQ(RouteCafeCommand(number, false), CafeCommandRoute::Ignored) << number;
    }
}

TEST(ReceiveCafeCommand, OrderWindowGetsNumberAndDataAsSent) {
    RecordingOrderWindow orders;
    EXPECT_EQ(Receive("121:1", &orders), CafeCommandRoute::OrderWindow);
    EXPECT_EQ(Receive("117:0,45000.5,0,A12", &orders), CafeCommandRoute::OrderWindow);
    const Big5 item = T(u8"115:A01,可樂,25");
    EXPECT_EQ(Receive(item, &orders), CafeCommandRoute::OrderWindow);
    const std::vector<CafeCommand> expected{{121, "1"}, {117, "0,45000.5,0,A12"}, {115, T(u8"A01,可樂,25")}};
    EXPECT_EQ(orders.received, expected);
}

TEST(ReceiveCafeCommand, MalformedAndForeignTextsReachNobody) {
    RecordingOrderWindow orders;
    for (const std::string_view text : {"", "115", "-121:1", "212:"}) {
        EXPECT_EQ(Receive(text, &orders), CafeCommandRoute::Ignored) << text;
    }
    EXPECT_EQ(ReceiveCafeCommand(nullptr, 64, &orders), CafeCommandRoute::Ignored);
    EXPECT_TRUE(orders.received.empty());
}

TEST(ReceiveCafeCommand, ClosedOrderWindowDropsItsCommands) {
    EXPECT_EQ(Receive("114:", nullptr), CafeCommandRoute::NoOrderWindow);
    EXPECT_EQ(Receive("121:1", nullptr), CafeCommandRoute::NoOrderWindow);
}

}  // namespace
}  // namespace corvina
