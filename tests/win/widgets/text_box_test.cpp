// The text box under a real modal run: its text and size, its place, and
// how long it lives.

#include "widgets/text_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "menu/item_actions.h"
#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/canvas.h"
#include "ui/ui_fixture.h"
#include "widgets/popup_driver.h"

namespace corvina {
namespace {

using test::BoxDriver;
using test::PutCursor;
using test::ScreenEdges;
using Step = BoxDriver<THintBoX>::Step;

class TextBox : public ui::test::UiTest {
protected:
    void Show(Point at, const EdgeRect& anchor, const std::vector<Big5>& lines, std::vector<Step> steps) {
        BoxDriver<THintBoX> driver(L"THintBoX", std::move(steps));
        ShowTextBox(at, anchor, lines, NoteBoxStyle());
        stepsDone_ = driver.StepsDone();
    }
    std::size_t stepsDone_ = 0;
};

TEST_F(TextBox, NoLinesShowNothing) {
    Show({100, 100}, {}, {}, {[](THintBoX&) { return true; }});
    EXPECT_EQ(stepsDone_, 0u);
    EXPECT_FALSE(IsTextBoxOpen());
}

TEST_F(TextBox, ShowsEachLineBlankLedAtThePointAndLivesUntilThePointerLeavesBoxAndButton) {
    const EdgeRect button{50, 100, 98, 128};
    PutCursor({60, 110});
    const std::vector<Big5> lines{T(u8"第一行說明"), "Save & load: F5 / F9", T(u8"三")};
    const DWORD start = GetTickCount();
    bool open = false;
    EdgeRect edges;
    Big5 caption;
    int lineHeight = 0;
    HWND window = nullptr;
    Show({100, 100}, button, lines,
         {[&](THintBoX& box) {
              open = IsTextBoxOpen();
              window = box.Handle();
              edges = ScreenEdges(box.Handle());
              caption = box.Label().Caption();
              const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
              ui::Canvas canvas(screen.Get());
              canvas.SetFont(box.Label().Font());
              lineHeight = canvas.TextHeight(T(u8" 第一行說明"));
              return true;
          },
          [&](THintBoX&) {
              // Into the box itself: still open.
              PutCursor({edges.left + 5, edges.bottom - 3});
              return GetTickCount() - start > 900;
          },
          [&](THintBoX&) {
              PutCursor({400, 400});
              return true;
          }});
    EXPECT_EQ(stepsDone_, 3u);
    EXPECT_TRUE(open);
    EXPECT_FALSE(IsTextBoxOpen());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(caption, T(u8" 第一行說明\r Save & load: F5 / F9\r 三\r"));
    EXPECT_EQ(edges.left, 100);
    EXPECT_EQ(edges.top, 100);
    EXPECT_EQ(edges.Height(), 21 + 3 * lineHeight);
    EXPECT_GT(edges.Width(), 10 + 10);
}

TEST_F(TextBox, AnInactiveBoxStaysOpenWhereverThePointerIsUntilItIsActiveAgain) {
    PutCursor({110, 105});
    auto other = NewForm();
    DWORD away = 0;
    bool openWhileInactive = false;
    Show({100, 100}, {}, {T(u8"說明")},
         {[&](THintBoX&) {
              other->Show();
              SetActiveWindow(other->Handle());
              PutCursor({500, 500});
              away = GetTickCount();
              return true;
          },
          [&](THintBoX& box) {
              if (GetTickCount() - away < 700) return false;
              openWhileInactive = IsTextBoxOpen() && !box.Active();
              SetActiveWindow(box.Handle());
              return true;
          }});
    EXPECT_TRUE(openWhileInactive);
    EXPECT_FALSE(IsTextBoxOpen());
}

TEST_F(TextBox, ABoxPassingTheRightScreenEdgeMovesLeftToEndThere) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    PutCursor({screenWidth - 5, 305});
    EdgeRect edges;
    Show({screenWidth - 10, 300}, {}, {T(u8"一行字")},
         {[&](THintBoX& box) {
              edges = ScreenEdges(box.Handle());
              return true;
          },
          [](THintBoX&) {
              PutCursor({10, 10});
              return true;
          }});
    EXPECT_EQ(edges.right, screenWidth);
    EXPECT_EQ(edges.top, 300);
}

}  // namespace
}  // namespace corvina
