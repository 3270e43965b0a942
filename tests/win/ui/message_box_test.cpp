#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/label.h"
#include "ui/timer.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

struct SeenBox {
    std::wstring text;
    std::wstring caption;
    HWND owner = nullptr;
};

HWND DialogOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            wchar_t name[16]{};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Answers the next message box with `button` and writes down what it showed.
class BoxAnswerer {
public:
    BoxAnswerer(std::vector<SeenBox>& seen, int button) : timer_(20) {
        timer_.OnTimer = [&seen, button](Timer&) {
            const HWND box = DialogOfThisThread();
            if (!box) return;
            wchar_t text[128]{};
            GetDlgItemTextW(box, 0xFFFF, text, 128);  // the static text of a message box
            wchar_t caption[64]{};
            GetWindowTextW(box, caption, 64);
            seen.push_back({text, caption, GetWindow(box, GW_OWNER)});
            PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        };
    }

private:
    Timer timer_;
};

using MessageBoxes = UiTest;

TEST_F(MessageBoxes, TheDefaultErrorReportShowsTheErrorTextInTheApplicationsName) {
    auto form = NewForm();
    auto& label = form->Add<Label>();
    label.SetBounds({0, 0, 50, 50});
    label.OnClick = [](Control&) { throw std::runtime_error(T(u8"檔案不存在！")); };
    app_.OnException = nullptr;
    std::vector<SeenBox> seen;
    const BoxAnswerer answerer(seen, IDOK);
    ClickAt(form->Handle(), 10, 10);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, WideFromBig5(T(u8"檔案不存在！")));
    EXPECT_EQ(seen[0].caption, WideFromBig5(T(u8"測試")));
    EXPECT_EQ(seen[0].owner, app_.ActiveOwner());
}

TEST_F(MessageBoxes, TheYesNoQuestionTellsWhichButtonWasPressed) {
    std::vector<SeenBox> seen;
    {
        const BoxAnswerer answerer(seen, IDYES);
        EXPECT_TRUE(AskYesNo(T(u8"要結束嗎？")));
    }
    {
        const BoxAnswerer answerer(seen, IDNO);
        EXPECT_FALSE(AskYesNo("again?"));
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, WideFromBig5(T(u8"要結束嗎？")));
    EXPECT_EQ(seen[1].text, L"again?");
}

}  // namespace
}  // namespace corvina::ui::test
