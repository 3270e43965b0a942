#include "menu/item_picture_cache.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Three pages of three items each (items 0-2, 3-5, 6-8), 10 bytes a picture.
class ItemPictureCacheTest : public ::testing::Test {
protected:
    explicit ItemPictureCacheTest(std::size_t budget = 40) : cache_(budget) {
        for (int page = 0; page < 3; ++page) {
            for (int i = 0; i < 3; ++i) cache_.AddItem(page);
        }
    }

    void Load(int item) {
        const std::optional<PictureTicket> ticket = cache_.Request(item);
        ASSERT_TRUE(ticket.has_value()) << item;
        ASSERT_TRUE(cache_.Arrived(*ticket, 10)) << item;
    }

    ItemPictureCache cache_;
};

TEST_F(ItemPictureCacheTest, OneRequestPerItemUntilItsPictureIsReleased) {
    const auto ticket = cache_.Request(4);
    ASSERT_TRUE(ticket.has_value());
    EXPECT_EQ(cache_.PageOf(4), 1);
    EXPECT_TRUE(cache_.Pending(4));
    EXPECT_FALSE(cache_.Request(4).has_value()) << "already on its way";
    EXPECT_TRUE(cache_.Arrived(*ticket, 10));
    EXPECT_FALSE(cache_.Arrived(*ticket, 10)) << "a second delivery counts nothing";
    EXPECT_TRUE(cache_.Holds(4));
    EXPECT_EQ(cache_.HeldBytes(), 10u);
    EXPECT_FALSE(cache_.Request(4).has_value()) << "held";

    const auto withdrawn = cache_.Request(5);
    cache_.Withdraw(*withdrawn);
    EXPECT_FALSE(cache_.Pending(5));
    EXPECT_FALSE(cache_.Arrived(*withdrawn, 10));
    EXPECT_TRUE(cache_.Request(5).has_value()) << "asked for again";
}

TEST_F(ItemPictureCacheTest, APictureForAFrameForgottenMeanwhileIsRefused) {
    const auto destroyed = cache_.Request(1);
    cache_.Forget(1);
    EXPECT_FALSE(cache_.Arrived(*destroyed, 10));
    EXPECT_FALSE(cache_.Holds(1));

    // Its page made anew: the old request's picture is stale, a new one is not.
    const auto beforeRebuild = cache_.Request(2);
    Load(0);
    cache_.ForgetPage(0);
    EXPECT_FALSE(cache_.Holds(0));
    EXPECT_EQ(cache_.HeldBytes(), 0u);
    const auto afterRebuild = cache_.Request(2);
    ASSERT_TRUE(afterRebuild.has_value());
    EXPECT_FALSE(cache_.Arrived(*beforeRebuild, 10));
    EXPECT_TRUE(cache_.Arrived(*afterRebuild, 10));

    EXPECT_FALSE(cache_.Arrived(PictureTicket{99, 1}, 10)) << "no such item";
}

TEST_F(ItemPictureCacheTest, OverTheBudgetThePagesSeenLongestAgoGoFirstLastItemFirst) {
    cache_.Touch(2);
    for (int item : {6, 7}) Load(item);
    cache_.Touch(0);
    for (int item : {0, 1}) Load(item);
    EXPECT_THAT(cache_.Evict({}), IsEmpty()) << "40 bytes of 40";
    cache_.Touch(1);
    for (int item : {3, 4}) Load(item);
    // 60 bytes: page 2 was seen before page 0, and page 1 is the newest.
    EXPECT_THAT(cache_.Evict({}), ElementsAre(7, 6));
    EXPECT_EQ(cache_.HeldBytes(), 40u);
    EXPECT_TRUE(cache_.HasRoomFor(0));
    EXPECT_FALSE(cache_.HasRoomFor(1));
    EXPECT_TRUE(cache_.Request(7).has_value()) << "decoded again when needed";
}

TEST_F(ItemPictureCacheTest, ThePicturesTheCustomerSeesAreKeptEvenOverTheBudget) {
    cache_.Touch(0);
    for (int item : {0, 1, 2}) Load(item);
    cache_.Touch(1);
    for (int item : {3, 4, 5}) Load(item);
    // Items 0 and 1 on the screen: the older page loses only the rest.
    EXPECT_THAT(cache_.Evict([](int item) { return item <= 1; }), ElementsAre(2, 5));
    EXPECT_TRUE(cache_.Holds(0));
    EXPECT_TRUE(cache_.Holds(1));
    Load(2);
    EXPECT_THAT(cache_.Evict([](int) { return true; }), IsEmpty());
    EXPECT_EQ(cache_.HeldBytes(), 50u);
}

TEST_F(ItemPictureCacheTest, ReleasingEverythingFreesTheBudgetAndStalesWhatIsUnderWay) {
    Load(0);
    Load(4);
    const auto underWay = cache_.Request(7);
    EXPECT_THAT(cache_.ReleaseAll(), ElementsAre(0, 4));
    EXPECT_EQ(cache_.HeldBytes(), 0u);
    EXPECT_FALSE(cache_.Arrived(*underWay, 10)) << "decoded for a menu that let go of its pictures";
    EXPECT_FALSE(cache_.Pending(7));
    // The customer is back: they come again.
    Load(0);
    Load(7);
    EXPECT_EQ(cache_.HeldBytes(), 20u);
}

}  // namespace
}  // namespace corvina
