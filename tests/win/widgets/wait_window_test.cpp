#include "widgets/wait_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "sys/text.h"
#include "ui/timer.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using WaitWindow = ui::test::UiTest;

TEST_F(WaitWindow, OneWindowAtATimeKeepsTheFirstTextAndOneCloseEndsIt) {
    ShowWaitWindow(T(u8"載入中‧‧‧"), kWaitWindowGround, kWaitWindowText);
    ShowWaitWindow(T(u8"更新檔案異動中‧‧‧"), kWaitWindowGround, kWaitWindowText);
    ASSERT_NE(ShownWaitText(), nullptr);
    EXPECT_EQ(*ShownWaitText(), T(u8"載入中‧‧‧"));
    CloseWaitWindow();
    EXPECT_EQ(ShownWaitText(), nullptr);
    CloseWaitWindow();

    ShowWaitWindow("   ", kWaitWindowGround, kWaitWindowText);
    ASSERT_NE(ShownWaitText(), nullptr);
    EXPECT_EQ(*ShownWaitText(), "One moment please .......");
    CloseWaitWindow();
}

TEST_F(WaitWindow, IsCentredOnTopAndAsWideAsItsPaddedText) {
    ShowWaitWindow(T(u8"載入中‧‧‧"), kWaitWindowGround, kWaitWindowText);
    HWND window = FindWindowW(L"TWaitWindow", nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const Rect bounds = ui::test::ScreenBounds(window);
    EXPECT_NEAR(bounds.left + bounds.width / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(bounds.top + bounds.height / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_GT(bounds.width, bounds.height * 3);  // one line, wide text
    CloseWaitWindow();
    EXPECT_FALSE(IsWindow(window));
}

// Ends its own modal run from a timer, and counts its destruction.
class SelfEndingForm final : public ui::Form {
public:
    explicit SelfEndingForm(int& destroyed) : ui::Form(L"CorvinaForm", ui::BorderStyle::Dialog), destroyed_(destroyed) {
        timer_.OnTimer = [this](ui::Timer&) { SetModalResult(ui::ModalResult::Yes); };
    }
    ~SelfEndingForm() override { ++destroyed_; }

private:
    int& destroyed_;
    ui::Timer timer_{20};
};

using ModalForms = ui::test::UiTest;

TEST_F(ModalForms, ShowFormModalReturnsTheResultAndFreesTheForm) {
    int destroyed = 0;
    EXPECT_EQ(ShowFormModal<SelfEndingForm>(destroyed), ui::ModalResult::Yes);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(FindWindowW(L"CorvinaForm", nullptr), nullptr);
}

}  // namespace
}  // namespace corvina
