// Style changes on live windows: the bits asked for, and a frame that
// follows at once rather than at the next resize.

#include "ui/window_style.h"

#include <gtest/gtest.h>

#include "ui/panel.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using WindowStyle = UiTest;

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)); }

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

TEST_F(WindowStyle, BitsAreClearedThenSetAndTheFrameFollowsAtOnce) {
    FormPtr<Form> form = NewForm(200, 100);
    Panel& panel = form->Add<Panel>();
    panel.SetBounds({10, 10, 60, 40});
    const HWND window = panel.Handle();
    const DWORD before = StyleOf(window);
    ASSERT_EQ(ClientSize(window).cx, 60);

    ChangeWindowStyle(window, {.set = WS_BORDER, .exSet = WS_EX_CLIENTEDGE});
    EXPECT_EQ(StyleOf(window), before | WS_BORDER);
    EXPECT_NE(ExStyleOf(window) & WS_EX_CLIENTEDGE, 0u);
    EXPECT_LT(ClientSize(window).cx, 60 - 2) << "both frames take their room without a resize";
    EXPECT_EQ(ScreenBounds(window).width, 60) << "the window keeps its place and size";

    ChangeWindowStyle(window, {.clear = WS_BORDER, .exClear = WS_EX_CLIENTEDGE});
    EXPECT_EQ(StyleOf(window), before);
    EXPECT_EQ(ExStyleOf(window) & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(ClientSize(window).cx, 60);

    // Everything but the kept bits replaced, as a form's border style does.
    ChangeWindowStyle(window, {.clear = ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE), .set = WS_BORDER});
    EXPECT_EQ(StyleOf(window), (before & (WS_CHILD | WS_VISIBLE)) | WS_BORDER);
}

}  // namespace
}  // namespace corvina::ui::test
