#include "menu/channel_frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvina {
namespace {

// The order in which idle steps build the pages while `shown` stays on the screen.
std::vector<int> IdleOrder(ChannelFrames frames, int shown) {
    std::vector<int> order;
    while (const std::optional<int> next = frames.Next(shown)) {
        EXPECT_TRUE(frames.MarkBuilt(*next));
        order.push_back(*next);
    }
    return order;
}

TEST(ChannelFrames, IdleStepsBuildTheShownPageFirstThenOutwardsNextTabBeforePrevious) {
    ChannelFrames frames(6);
    EXPECT_EQ(IdleOrder(frames, 2), (std::vector<int>{2, 3, 1, 4, 0, 5}));
    EXPECT_EQ(IdleOrder(frames, 0), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(IdleOrder(frames, 5), (std::vector<int>{5, 4, 3, 2, 1, 0}));
    // The desktop page (no channel) or a number past the end: from the nearest end.
    EXPECT_EQ(IdleOrder(frames, -1), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(IdleOrder(frames, 9), (std::vector<int>{5, 4, 3, 2, 1, 0}));
}

TEST(ChannelFrames, APageIsBuiltOnceWhicheverComesFirstTheCustomerOrTheIdleStep) {
    ChannelFrames frames(4);
    ASSERT_TRUE(frames.MarkBuilt(0)) << "the page shown first, at start";
    EXPECT_EQ(frames.Next(0), 1);
    // The customer turns to the last tab before the idle steps reach it.
    EXPECT_TRUE(frames.MarkBuilt(3));
    EXPECT_FALSE(frames.MarkBuilt(3)) << "never twice";
    EXPECT_TRUE(frames.Built(3));
    EXPECT_EQ(frames.Next(3), 2) << "outwards from the page now shown";
    EXPECT_TRUE(frames.MarkBuilt(2));
    EXPECT_TRUE(frames.MarkBuilt(1));
    EXPECT_TRUE(frames.AllBuilt());
    EXPECT_EQ(frames.Next(1), std::nullopt);
}

TEST(ChannelFrames, NoSuchChannelIsNeverBuilt) {
    ChannelFrames frames(2);
    EXPECT_FALSE(frames.MarkBuilt(-1));
    EXPECT_FALSE(frames.MarkBuilt(2));
    EXPECT_FALSE(frames.Built(2));
    EXPECT_FALSE(frames.AllBuilt());
    ChannelFrames none;
    EXPECT_TRUE(none.AllBuilt());
    EXPECT_EQ(none.Next(0), std::nullopt);
}

}  // namespace
}  // namespace corvina
