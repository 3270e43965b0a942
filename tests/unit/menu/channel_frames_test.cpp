#include "menu/channel_frames.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace corvina {
namespace {

// The order in which idle steps build on the pages while `shown` stays on
// the screen, one channel number per step of `most` frames.
std::vector<int> IdleOrder(ChannelFrames frames, int shown, int most = INT_MAX) {
    std::vector<int> order;
    while (const std::optional<int> next = frames.Next(shown)) {
        const std::optional<FrameRun> run = frames.Take(*next, most);
        EXPECT_TRUE(run);
        if (!run) break;
        order.push_back(*next);
    }
    return order;
}

TEST(ChannelFrames, IdleStepsBuildTheShownPageFirstThenOutwardsNextTabBeforePrevious) {
    const ChannelFrames frames({3, 3, 3, 3, 3, 3});
    EXPECT_EQ(IdleOrder(frames, 2), (std::vector<int>{2, 3, 1, 4, 0, 5}));
    EXPECT_EQ(IdleOrder(frames, 0), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(IdleOrder(frames, 5), (std::vector<int>{5, 4, 3, 2, 1, 0}));
    // The desktop page (no channel) or a number past the end: from the nearest end.
    EXPECT_EQ(IdleOrder(frames, -1), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(IdleOrder(frames, 9), (std::vector<int>{5, 4, 3, 2, 1, 0}));
    // A few frames a step: a page is finished before the next is begun.
    EXPECT_EQ(IdleOrder(ChannelFrames({5, 2, 0, 1}), 1, 2), (std::vector<int>{1, 0, 0, 0, 3}));
}

TEST(ChannelFrames, EveryFrameIsBuiltOnceInOrderWhicheverComesFirstTheCustomerOrTheIdleStep) {
    ChannelFrames frames({10, 4, 7, 6});
    // The first screen of the page shown first, at start.
    const std::optional<FrameRun> start = frames.Take(0, 6);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->first, 0);
    EXPECT_EQ(start->count, 6);
    EXPECT_FALSE(frames.Built(0));
    EXPECT_EQ(frames.Next(0), 0) << "the rest of the shown page comes first";
    const std::optional<FrameRun> rest = frames.Take(0, 100);
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->first, 6);
    EXPECT_EQ(rest->count, 4);
    EXPECT_TRUE(frames.Built(0));
    EXPECT_FALSE(frames.Take(0, 100)) << "never twice";

    // The customer turns to the last tab before the idle steps reach it.
    ASSERT_TRUE(frames.Take(3, 100));
    EXPECT_EQ(frames.BuiltCount(3), 6);
    EXPECT_EQ(frames.Next(3), 2) << "outwards from the page now shown";
    ASSERT_TRUE(frames.Take(2, 3));
    EXPECT_EQ(frames.Take(2, 100)->first, 3);
    ASSERT_TRUE(frames.Take(1, 100));
    EXPECT_TRUE(frames.AllBuilt());
    EXPECT_EQ(frames.Next(1), std::nullopt);
}

TEST(ChannelFrames, NoSuchChannelOrAnEmptyOneIsNeverBuilt) {
    ChannelFrames frames({2, 0});
    EXPECT_FALSE(frames.Take(-1, 5));
    EXPECT_FALSE(frames.Take(2, 5));
    EXPECT_FALSE(frames.Take(1, 5));
    EXPECT_FALSE(frames.Take(0, 0));
    EXPECT_TRUE(frames.Built(1));
    EXPECT_FALSE(frames.Built(2));
    EXPECT_FALSE(frames.AllBuilt());
    EXPECT_EQ(frames.Next(1), 0);
    const ChannelFrames none;
    EXPECT_TRUE(none.AllBuilt());
    EXPECT_EQ(none.Next(0), std::nullopt);
}

}  // namespace
}  // namespace corvina
