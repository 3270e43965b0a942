#include "menu/screen_rules.h"

#include <gtest/gtest.h>

#include "sys/text.h"

namespace corvina {
namespace {

TEST(ScreenRules, SizesAreClassifiedAndPreselectTheirItems) {
    EXPECT_EQ(ClassifyScreen(640, 480).mode, 0);
    EXPECT_EQ(ClassifyScreen(800, 600), (ScreenModeInfo{1, 800, 600}));
    EXPECT_EQ(ClassifyScreen(1024, 768).mode, 2);
    EXPECT_EQ(ClassifyScreen(1280, 1024).mode, 3);
    EXPECT_EQ(ClassifyScreen(800, 768).mode, 3);

    EXPECT_EQ(PreselectedArea(ClassifyScreen(800, 600), kArea1024), kArea800);
    EXPECT_EQ(PreselectedArea(ClassifyScreen(1024, 768), kArea800), kArea1024);
    EXPECT_EQ(PreselectedArea(ClassifyScreen(1280, 1024), kArea1024), kArea1024);
    EXPECT_EQ(PreselectedArea(ClassifyScreen(640, 480), kArea1024), kArea1024);

    EXPECT_EQ(PreselectedColor(8, kColorFull), kColor256);
    EXPECT_EQ(PreselectedColor(32, kColor256), kColorFull);
    EXPECT_EQ(PreselectedColor(4, kColorFull), kColorFull);
}

TEST(ScreenRules, TheSetupButtonAsksForTheChosenModeOrForAnArea) {
    EXPECT_EQ(ScreenModeRequestFor(kColorFull, kArea800), (ScreenModeRequest{800, 600, 16, true}));
    EXPECT_EQ(ScreenModeRequestFor(kColor256, kArea1024), (ScreenModeRequest{1024, 768, 8, true}));
    EXPECT_EQ(ScreenModeRequestFor(-1, kArea1024), (ScreenModeRequest{1024, 768, 0, false}));
    EXPECT_FALSE(ScreenModeRequestFor(kColorFull, -1));
    EXPECT_FALSE(ScreenModeRequestFor(kColorFull, 2));
    EXPECT_EQ(NoScreenAreaMessage(), T(u8"請設置螢幕區域！"));
}

TEST(ScreenRules, LockDownFollowsBothSettingsAndTheTaskbarAlwaysComesBack) {
    MenuSettings settings;
    DesktopLockDown open = LockDownFor(settings);
    EXPECT_TRUE(open.desktopTab);
    EXPECT_FALSE(open.hideTaskbar);
    EXPECT_FALSE(open.coverWholeScreen);

    settings.HideDeskTop = true;
    settings.HideTaskBar = true;
    const DesktopLockDown closed = LockDownFor(settings);
    EXPECT_FALSE(closed.desktopTab);
    EXPECT_TRUE(closed.hideTaskbar);
    EXPECT_TRUE(closed.coverWholeScreen);
    EXPECT_TRUE(closed.showTaskbarAtEnd);
}

}  // namespace
}  // namespace corvina
