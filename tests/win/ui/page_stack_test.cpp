#include "ui/page_stack.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using PageStackTest = UiTest;

// Where the page's window is in the stack, as the system has it.
Rect WindowInStack(const WinControl& page) {
    RECT r{};
    GetWindowRect(page.Handle(), &r);
    MapWindowPoints(nullptr, page.Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool InView(const PageStack& stack, const WinControl& page) {
    const Rect at = WindowInStack(page);
    return at.left < stack.ClientWidth() && at.left + at.width > 0;
}

TEST_F(PageStackTest, OnePageIsInTheStackTheOthersWaitOutsideItAtTheStacksSize) {
    auto form = NewForm(300, 200);
    auto& stack = form->Add<PageStack>();
    stack.SetAlign(Align::Client);
    WinControl& first = stack.AddPage("first");
    WinControl& second = stack.AddPage("second");
    WinControl& third = stack.AddPage("third");
    EXPECT_EQ(stack.ActivePageIndex(), 0);
    EXPECT_EQ(WindowInStack(first), (Rect{0, 0, 300, 200}));
    EXPECT_FALSE(InView(stack, second));
    EXPECT_FALSE(InView(stack, third));
    EXPECT_EQ(WindowInStack(third).width, 300) << "laid out at the stack's size while waiting";

    stack.SetActivePageIndex(2);
    EXPECT_EQ(WindowInStack(third), (Rect{0, 0, 300, 200}));
    EXPECT_FALSE(InView(stack, first));
    EXPECT_EQ(GetWindow(third.Handle(), GW_HWNDFIRST), third.Handle()) << "on top of its siblings";

    // A new size lays every page out again; the waiting ones stay out.
    form->SetBounds({0, 0, 400, 250});
    EXPECT_EQ(WindowInStack(third), (Rect{0, 0, 400, 250}));
    EXPECT_FALSE(InView(stack, first));
    EXPECT_FALSE(InView(stack, second));
    EXPECT_EQ(WindowInStack(second).height, 250);

    EXPECT_THROW(stack.SetActivePageIndex(3), std::out_of_range);
    EXPECT_EQ(stack.ActivePageIndex(), 2);
}

// A page added for later has no window until it is asked for; then it is
// made where an eager page would be, and filled once.
TEST_F(PageStackTest, APageAddedForLaterIsMadeAndFilledOnceWhenFirstAskedFor) {
    auto form = NewForm(300, 200);
    auto& stack = form->Add<PageStack>();
    stack.SetAlign(Align::Client);
    std::vector<int> filled;
    for (int i = 0; i < 3; ++i) {
        stack.AddPageLater(std::to_string(i), [&filled, &stack, i](WinControl& page) {
            filled.push_back(i);
            EXPECT_EQ(&stack.Page(i), &page) << "made before it is filled";
            page.Add<WinControl>();
        });
    }
    EXPECT_EQ(stack.PageCount(), 3);
    EXPECT_EQ(stack.ActivePageIndex(), 0);
    EXPECT_TRUE(stack.Children().empty());
    form->SetBounds({0, 0, 320, 240});
    EXPECT_TRUE(stack.Children().empty()) << "a new size makes no page";

    // Asked for while another is active: made parked, at the stack's size.
    WinControl& third = stack.Page(2);
    EXPECT_EQ(filled, std::vector<int>{2});
    EXPECT_FALSE(stack.PageMade(0));
    EXPECT_EQ(third.Text(), "2");
    EXPECT_EQ(third.Children().size(), 1u);
    EXPECT_FALSE(InView(stack, third));
    EXPECT_EQ(WindowInStack(third).width, 320);

    // The active page made on its first show, in view.
    stack.SetActivePageIndex(0);
    ASSERT_TRUE(stack.PageMade(0));
    EXPECT_EQ(WindowInStack(stack.Page(0)), (Rect{0, 0, 320, 240}));
    stack.SetActivePageIndex(2);
    stack.SetActivePageIndex(0);
    EXPECT_EQ(filled, (std::vector<int>{2, 0}));
    EXPECT_FALSE(stack.PageMade(1));
    EXPECT_EQ(stack.Children().size(), 2u);
    EXPECT_THROW(stack.Page(3), std::out_of_range);
}

}  // namespace
}  // namespace corvina::ui::test
