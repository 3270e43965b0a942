// The settings strip's screen choices through the recording machine: the
// real display is never changed.

#include "menu/screen_settings.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "support/message_box_answerer.h"
#include "support/recording_machine.h"
#include "sys/text.h"
#include "sys/win32/system_info.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ScreenSettingsTest : public ui::test::UiTest {
protected:
    void Setup(int color, int area) {
        const ui::test::BoxAnswerer answerer(boxes_, IDOK);
        B_SetupClick(machine_, color, area, [this] { ++shownAgain_; });
    }

    test::RecordingMachine machine_;
    std::vector<ui::test::SeenBox> boxes_;
    int shownAgain_ = 0;
};

TEST_F(ScreenSettingsTest, FullColourAt800AsksFor16BitsAndShowsTheFormAgain) {
    Setup(kColorFull, kArea800);
    EXPECT_THAT(machine_.calls, ElementsAre("ChangeScreenMode(800,600,16,bits)"));
    EXPECT_EQ(shownAgain_, 1);
    EXPECT_THAT(boxes_, IsEmpty());

    Setup(-1, kArea1024);  // no colour chosen: the depth stays
    EXPECT_EQ(machine_.calls.back(), "ChangeScreenMode(1024,768,0)");
}

TEST_F(ScreenSettingsTest, NoAreaIsAWarningAndChangesNothing) {
    Setup(kColor256, -1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"請設置螢幕區域！");
    EXPECT_THAT(machine_.calls, IsEmpty());
    EXPECT_EQ(shownAgain_, 0);
}

TEST_F(ScreenSettingsTest, ARestartIsToldAndTheFormStillShowsAgainUnlessTheSettingsWereUnread) {
    machine_.screenModeAnswer = ScreenModeChange::RestartNeeded;
    Setup(kColor256, kArea1024);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"需要重新啟動電腦，方始生效！");
    EXPECT_EQ(shownAgain_, 1);

    machine_.screenModeAnswer = ScreenModeChange::SettingsUnread;
    Setup(kColor256, kArea1024);
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(shownAgain_, 1);
}

TEST_F(ScreenSettingsTest, ThePreselectionFollowsThisScreen) {
    auto form = NewForm(300, 200);
    auto& color = form->Add<ui::RadioGroup>();
    color.SetItems({"256 Color", T(u8"全彩")});
    color.SetItemIndex(kColorFull);
    auto& area = form->Add<ui::RadioGroup>();
    area.SetItems({"800 * 600", "1024 * 768"});
    area.SetItemIndex(kArea1024);
    area.SetItemIndex(kArea800);
    PreselectScreenChoices(color, area);

    const ScreenModeInfo screen = ScreenMode();
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(color.ItemIndex(), ScreenColorBits() == 8 ? kColor256 : kColorFull);
    EXPECT_EQ(area.ItemIndex(), screen.mode == 2 ? kArea1024 : kArea800);
}

}  // namespace
}  // namespace corvina
