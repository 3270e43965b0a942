#include "widgets/ev_scroll_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/memory_dib.h"
#include "test_pictures.h"
#include "ui/panel.h"
#include "ui/shape.h"
#include "ui/ui_fixture.h"

namespace corvina::test {
namespace {

using enum TPanelWallpaperStyle;
using ui::test::PointParam;

constexpr Color kOrange = Color::Rgb(251, 207, 125);

// Notes where its first child stands whenever the thumb moves.
class TrackedBox : public TEVScrollBox {
public:
    using TEVScrollBox::TEVScrollBox;
    std::vector<int> trackedTops;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = TEVScrollBox::HandleMessage(message, wParam, lParam);
        if (message == WM_VSCROLL && LOWORD(wParam) == SB_THUMBTRACK) trackedTops.push_back(Children()[0]->Top());
        return result;
    }
};

class EvScrollBoxTest : public ui::test::UiTest {
protected:
    EvScrollBoxTest() : form_(NewForm(300, 200)) {
        form_->ShowInactive();
        Pump();
    }

    template <typename Box = TEVScrollBox>
    Box& AddBox(const Rect& bounds) {
        auto& box = form_->Add<Box>();
        box.SetBounds(bounds);
        box.SetColor(kOrange);
        return box;
    }

    static ui::Shape& AddChild(ui::WinControl& parent, const Rect& bounds) {
        auto& shape = parent.Add<ui::Shape>();
        shape.SetBounds(bounds);
        return shape;
    }

    ui::FormPtr<ui::Form> form_;
};

TEST_F(EvScrollBoxTest, BarsAppearOnlyWhereTheChildrenReachBeyondTheClientArea) {
    auto& box = AddBox({0, 0, 100, 80});
    EXPECT_FALSE(box.HorzBarVisible());
    EXPECT_FALSE(box.VertBarVisible());

    AddChild(box, {10, 150, 20, 50});
    EXPECT_EQ(box.VertRange(), 200);
    EXPECT_TRUE(box.VertBarVisible());
    EXPECT_FALSE(box.HorzBarVisible());
    EXPECT_EQ(box.ClientWidth(), 100 - GetSystemMetrics(SM_CXVSCROLL));

    // Exactly filling the width left beside the vertical bar needs no horizontal bar.
    auto& wide = AddChild(box, {0, 0, box.ClientWidth(), 10});
    EXPECT_FALSE(box.HorzBarVisible());
    wide.SetWidth(box.ClientWidth() + 1);
    EXPECT_TRUE(box.HorzBarVisible());
    EXPECT_EQ(box.ClientHeight(), 80 - GetSystemMetrics(SM_CYHSCROLL));

    wide.Hide();
    EXPECT_FALSE(box.HorzBarVisible());
    box.SetBounds({0, 0, 100, 250});
    EXPECT_FALSE(box.VertBarVisible());
    EXPECT_EQ(box.ClientWidth(), 100);
}

TEST_F(EvScrollBoxTest, ScrollingMovesWindowedAndWindowlessChildrenAndStaysInRange) {
    auto& box = AddBox({0, 0, 100, 80});
    auto& shape = AddChild(box, {10, 200, 20, 20});
    auto& panel = box.Add<ui::Panel>();
    panel.SetBounds({150, 10, 30, 30});
    ASSERT_TRUE(box.HorzBarVisible());
    ASSERT_TRUE(box.VertBarVisible());

    box.SetVertPosition(100);
    box.SetHorzPosition(50);
    EXPECT_EQ(box.VertPosition(), 100);
    EXPECT_EQ(shape.Bounds(), (Rect{-40, 100, 20, 20}));
    EXPECT_EQ(panel.Bounds(), (Rect{100, -90, 30, 30}));
    EXPECT_EQ(panel.WindowBounds(), (Rect{100, -90, 30, 30}));
    // Scrolled children do not change how far the content reaches.
    EXPECT_EQ(box.VertRange(), 220);
    EXPECT_EQ(box.HorzRange(), 180);

    box.SetVertPosition(10000);
    EXPECT_EQ(box.VertPosition(), 220 - box.ClientHeight());
    EXPECT_EQ(shape.Top(), 200 - box.VertPosition());
    box.SetHorzPosition(-5);
    EXPECT_EQ(box.HorzPosition(), 0);
    EXPECT_EQ(panel.Left(), 150);

    // Once the content fits, it scrolls back into place.
    box.SetBounds({0, 0, 250, 250});
    EXPECT_FALSE(box.VertBarVisible());
    EXPECT_EQ(box.VertPosition(), 0);
    EXPECT_EQ(shape.Bounds(), (Rect{10, 200, 20, 20}));
    EXPECT_EQ(panel.Bounds(), (Rect{150, 10, 30, 30}));
}

TEST_F(EvScrollBoxTest, TheBarsArrowsAndPagesScrollTheContent) {
    auto& box = AddBox({0, 0, 100, 80});
    auto& shape = AddChild(box, {0, 0, 20, 300});
    const HWND window = box.Handle();
    SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(box.VertPosition(), 8);
    SendMessageW(window, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(box.VertPosition(), 8 + 80 * 9 / 10);
    SendMessageW(window, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(box.VertPosition(), 80 * 9 / 10);
    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(box.VertPosition(), 300 - 80);
    EXPECT_EQ(shape.Top(), -220);
    SendMessageW(window, WM_VSCROLL, SB_PAGEUP, 0);
    SendMessageW(window, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(box.VertPosition(), 0);
    EXPECT_EQ(shape.Top(), 0);
    // No horizontal bar: nothing to scroll there.
    SendMessageW(window, WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(box.HorzPosition(), 0);
}

TEST_F(EvScrollBoxTest, TheContentFollowsTheThumbWhileItIsDragged) {
    auto& box = AddBox<TrackedBox>({0, 0, 100, 80});
    AddChild(box, {0, 0, 20, 400});
    const HWND window = box.Handle();
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetScrollBarInfo(window, OBJID_VSCROLL, &bar));
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    const int thumbY = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    POINT client{x, thumbY};
    ScreenToClient(window, &client);

    // The system's drag loop takes the queued moves and the release.
    for (int step = 1; step <= 3; ++step) {
        PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, PointParam(client.x, client.y + 10 * step));
    }
    PostMessageW(window, WM_LBUTTONUP, 0, PointParam(client.x, client.y + 30));
    SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, PointParam(x, thumbY));

    // A report as the thumb is taken, then one per move, each further down.
    ASSERT_GE(box.trackedTops.size(), 4u);
    const std::vector<int> moves(box.trackedTops.end() - 3, box.trackedTops.end());
    EXPECT_LT(moves[0], 0);
    EXPECT_LT(moves[1], moves[0]);
    EXPECT_LT(moves[2], moves[1]);
    EXPECT_EQ(box.Children()[0]->Top(), moves[2]);
    EXPECT_GT(box.VertPosition(), 0);
    EXPECT_EQ(box.VertPosition(), GetScrollPos(window, SB_VERT));
    EXPECT_EQ(box.Children()[0]->Top(), -box.VertPosition());
}

TEST_F(EvScrollBoxTest, AScrolledStretchedWallpaperReachesAsFarPastTheFarSidesAsItIsScrolled) {
    auto& box = AddBox({0, 0, 120, 100});
    // Far off, so that it leaves the wallpaper in view.
    AddChild(box, {280, 280, 20, 20});
    box.SetHorzPosition(40);
    box.SetVertPosition(30);
    const int width = box.ClientWidth();
    const int height = box.ClientHeight();
    // The stretch is 1:1 exactly when the destination is (-40, -30)-(width + 40, height + 30).
    box.Wallpaper().SetPicture(PictureOf(width + 80, height + 60, WhereColor));
    box.Wallpaper().SetStyle(wpStretch);
    const MemoryDib dib(width, height, RGB(0, 0, 0), true);
    SendMessageW(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    EXPECT_EQ(dib.At(0, 0), Ref(WhereColor(40, 30)));
    EXPECT_EQ(dib.At(width - 1, height - 1), Ref(WhereColor(width + 39, height + 29)));
}

TEST_F(EvScrollBoxTest, TheWallpaperMovesWithTheContentOnlyAlongVisibleBars) {
    auto& box = AddBox({0, 0, 120, 100});
    AddChild(box, {50, 280, 20, 20});
    box.SetVertPosition(30);
    ASSERT_FALSE(box.HorzBarVisible());
    box.Wallpaper().SetPicture(PictureOf(200, 200, WhereColor));
    box.Wallpaper().SetStyle(wpLeftTop);
    const MemoryDib dib(50, 50, RGB(0, 0, 0), true);
    SendMessageW(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    EXPECT_EQ(dib.At(0, 0), Ref(WhereColor(0, 30)));
    EXPECT_EQ(dib.At(5, 5), Ref(WhereColor(5, 35)));
}

TEST_F(EvScrollBoxTest, WithoutAPictureTheBoxShowsItsColourAndRepaintsOnWallpaperChanges) {
    auto& box = AddBox({0, 0, 60, 40});
    {
        const MemoryDib dib(60, 40, RGB(0, 0, 0), true);
        SendMessageW(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
        EXPECT_EQ(dib.At(30, 20), Ref(kOrange));
    }
    Pump();
    ASSERT_EQ(GetUpdateRect(box.Handle(), nullptr, FALSE), FALSE);
    box.Wallpaper().SetStyle(wpTile);
    EXPECT_EQ(GetUpdateRect(box.Handle(), nullptr, FALSE), FALSE);
    TPanelWallpaper other;
    other.SetStyle(wpCenter);
    box.SetWallpaper(other);
    EXPECT_NE(GetUpdateRect(box.Handle(), nullptr, FALSE), FALSE);
    EXPECT_EQ(box.Wallpaper().Style(), wpCenter);
}

}  // namespace
}  // namespace corvina::test
