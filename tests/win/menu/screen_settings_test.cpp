// The settings strip's screen choices through the recording machine: the
// real display is never changed.

#include "menu/screen_settings.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "support/message_box_answerer.h"
#include "support/processes.h"
#include "support/recording_machine.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/program_path.h"
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

TEST_F(ScreenSettingsTest, FullColourAt800IsTriedThenStoredAndShowsTheFormAgain) {
    Setup(kColorFull, kArea800);
    EXPECT_THAT(machine_.calls,
                ElementsAre("CurrentDisplayMode", "TestDisplayMode(800x600x16)", "ApplyDisplayMode(800x600x16)"));
    EXPECT_EQ(shownAgain_, 1);
    EXPECT_THAT(boxes_, IsEmpty());

    // Built on the current mode: what was not chosen stays as it is.
    const DEVMODEW& asked = machine_.modesAsked.back();
    EXPECT_EQ(asked.dmFields, static_cast<DWORD>(DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL));
    EXPECT_EQ(asked.dmDisplayFrequency, 75u);

    machine_.calls.clear();
    Setup(-1, kArea1024);  // no colour chosen: the depth is not asked to change
    EXPECT_THAT(machine_.calls,
                ElementsAre("CurrentDisplayMode", "TestDisplayMode(1024x768)", "ApplyDisplayMode(1024x768)"));
    EXPECT_EQ(machine_.modesAsked.back().dmFields, static_cast<DWORD>(DM_PELSWIDTH | DM_PELSHEIGHT));
    EXPECT_EQ(machine_.modesAsked.back().dmBitsPerPel, 32u);
}

TEST_F(ScreenSettingsTest, NoAreaIsAWarningAndChangesNothing) {
    Setup(kColor256, -1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"請設置螢幕區域！");
    EXPECT_THAT(machine_.calls, IsEmpty());
    EXPECT_EQ(shownAgain_, 0);
}

TEST_F(ScreenSettingsTest, ARestartIsToldAndTheFormStillShowsAgainUnlessTheSettingsWereUnread) {
    machine_.applyAnswer = DISP_CHANGE_RESTART;
    Setup(kColor256, kArea1024);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"需要重新啟動電腦，方始生效！");
    EXPECT_EQ(shownAgain_, 1);

    machine_.currentMode.reset();
    machine_.calls.clear();
    Setup(kColor256, kArea1024);
    EXPECT_THAT(machine_.calls, ElementsAre("CurrentDisplayMode"));
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(shownAgain_, 1);
}

// A mode the display will not take changes nothing, and the customer is
// told so instead of being asked to restart for nothing.
TEST_F(ScreenSettingsTest, ARefusedModeIsAFailureWithoutTheRestartNotice) {
    machine_.testAnswer = DISP_CHANGE_BADMODE;
    Setup(-1, kArea1024);
    EXPECT_THAT(machine_.calls, ElementsAre("CurrentDisplayMode", "TestDisplayMode(1024x768)"))
        << "never applied after a failed test";
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"此螢幕不支援所選的顯示模式，設定未變更！");
    EXPECT_EQ(shownAgain_, 0);

    // Passing the test but refused when applied: the same.
    machine_.testAnswer = DISP_CHANGE_SUCCESSFUL;
    machine_.applyAnswer = DISP_CHANGE_FAILED;
    Setup(kColorFull, kArea1024);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[1].text, L"此螢幕不支援所選的顯示模式，設定未變更！");
    EXPECT_EQ(shownAgain_, 0);
}

// Windows 8 and later refuse every depth below 32 bits: the size still
// changes, the depth stays, and the customer learns why his colour choice
// did nothing.
TEST_F(ScreenSettingsTest, ARefusedLowDepthLeavesTheDepthAndStillChangesTheSize) {
    machine_.refusesBelow32Bits = true;
    for (const int color : {kColor256, kColorFull}) {
        machine_.calls.clear();
        boxes_.clear();
        Setup(color, kArea800);
        const std::string depth = color == kColor256 ? "8" : "16";
        EXPECT_THAT(machine_.calls, ElementsAre("CurrentDisplayMode", "TestDisplayMode(800x600x" + depth + ")",
                                                "TestDisplayMode(800x600)", "ApplyDisplayMode(800x600)"));
        EXPECT_EQ(machine_.modesAsked.back().dmFields, static_cast<DWORD>(DM_PELSWIDTH | DM_PELSHEIGHT));
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].text, L"此電腦的 Windows 不提供所選的色彩模式，色彩維持不變。");
    }
    EXPECT_EQ(shownAgain_, 2);

    // The size refused as well: both are told, nothing is applied.
    machine_.calls.clear();
    boxes_.clear();
    machine_.testAnswer = DISP_CHANGE_BADMODE;
    Setup(kColor256, kArea1024);
    EXPECT_THAT(machine_.calls,
                ElementsAre("CurrentDisplayMode", "TestDisplayMode(1024x768x8)", "TestDisplayMode(1024x768)"));
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(shownAgain_, 2);
}

// The preselection on this screen, as "<width>x<height> <colour> <area>",
// both groups starting at their design selections.
std::string PreselectionHere() {
    auto form = ui::MakeForm<ui::Form>();
    auto& color = form->Add<ui::RadioGroup>();
    color.SetItems({"256 Color", T(u8"全彩")});
    color.SetItemIndex(kColorFull);
    auto& area = form->Add<ui::RadioGroup>();
    area.SetItems({"800 * 600", "1024 * 768"});
    area.SetItemIndex(kArea1024);
    PreselectScreenChoices(color, area);
    const ScreenModeInfo screen = ScreenMode();
    return std::to_string(screen.width) + "x" + std::to_string(screen.height) + " " +
           std::to_string(color.ItemIndex()) + " " + std::to_string(area.ItemIndex());
}

Big5 ProbeReport() {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    return Big5FromWide(temp) + "corvina-screen-probe.txt";
}

// Run by the test below inside a virtual desktop of a given size.
TEST(ScreenProbe, DISABLED_WritesThePreselection) {
    const ui::Application app("probe");
    WriteFileBytes(ProbeReport(), PreselectionHere());
}

// Wine's virtual desktops give the probe a screen of each size. Run on its
// own (--gtest_also_run_disabled_tests): the desktops it opens and closes
// upset the work area and the windows of tests that follow it in one run.
TEST(ScreenPreselection, DISABLED_FollowsTheScreenSizeOnVirtualDesktops) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t explorer[MAX_PATH]{};
    GetWindowsDirectoryW(explorer, MAX_PATH);
    const std::wstring explorerPath = std::wstring(explorer) + L"\\explorer.exe";
    const auto probe = [&](const wchar_t* size) -> std::string {
        static_cast<void>(DeleteFileAt(ProbeReport()));  // an earlier probe's, if any
        test::ChildProcess child(explorerPath, std::wstring(L"/desktop=corvina-screen-") + size + L"," + size + L" \"" +
                                                   self +
                                                   L"\" --gtest_filter=ScreenProbe.* --gtest_also_run_disabled_tests");
        child.WaitForExit(60000);
        // The desktop's explorer may end before its program has written.
        test::PumpUntil(20000, [] { return FileExists(ProbeReport()); });
        Sleep(200);
        return ReadFileBytes(ProbeReport()).value_or("(no report)");
    };
    const std::string full = std::to_string(kColorFull);
    EXPECT_EQ(probe(L"800x600"), "800x600 " + full + " " + std::to_string(kArea800));
    EXPECT_EQ(probe(L"1024x768"), "1024x768 " + full + " " + std::to_string(kArea1024));
    EXPECT_EQ(probe(L"1280x1024"), "1280x1024 " + full + " " + std::to_string(kArea1024))
        << "another size keeps the design selection";
    static_cast<void>(DeleteFileAt(ProbeReport()));  // may not have been written
}

}  // namespace
}  // namespace corvina
