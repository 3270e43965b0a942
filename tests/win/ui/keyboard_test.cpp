#include <gtest/gtest.h>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/panel.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

class Keyboard : public UiTest {
protected:
    Keyboard() : form_(NewForm(300, 200)) {}

    // Through the application's own message handling, as the loop does it.
    void Post(HWND window, UINT message, WPARAM key) {
        PostMessageW(window, message, key, 0);
        Pump();
    }

    FormPtr<Form> form_;
};

TEST_F(Keyboard, TabMovesTheFocusThroughTabStopsInsideContainers) {
    auto& first = form_->Add<Edit>();
    auto& panel = form_->Add<Panel>();
    panel.SetBounds({0, 50, 200, 100});
    auto& second = panel.Add<Edit>();
    auto& skipped = panel.Add<Button>("skip");
    skipped.SetTabStop(false);
    auto& third = panel.Add<Button>("b");
    form_->ShowInactive();
    first.SetFocus();
    Post(first.Handle(), WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(second.Focused());
    Post(second.Handle(), WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(third.Focused());
    EXPECT_FALSE(skipped.TabStop());
}

TEST_F(Keyboard, PlainLettersTypeIntoAnEditAndPressAButtonOtherwise) {
    auto& edit = form_->Add<Edit>();
    auto& button = form_->Add<Button>("&Go");
    button.SetLeft(150);
    int clicks = 0;
    button.OnClick = [&](Control&) { ++clicks; };
    form_->ShowInactive();
    edit.SetFocus();
    Post(edit.Handle(), WM_CHAR, L'g');
    EXPECT_EQ(edit.Text(), "g");
    EXPECT_EQ(clicks, 0);
    // Alt+G reaches the form even from the edit.
    Post(edit.Handle(), WM_SYSCHAR, L'g');
    EXPECT_EQ(clicks, 1);
    button.SetFocus();
    Post(button.Handle(), WM_CHAR, L'g');
    EXPECT_EQ(clicks, 2);
}

TEST_F(Keyboard, KeyHandlersSeeTheKeysFirstAndCanSwallowOrChangeThem) {
    auto& edit = form_->Add<Edit>();
    edit.OnKeyPress = [](Control&, wchar_t& key) {
        if (key == L'x') key = 0;
        if (key == L'a') key = L'A';
    };
    std::vector<WORD> downs;
    edit.OnKeyDown = [&](Control&, WORD& key, ShiftState) { downs.push_back(key); };
    SendMessageW(edit.Handle(), WM_CHAR, L'a', 0);
    SendMessageW(edit.Handle(), WM_CHAR, L'x', 0);
    SendMessageW(edit.Handle(), WM_CHAR, L'b', 0);
    EXPECT_EQ(edit.Text(), "Ab");
    SendMessageW(edit.Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(downs, std::vector<WORD>{VK_HOME});
}

}  // namespace
}  // namespace corvina::ui::test
