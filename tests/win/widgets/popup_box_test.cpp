// The popup list under a real modal run: its size and place, and every way
// it ends.

#include "widgets/popup_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "menu/item_actions.h"
#include "sys/text.h"
#include "ui/ui_fixture.h"
#include "widgets/popup_driver.h"

namespace corvina {
namespace {

using test::BoxDriver;
using test::PutCursor;
using test::ScreenEdges;
using ui::test::MoveTo;
using ui::test::PointParam;
using Step = BoxDriver<TPopMenuBOX>::Step;

class PopupBox : public ui::test::UiTest {
protected:
    int Show(Point at, const EdgeRect& anchor, const std::vector<Big5>& entries, std::vector<Step> steps) {
        BoxDriver<TPopMenuBOX> driver(L"TPopMenuBOX", std::move(steps));
        const int result = ShowPopupBox(at, anchor, entries, RecordsPopupStyle());
        stepsDone_ = driver.StepsDone();
        return result;
    }
    // The middle of a row of the open box's list.
    static Point RowMiddle(TPopMenuBOX& box, int row) {
        const EdgeRect cell = *box.Grid().CellRect(1, row);
        return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }
    static void Hover(TPopMenuBOX& box, int row) {
        const Point at = RowMiddle(box, row);
        MoveTo(box.Grid().Handle(), at.x, at.y);
    }
    static void Release(TPopMenuBOX& box, int row, WPARAM keys) {
        const Point at = RowMiddle(box, row);
        SendMessageW(box.Grid().Handle(), WM_LBUTTONUP, keys, PointParam(at.x, at.y));
    }

    std::size_t stepsDone_ = 0;
    const std::vector<Big5> two_ = RecordsMenuEntries();
};

TEST_F(PopupBox, NoEntriesGiveNoneWithoutAWindow) {
    bool seen = false;
    EXPECT_EQ(Show({100, 100}, {}, {}, {[&](TPopMenuBOX&) { return seen = true; }}), -1);
    Pump();
    EXPECT_FALSE(seen);
    EXPECT_FALSE(IsPopupBoxOpen());
}

TEST_F(PopupBox, OneEntryIsOneWholeRowAtThePointAndAClickChoosesIt) {
    PutCursor({110, 105});
    bool open = false;
    EdgeRect edges;
    int rows = 0, rowHeight = 0, gridHeight = 0;
    Big5 text;
    const int result = Show({100, 100}, {}, {T(u8"讀取")}, {[&](TPopMenuBOX& box) {
                                open = IsPopupBoxOpen();
                                edges = ScreenEdges(box.Handle());
                                rows = box.Grid().RowCount();
                                rowHeight = box.Grid().RowHeights(0);
                                gridHeight = box.Grid().ClientHeight();
                                text = box.Grid().Cells(1, 0);
                                Hover(box, 0);
                                Release(box, 0, 0);
                                return true;
                            }});
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(open);
    EXPECT_FALSE(IsPopupBoxOpen());
    EXPECT_EQ(FindWindowW(L"TPopMenuBOX", nullptr), nullptr);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(text, T(u8" 讀取"));
    EXPECT_EQ(edges.left, 100);
    EXPECT_EQ(edges.top, 100);
    // One row, a 1-pixel panel border each side, and 4 more.
    EXPECT_EQ(edges.Height(), rowHeight + 2 + 4);
    EXPECT_GE(gridHeight, rowHeight);  // the row is not cut
    EXPECT_GE(edges.Width(), 50 + 2);
}

TEST_F(PopupBox, EnterChoosesTheRowUnderThePointerAndARightButtonReleaseChoosesNothing) {
    PutCursor({110, 105});
    EXPECT_EQ(Show({100, 100}, {}, two_, {[](TPopMenuBOX& box) {
                       Hover(box, 1);
                       SendMessageW(box.Grid().Handle(), WM_KEYUP, VK_RETURN, 0);
                       return true;
                   }}),
              1);
    PutCursor({110, 105});
    EXPECT_EQ(Show({100, 100}, {}, two_, {[](TPopMenuBOX& box) {
                       Hover(box, 1);
                       Release(box, 1, MK_RBUTTON);
                       return true;
                   }}),
              -1);
}

TEST_F(PopupBox, LeavingTheListAfterEnteringItClosesAtOnce) {
    PutCursor({110, 105});
    bool closedAtOnce = false;
    EXPECT_EQ(Show({100, 100}, {}, two_,
                   {[](TPopMenuBOX& box) {
                        Hover(box, 0);
                        return true;
                    },
                    [&](TPopMenuBOX& box) {
                        SendMessageW(box.Grid().Handle(), WM_MOUSELEAVE, 0, 0);
                        closedAtOnce = box.ModalResult() != ui::ModalResult::None;
                        return true;
                    }}),
              -1);
    EXPECT_TRUE(closedAtOnce);
}

TEST_F(PopupBox, StaysWhileThePointerRestsOnTheButtonAndClosesSoonAfterItLeavesBoth) {
    const EdgeRect button{50, 100, 90, 130};
    PutCursor({60, 110});
    const DWORD start = GetTickCount();
    DWORD moved = 0;
    DWORD closed = 0;
    EXPECT_EQ(Show({92, 100}, button, two_,
                   {[&](TPopMenuBOX& box) {
                        box.OnClose = [&](ui::Form&, ui::CloseAction&) { closed = GetTickCount(); };
                        return GetTickCount() - start > 900;
                    },
                    [&](TPopMenuBOX&) {
                        moved = GetTickCount();
                        PutCursor({400, 400});
                        return true;
                    }}),
              -1);
    EXPECT_EQ(stepsDone_, 2u);  // still open after several watch ticks
    EXPECT_LT(closed - moved, 450u);
}

TEST_F(PopupBox, AnotherWindowTakingTheActivationClosesIt) {
    PutCursor({110, 105});
    auto other = NewForm();
    EXPECT_EQ(Show({100, 100}, {}, two_,
                   {[&](TPopMenuBOX& box) {
                        EXPECT_TRUE(box.Active());
                        other->Show();
                        SetActiveWindow(other->Handle());
                        return true;
                    },
                    [](TPopMenuBOX& box) {
                        // The pointer over the list would keep it open.
                        Hover(box, 1);
                        return false;
                    }}),
              -1);
}

TEST_F(PopupBox, ABoxPassingTheRightScreenEdgeMovesLeftToEndThere) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    PutCursor({screenWidth - 5, 205});
    EdgeRect edges;
    Show({screenWidth - 20, 200}, {}, two_, {[&](TPopMenuBOX& box) {
             edges = ScreenEdges(box.Handle());
             SendMessageW(box.Grid().Handle(), WM_KEYUP, VK_RETURN, 0);
             return true;
         }});
    EXPECT_EQ(edges.right, screenWidth);
    EXPECT_EQ(edges.top, 200);
    EXPECT_GT(edges.Width(), 20);
}

}  // namespace
}  // namespace corvina
