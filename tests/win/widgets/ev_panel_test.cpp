#include "widgets/ev_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/memory_dib.h"
#include "test_pictures.h"
#include "ui/button.h"
#include "ui/shape.h"
#include "ui/ui_fixture.h"

namespace corvina::test {
namespace {

using enum TPanelWallpaperStyle;
using ui::test::MoveTo;

constexpr Color kBlue = Color::Rgb(0, 0, 255);
constexpr Color kGreen = Color::Rgb(0, 255, 0);
constexpr Color kRed = Color::Rgb(255, 0, 0);
constexpr Color kYellow = Color::Rgb(255, 255, 0);
constexpr Color kMagenta = Color::Rgb(255, 0, 255);

class EvPanelTest : public ui::test::UiTest {
protected:
    EvPanelTest() : form_(NewForm(300, 200)) {
        form_->SetColor(Color::Rgb(1, 2, 3));
        form_->ShowInactive();
        Pump();
    }

    TEvPanel& AddPanel(ui::WinControl& parent, const Rect& bounds, Color color) {
        auto& panel = parent.Add<TEvPanel>();
        panel.SetBounds(bounds);
        panel.SetBevelOuter(ui::BevelCut::None);
        panel.SetColor(color);
        return panel;
    }

    static void Print(const ui::WinControl& control, const MemoryDib& dib) {
        SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    }

    static bool NeedsPaint(const ui::WinControl& control) {
        return GetUpdateRect(control.Handle(), nullptr, FALSE) != FALSE;
    }

    ui::FormPtr<ui::Form> form_;
};

TEST_F(EvPanelTest, WithoutAPictureThePanelShowsItsColourWhateverTheStyle) {
    auto& panel = AddPanel(*form_, {0, 0, 40, 30}, kRed);
    for (auto style : {wpTile, wpStretch, wpCenter}) {
        panel.Wallpaper().SetStyle(style);
        const MemoryDib dib(40, 30, RGB(0, 0, 0), true);
        Print(panel, dib);
        EXPECT_EQ(dib.At(0, 0), Ref(kRed));
        EXPECT_EQ(dib.At(20, 15), Ref(kRed));
        EXPECT_EQ(dib.At(39, 29), Ref(kRed));
    }
}

TEST_F(EvPanelTest, BevelsAndBorderAreDrawnOverTheWallpaper) {
    auto& panel = AddPanel(*form_, {0, 0, 40, 30}, kRed);
    panel.SetBevelOuter(ui::BevelCut::Raised);
    panel.SetBorderWidth(2);
    panel.Wallpaper().SetPicture(SolidPicture(1, 1, kBlue));
    panel.Wallpaper().SetStyle(wpStretch);
    const MemoryDib dib(40, 30, RGB(0, 0, 0), true);
    Print(panel, dib);
    EXPECT_EQ(dib.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(dib.At(39, 29), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(dib.At(1, 1), Ref(kRed));  // the border, in Color
    EXPECT_EQ(dib.At(2, 2), Ref(kRed));
    EXPECT_EQ(dib.At(3, 3), Ref(kBlue));
}

TEST_F(EvPanelTest, ATransparentPanelShowsItsParentsWallpaperAndControlsUnderItsOwnWallpaper) {
    // The parent: blue on its left half, green on its right, a yellow box at (150, 60).
    auto& parent = AddPanel(*form_, {0, 0, 200, 100}, kRed);
    parent.Wallpaper().SetPicture(PictureOf(2, 1, [](int x, int) { return x == 0 ? kBlue : kGreen; }));
    parent.Wallpaper().SetStyle(wpStretch);
    auto& box = parent.Add<ui::Shape>();
    box.SetBounds({150, 60, 20, 20});
    box.SetPen({kYellow, 1, ui::PenStyle::Solid});
    box.SetBrush({kYellow, ui::BrushStyle::Solid});

    auto& panel = AddPanel(parent, {80, 10, 100, 80}, kRed);
    panel.Wallpaper().SetPicture(SolidPicture(10, 10, kMagenta));
    panel.Wallpaper().SetStyle(wpLeftTop);
    {
        const MemoryDib dib(100, 80, RGB(0, 0, 0), true);
        Print(panel, dib);
        EXPECT_EQ(dib.At(30, 30), Ref(kRed)) << "opaque at first";
    }
    panel.SetTransparent(true);
    const MemoryDib dib(100, 80, RGB(0, 0, 0), true);
    Print(panel, dib);
    EXPECT_EQ(dib.At(0, 0), Ref(kMagenta));
    EXPECT_EQ(dib.At(9, 9), Ref(kMagenta));
    EXPECT_EQ(dib.At(19, 30), Ref(kBlue));   // the parent's (99, 40)
    EXPECT_EQ(dib.At(20, 30), Ref(kGreen));  // the parent's (100, 40)
    EXPECT_EQ(dib.At(70, 50), Ref(kYellow));
    EXPECT_EQ(dib.At(69, 49), Ref(kGreen));
    EXPECT_EQ(dib.At(99, 79), Ref(kGreen));
}

TEST_F(EvPanelTest, ATransparentPanelReachingPastItsParentIsClippedToIt) {
    auto& parent = AddPanel(*form_, {0, 0, 100, 50}, kBlue);
    auto& panel = AddPanel(parent, {80, 30, 50, 50}, kRed);
    panel.SetTransparent(true);
    const MemoryDib dib(50, 50, RGB(0, 0, 0), true);
    Print(panel, dib);
    EXPECT_EQ(dib.At(0, 0), Ref(kBlue));
    EXPECT_EQ(dib.At(19, 19), Ref(kBlue));
    // Beyond the parent's client area the panel keeps its own ground.
    EXPECT_EQ(dib.At(20, 5), Ref(kRed));
    EXPECT_EQ(dib.At(5, 20), Ref(kRed));
}

TEST_F(EvPanelTest, OnlyChangesMadeThroughTheWallpaperRepaintThePanel) {
    auto& panel = AddPanel(*form_, {0, 0, 40, 30}, kRed);
    panel.Wallpaper().SetStyle(wpTile);
    Pump();
    ASSERT_FALSE(NeedsPaint(panel));

    panel.Wallpaper().SetStyle(wpTile);
    EXPECT_FALSE(NeedsPaint(panel)) << "the same style";
    panel.Wallpaper().Picture().SetBitmap(ui::Bitmap(5, 5));
    EXPECT_FALSE(NeedsPaint(panel)) << "a picture changed in place";

    panel.Wallpaper().SetStyle(wpCenter);
    EXPECT_TRUE(NeedsPaint(panel));
    Pump();
    panel.Wallpaper().SetPicture(SolidPicture(3, 3, kBlue));
    EXPECT_TRUE(NeedsPaint(panel));
    Pump();

    TPanelWallpaper other;
    other.SetStyle(wpStretch);
    panel.SetWallpaper(other);
    EXPECT_TRUE(NeedsPaint(panel));
    EXPECT_EQ(panel.Wallpaper().Style(), wpStretch);
    EXPECT_TRUE(panel.Wallpaper().Picture().Empty());
    Pump();
    panel.SetWallpaper(panel.Wallpaper());
    EXPECT_FALSE(NeedsPaint(panel)) << "its own wallpaper";
    panel.SetTransparent(false);
    EXPECT_FALSE(NeedsPaint(panel));
    panel.SetTransparent(true);
    EXPECT_TRUE(NeedsPaint(panel));
}

TEST_F(EvPanelTest, MovingOntoAButtonOnThePanelGivesThePanelLeaveThenEnter) {
    auto& panel = AddPanel(*form_, {0, 0, 200, 100}, kRed);
    auto& button = panel.Add<ui::Button>();
    button.SetBounds({100, 10, 60, 30});
    std::vector<std::string> log;
    panel.OnMouseEnter = [&](ui::Control& sender) { log.push_back(&sender == &panel ? "enter" : "enter ?"); };
    panel.OnMouseLeave = [&](ui::Control& sender) { log.push_back(&sender == &panel ? "leave" : "leave ?"); };

    MoveTo(panel.Handle(), 10, 10);
    EXPECT_EQ(std::exchange(log, {}), std::vector<std::string>{"enter"});
    MoveTo(panel.Handle(), 12, 12);
    EXPECT_TRUE(log.empty());
    // The system tells the panel the pointer left it for the button.
    SendMessageW(panel.Handle(), WM_MOUSELEAVE, 0, 0);
    MoveTo(button.Handle(), 5, 5);
    EXPECT_EQ(std::exchange(log, {}), (std::vector<std::string>{"leave", "enter"}));
    SendMessageW(button.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(std::exchange(log, {}), std::vector<std::string>{"leave"});
}

}  // namespace
}  // namespace corvina::test
