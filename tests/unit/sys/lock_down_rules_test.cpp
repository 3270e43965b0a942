// The keys the lock-down drops, the accessibility flags it clears and
// carries to the watch, and when the watch gives up.

#include "sys/lock_down_rules.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

constexpr std::uint32_t kEsc = 0x1B, kTab = 0x09, kR = 'R', kLWin = 0x5B, kRWin = 0x5C;
constexpr std::uint32_t kLCtrl = 0xA2, kRCtrl = 0xA3, kLShift = 0xA0, kLAlt = 0xA4;

// Presses in order, then releases in reverse; what each event's verdict was.
std::vector<bool> Chord(KioskKeyFilter& filter, std::vector<std::uint32_t> keys) {
    std::vector<bool> dropped;
    for (const std::uint32_t key : keys) dropped.push_back(filter.Drops(key, true));
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) dropped.push_back(filter.Drops(*key, false));
    return dropped;
}

TEST(KioskKeyFilter, TheWindowsKeysAloneAndInCombinationsNeverArrive) {
    KioskKeyFilter filter;
    EXPECT_EQ(Chord(filter, {kLWin}), (std::vector<bool>{true, true}));
    EXPECT_EQ(Chord(filter, {kRWin}), (std::vector<bool>{true, true}));
    // Win+R: the R arrives alone and opens nothing.
    EXPECT_EQ(Chord(filter, {kLWin, kR}), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(Chord(filter, {kLCtrl, kLWin}), (std::vector<bool>{false, true, true, false}));
}

TEST(KioskKeyFilter, EscIsDroppedOnlyWithControlAndAltTabPasses) {
    KioskKeyFilter filter;
    EXPECT_EQ(Chord(filter, {kLCtrl, kEsc}), (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(Chord(filter, {kRCtrl, kLShift, kEsc}), (std::vector<bool>{false, false, true, true, false, false}));
    // Control released: Esc is the customer's again.
    EXPECT_EQ(Chord(filter, {kEsc}), (std::vector<bool>{false, false}));
    EXPECT_EQ(Chord(filter, {kLAlt, kTab}), (std::vector<bool>{false, false, false, false}));
    // One of two held Control keys let go still holds Control.
    filter.Drops(kLCtrl, true);
    filter.Drops(kRCtrl, true);
    filter.Drops(kLCtrl, false);
    EXPECT_TRUE(filter.Drops(kEsc, true));
    filter.Drops(kRCtrl, false);
    EXPECT_FALSE(filter.Drops(kEsc, true));
}

TEST(WithoutShortcut, ClearsTheShortcutOfAFeatureThatIsOffOnly) {
    // Available, shortcut, confirmation, siren: the Windows default of Sticky Keys.
    EXPECT_EQ(WithoutShortcut(0x1E), 0x12u);
    EXPECT_EQ(WithoutShortcut(0x1F), 0x1Fu);
    EXPECT_EQ(WithoutShortcut(0), 0u);
}

TEST(AccessibilityFlagsText, CarriesUnreadFeaturesAndRefusesDamage) {
    const AccessibilityFlags flags{510, std::nullopt, 0, 0xFFFFFFFFu, 34};
    EXPECT_EQ(AccessibilityFlagsText(flags), "510,-,0,4294967295,34");
    EXPECT_EQ(ParseAccessibilityFlags("510,-,0,4294967295,34"), flags);
    for (const char* damaged :
         {"", "1,2,3,4", "1,2,3,4,5,6", "1,2,x,4,5", "1,,3,4,5", "1,2,3,4,4294967296", "-1,2,3,4,5"}) {
        EXPECT_EQ(ParseAccessibilityFlags(damaged), AccessibilityFlags{}) << damaged;
    }
}

TEST(RestartPolicy, ThreeRestartsWithinAMinuteThenGivesUp) {
    RestartPolicy policy;
    EXPECT_TRUE(policy.MayRestart(1'000));
    EXPECT_TRUE(policy.MayRestart(2'000));
    EXPECT_TRUE(policy.MayRestart(30'000));
    EXPECT_FALSE(policy.MayRestart(60'999));
}

TEST(RestartPolicy, RestartsMoreThanAMinuteApartGoOnForever) {
    RestartPolicy policy;
    for (std::uint64_t k = 0; k < 10; ++k) EXPECT_TRUE(policy.MayRestart(k * 25'000)) << k;
}

TEST(WatchArguments, RoundTripAndRefuseWhatIsNotAWatch) {
    const WatchArguments arguments{4242, {1, 2, std::nullopt, 4, 5}};
    const std::vector<std::string> line = WatchCommandLine(arguments);
    const std::vector<std::string_view> views(line.begin(), line.end());
    const std::optional<WatchArguments> parsed = ParseWatchArguments(views);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->menuProcessId, 4242u);
    EXPECT_EQ(parsed->accessibility, arguments.accessibility);

    EXPECT_FALSE(ParseWatchArguments({}));
    EXPECT_FALSE(ParseWatchArguments({"START"}));
    EXPECT_FALSE(ParseWatchArguments({"/watch"}));
    EXPECT_FALSE(ParseWatchArguments({"/watch", "0"}));
    EXPECT_FALSE(ParseWatchArguments({"/watch", "12x"}));
    // Flags that do not read leave the features as they are.
    EXPECT_EQ(ParseWatchArguments({"/watch", "12", "junk"})->accessibility, AccessibilityFlags{});
}

}  // namespace
}  // namespace corvina
