// The menu the main window builds: pages and frames on the real screen
// (run on a 1024 x 768 screen and again on an 800 x 600 virtual desktop),
// the tab-to-page mapping, the desktop capture, the settings strip, and a
// full menu's handle budget.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "menu/frame_layout.h"
#include "support/memory_dib.h"
#include "support/message_box_answerer.h"
#include "support/recording_machine.h"
#include "support/solid_bmp.h"
#include "support/temp_folder.h"
#include "support/test_window.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/bitmap_canvas.h"
#include "ui/color.h"
#include "ui/gdi_font.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;

// "[name]" then `count` items named name + number, targets a.exe.
std::string Channel(const std::string& name, int count, const std::string& picture = "") {
    std::string text(1, '[');
    text.append(name).append("]\r\n");
    for (int i = 0; i < count; ++i)
        text.append(name).append(std::to_string(i)).append("=a.exe,").append(picture).append(",\r\n");
    return text;
}

class MenuPages : public ui::test::UiTest {
protected:
    void WriteCafeFile(const Big5& name, const std::string& big5) { WriteFileBytes(cafe_.File(name), big5); }
    void WriteMenus(const std::string& big5) { WriteCafeFile("Menus.ini", big5); }
    void WriteParams(const std::string& options) {
        WriteCafeFile("Params.ini", std::string("[Options]\r\n").append(options));
    }

    ui::FormPtr<TfSmenu> Start() {
        return ui::MakeForm<TfSmenu>(machine_, settings_, StartupOptions{cafe_.Path(), false});
    }

    // Pumps messages until the items hold their decoded pictures; false
    // when they do not come within a generous limit.
    bool AwaitPictures(const TfSmenu& menu, std::initializer_list<int> items) {
        const auto held = [&] {
            for (const int item : items) {
                if (!menu.Pictures().Holds(item)) return false;
            }
            return true;
        };
        for (int i = 0; i < 2000 && !held(); ++i) {
            Pump();
            Sleep(5);
        }
        return held();
    }

    // The picture button of item `index` on channel `channel`.
    static const TEVImageBtn& PictureButton(const TfSmenu& menu, int channel, int index) {
        for (const auto& child : menu.ChannelBox(channel).Children()) {
            const auto* button = dynamic_cast<const TEVImageBtn*>(child.get());
            if (button != nullptr && button->Tag() == index) return *button;
        }
        throw std::runtime_error("no picture button " + std::to_string(index));
    }

    test::TempFolder cafe_;
    test::RecordingMachine machine_;
    MenuSettings settings_;
    std::vector<ui::test::SeenBox> boxes_;
};

// Where the eleventh frame goes: three columns of normal frames fit 800
// pixels and four fit 1024; small frames fit four and five.
Point EleventhOrigin(FrameSize size, int screenWidth) {
    Point origin = kChannelStart;
    for (int i = 0; i < 10; ++i) origin = NextItemOrigin(size, screenWidth, origin);
    return origin;
}

TEST_F(MenuPages, TheEleventhFrameWrapsByTheScreenWidth) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    ASSERT_TRUE(screen == 800 || screen == 1024) << "run on an 800 or 1024 pixel wide screen";
    WriteMenus(Channel("A", 12));
    auto menu = Start();
    const Point origin = EleventhOrigin(FrameSize::Normal, screen);
    EXPECT_EQ(origin, screen == 1024 ? (Point{510, 365}) : (Point{257, 545}));
    EXPECT_EQ(PictureButton(*menu, 0, 10).Bounds(), PictureButtonBounds(FrameSize::Normal, origin));
    ASSERT_TRUE(AwaitPictures(*menu, {10}));
    EXPECT_EQ(PictureButton(*menu, 0, 10).Wallpaper().Picture().Width(), 208);
}

TEST_F(MenuPages, SmallFramesTakeEverySmallSizeAndPicture) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    WriteParams("FrameSmallSize=1\r\n");
    WriteMenus(Channel("A", 11));
    auto menu = Start();
    const Point origin = EleventhOrigin(FrameSize::Small, screen);
    EXPECT_EQ(origin, screen == 1024 ? (Point{4, 291}) : (Point{394, 291}));

    const auto& children = menu->ChannelBox(0).Children();
    ASSERT_EQ(children.size(), 11u * 6u) << "frame, picture button, three small buttons, caption";
    const auto& frame = dynamic_cast<const ui::Image&>(*children[60]);
    EXPECT_EQ(frame.Bounds(), FrameBounds(FrameSize::Small, origin));
    EXPECT_EQ(frame.Picture().Width(), 187);
    EXPECT_EQ(frame.Picture().Height(), 133);
    const auto& records = dynamic_cast<const TEvBtn&>(*children[62]);
    EXPECT_EQ(records.Bounds(), SmallButtonBounds(FrameSize::Small, origin, SmallButton::GameRecords));
    EXPECT_EQ(records.Tag(), 1010);
    EXPECT_EQ(records.Glyph().Width(), 15);
    EXPECT_EQ(records.Glyphfocus().Height(), 15);
    const auto& caption = dynamic_cast<const ui::Label&>(*children[65]);
    EXPECT_EQ(caption.Bounds(), CaptionLabelBounds(FrameSize::Small, origin));
    EXPECT_EQ(caption.Font().height, ui::FontHeightOfPoints(12));
    ASSERT_TRUE(AwaitPictures(*menu, {10}));
    EXPECT_EQ(PictureButton(*menu, 0, 10).Wallpaper().Picture().Width(), 162);
}

TEST_F(MenuPages, TheDesktopTabComesFirstUnlessHiddenAndTabsMapToPages) {
    WriteMenus(Channel("A", 1) + Channel("B", 2));
    {
        auto menu = Start();
        EXPECT_THAT(menu->Tabsset().Tabs(), ElementsAre(T(u8"桌　面"), "A", "B"));
        EXPECT_EQ(menu->Tabsset().TabIndex(), 1);
        EXPECT_EQ(menu->Pages().ActivePageIndex(), 1);
        EXPECT_EQ(menu->Pages().Page(1).Text(), "1");
        menu->Tabsset().SetTabIndex(2);
        EXPECT_EQ(menu->Pages().ActivePageIndex(), 2);
    }
    WriteParams("HideDeskTop=1\r\n");
    const win32::OwnedWindow standIn = test::MakeWindowOfClass(L"Progman");
    auto menu = Start();
    EXPECT_THAT(menu->Tabsset().Tabs(), ElementsAre("A", "B"));
    EXPECT_EQ(menu->Tabsset().TabIndex(), 0);
    EXPECT_EQ(menu->Pages().ActivePageIndex(), 1);
    menu->Tabsset().SetTabIndex(1);
    EXPECT_EQ(menu->Pages().ActivePageIndex(), 2);
    menu->Tabsset().SetTabIndex(0);
    EXPECT_EQ(menu->DesktopCapture(), nullptr) << "no desktop tab, no capture";
    EXPECT_TRUE(machine_.reparented.empty());
}

TEST_F(MenuPages, ATabWithoutAPageIsRefusedWithItsMessage) {
    WriteMenus(Channel("A", 1));
    auto menu = Start();
    menu->Tabsset().AddTab("lost");  // as after a build that stopped early
    {
        const ui::test::BoxAnswerer answerer(boxes_, IDOK);
        menu->Tabsset().SetTabIndex(2);
    }
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"無此頁！");
    EXPECT_EQ(menu->Tabsset().TabIndex(), 1);
    EXPECT_EQ(menu->Pages().ActivePageIndex(), 1);
}

TEST_F(MenuPages, TheDesktopIsTakenOnceIntoItsPageAndGivenBackAtTheEnd) {
    WriteMenus(Channel("A", 1));
    const win32::OwnedWindow standIn = test::MakeWindowOfClass(L"Progman");
    const HWND found = FindWindowW(L"Progman", nullptr);
    ASSERT_NE(found, nullptr);
    HWND page = nullptr;
    {
        auto menu = Start();
        EXPECT_EQ(menu->DesktopCapture(), nullptr) << "only a visit to the desktop tab takes it";
        menu->Tabsset().SetTabIndex(0);
        menu->Tabsset().SetTabIndex(1);
        menu->Tabsset().SetTabIndex(0);
        page = menu->Pages().Page(0).Handle();
        EXPECT_EQ(menu->DesktopCapture(), found);
        EXPECT_EQ(menu->Pages().ActivePageIndex(), 0);
        ASSERT_EQ(machine_.reparented.size(), 1u);
        EXPECT_EQ(machine_.reparented[0].window, found);
        EXPECT_EQ(machine_.reparented[0].parent, page);
    }
    ASSERT_EQ(machine_.reparented.size(), 2u);
    EXPECT_EQ(machine_.reparented[1].window, found);
    EXPECT_EQ(machine_.reparented[1].parent, nullptr);
    EXPECT_THAT(machine_.calls, ElementsAre("SetWindowParent(child)", "SetWindowParent(screen)", "ShowTaskbar(true)"));
}

TEST_F(MenuPages, AnUnreadablePictureGetsTheGeneratedOneAndTheBuildGoesOn) {
    CreateDirectoryW(WideFromBig5(cafe_.File("LinkBMP")).c_str(), nullptr);
    WriteCafeFile("LinkBMP\\bad.jpg", std::string("\xFF\xD8\xFF\xE0 not really a JPEG", 22));
    WriteCafeFile("LinkBMP\\odd.png", "\x89PNG\r\n\x1A\n");
    WriteMenus(Channel("A", 2, "bad.jpg") + Channel("B", 1, "odd.png") + Channel("C", 1));
    auto menu = Start();
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(menu->Pages().PageCount(), 4);
    EXPECT_EQ(menu->Items().Count(), 4);
    EXPECT_EQ(menu->Tabsset().TabIndex(), 1);
    ASSERT_TRUE(AwaitPictures(*menu, {1}));
    const ui::Picture& generated = PictureButton(*menu, 0, 1).Wallpaper().Picture();
    EXPECT_EQ(generated.Width(), 208);
    EXPECT_EQ(generated.Height(), 140);
    menu->Tabsset().SetTabIndex(2);
    ASSERT_TRUE(AwaitPictures(*menu, {2}));
    EXPECT_FALSE(PictureButton(*menu, 1, 2).Wallpaper().Picture().Empty());
}

// The composed picture of an item without one: the frame's screen area or
// the SubItemMAP picture, with the program's icon in the middle.
TEST_F(MenuPages, AnItemWithoutAPictureShowsItsProgramsIconOnTheFrameOrTheBackground) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string notepad = Big5FromWide(windows) + "\\notepad.exe";
    ASSERT_TRUE(FileExists(notepad));
    const auto itemPicture = [&](const MenuSettings& settings) {
        std::string menus("[A]\r\nplain=");
        menus.append(notepad).append(",,\r\nmissing=C:\\nowhere\\x.exe,,\r\n");
        WriteMenus(menus);
        settings_ = settings;
        return Start();
    };

    auto onFrame = itemPicture(MenuSettings{});
    ASSERT_TRUE(AwaitPictures(*onFrame, {0, 1}));
    const ui::Bitmap* withIcon = PictureButton(*onFrame, 0, 0).Wallpaper().Picture().Bitmap();
    const ui::Bitmap* plain = PictureButton(*onFrame, 0, 1).Wallpaper().Picture().Bitmap();
    ASSERT_NE(withIcon, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(withIcon->Width(), 208);
    // Outside the icon both show the frame's own screen area; in its middle
    // only the first has anything but that.
    int differing = 0;
    for (int y = 0; y < 140; y += 2) {
        for (int x = 0; x < 208; x += 2) {
            if (withIcon->Pixel({x, y}) == plain->Pixel({x, y})) continue;
            ++differing;
            EXPECT_TRUE(x >= 88 && x < 120 && y >= 54 && y < 86) << x << "," << y;
        }
    }
    EXPECT_GT(differing, 20) << "the icon is drawn at (88, 54)";
    const ui::Bitmap frame = ui::Bitmap::LoadFromResource("ITEMFRAME");
    EXPECT_EQ(plain->Pixel({0, 0}), frame.Pixel({6, 25})) << "the area under the button, from its corner";
    EXPECT_EQ(plain->Pixel({200, 130}), frame.Pixel({206, 155}));

    const Color teal = Color::Rgb(0, 128, 128);
    MenuSettings withBackground;
    withBackground.SubItemMAP = cafe_.File("back.bmp");
    WriteCafeFile("back.bmp", test::SolidBmp(4, 4, teal));
    WriteParams(std::string("SubItemMAP=").append(withBackground.SubItemMAP).append("\r\n"));
    auto onBackground = itemPicture(withBackground);
    ASSERT_TRUE(AwaitPictures(*onBackground, {1}));
    const ui::Bitmap* stretched = PictureButton(*onBackground, 0, 1).Wallpaper().Picture().Bitmap();
    ASSERT_NE(stretched, nullptr);
    EXPECT_EQ(stretched->Pixel({0, 0}), teal);
    EXPECT_EQ(stretched->Pixel({207, 139}), teal);
}

TEST_F(MenuPages, AClickOnAnItemsPictureStartsItsTargetThroughTheShell) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string notepad = Big5FromWide(windows) + "\\notepad.exe";
    std::string menus("[A]\r\nfirst=a.exe,,\r\nsecond=");
    WriteMenus(menus.append(notepad).append(",,\r\n"));
    auto menu = Start();
    menu->Show();
    Pump();
    const TEVImageBtn& second = PictureButton(*menu, 0, 1);
    ui::test::ClickAt(menu->ChannelBox(0).Handle(), second.Left() + 50, second.Top() + 50);
    ASSERT_EQ(machine_.programsRun.size(), 1u);
    EXPECT_EQ(machine_.programsRun[0].file, notepad);
}

TEST_F(MenuPages, TheStripSlidesDownStaysOverItsOwnControlsAndSlidesUpWhenLeft) {
    WriteMenus(Channel("A", 1));
    auto menu = Start();
    menu->Show();
    Pump();
    TEvPanel& strip = menu->Pnl_Chanel();
    EXPECT_EQ(strip.Top(), kStripHiddenTop);
    EXPECT_EQ(strip.Width(), menu->Width() - 201 + 2);

    const Rect onScreen = ui::test::ScreenBounds(strip.Handle());
    // Wine takes the pointer's new place from the X server, and a late
    // motion from the old place can still move it back: the pointer counts
    // as moved once it has stayed there for ten polls, however busy the
    // machine is; the strip's rules read it.
    const auto moveCursor = [this](int x, int y) {
        SetCursorPos(x, y);
        int stayed = 0;
        for (int i = 0; i < 500; ++i) {
            POINT at{};
            if (GetCursorPos(&at) && at.x == x && at.y == y) {
                if (++stayed == 10) return true;
            } else {
                if (stayed > 0) SetCursorPos(x, y);
                stayed = 0;
            }
            Sleep(10);
            Pump();
        }
        return false;
    };
    ASSERT_TRUE(moveCursor(onScreen.left + 300, onScreen.top + onScreen.height - 2));
    strip.OnMouseEnter(strip);
    EXPECT_EQ(strip.Top(), kStripShownTop);
    EXPECT_TRUE(menu->StripShown());

    const Rect group = ui::test::ScreenBounds(menu->Rg_Color().Handle());
    ASSERT_TRUE(moveCursor(group.left + 5, group.top + 10));
    strip.OnMouseLeave(menu->Rg_Color());
    EXPECT_EQ(strip.Top(), kStripShownTop) << "onto a radio group is still on the strip";
    EXPECT_TRUE(menu->StripShown());
    strip.OnMouseEnter(strip);
    EXPECT_EQ(strip.Top(), kStripShownTop);

    ASSERT_TRUE(moveCursor(onScreen.left + 300, onScreen.top + 300));
    strip.OnMouseLeave(strip);
    EXPECT_EQ(strip.Top(), kStripHiddenTop);
    EXPECT_FALSE(menu->StripShown());

    // The pointer's notices come from the X server and may arrive late,
    // after the strip has slid up: an enter from where the pointer was
    // brings nothing back down.
    strip.OnMouseEnter(menu->Rg_Color());
    strip.OnMouseEnter(strip);
    EXPECT_EQ(strip.Top(), kStripHiddenTop);
    EXPECT_FALSE(menu->StripShown());
}

TEST_F(MenuPages, TheExitButtonFollowsCanQuitAndEndsTheRun) {
    WriteParams("CanQuit=0\r\n");
    WriteMenus(Channel("A", 1));
    {
        auto menu = Start();
        EXPECT_FALSE(menu->B_Exit().Enabled());
    }
    WriteParams("CanQuit=1\r\n");
    auto menu = Start();
    EXPECT_TRUE(menu->B_Exit().Enabled());
    app_.SetMainForm(menu.get());
    menu->B_Exit().Click();
    EXPECT_TRUE(app_.Terminated());
    app_.SetMainForm(nullptr);
}

// A full menu stays far below the process's 10,000 GDI objects and window
// handles: built-in pictures are shared and frames have no windows.
TEST_F(MenuPages, AThousandItemsCostOneBitmapEachAndNoWindowEach) {
    std::string menus;
    for (int channel = 0; channel < 10; ++channel)
        menus += Channel(std::string(1, 'C').append(std::to_string(channel)), 100);
    WriteMenus(menus);
    const long bitmapsBefore = win32::GdiObject<HBITMAP>::Live();
    const long windowsBefore = win32::OwnedWindow::Live();
    {
        auto menu = Start();
        EXPECT_EQ(menu->Items().Count(), 1000);
        // The generated pictures (one each) and the shared built-in ones.
        EXPECT_LE(win32::GdiObject<HBITMAP>::Live() - bitmapsBefore, 1000 + 30);
        EXPECT_LE(win32::OwnedWindow::Live() - windowsBefore, 60);
    }
    EXPECT_EQ(win32::GdiObject<HBITMAP>::Live(), bitmapsBefore);
    EXPECT_EQ(win32::OwnedWindow::Live(), windowsBefore);
}

// A frame whose picture is not made yet paints frame and caption; its
// picture follows once its page is shown.
TEST_F(MenuPages, AFramesPictureFollowsWhenItsPageIsShown) {
    const Color teal = Color::Rgb(0, 128, 128);
    CreateDirectoryW(WideFromBig5(cafe_.File("LinkBMP")).c_str(), nullptr);
    WriteCafeFile("LinkBMP\\teal.bmp", test::SolidBmp(50, 40, teal));
    WriteMenus(Channel("A", 1) + Channel("B", 1) + Channel("C", 2, "teal.bmp"));
    auto menu = Start();
    // Its frames come while the menu is idle.
    for (int i = 0; i < 2000 && !menu->BuiltChannels().AllBuilt(); ++i) {
        Pump();
        Sleep(5);
    }
    ASSERT_TRUE(menu->BuiltChannels().AllBuilt());
    // Far from the first page: nothing made for it yet.
    EXPECT_FALSE(menu->Pictures().Holds(2));
    EXPECT_FALSE(menu->Pictures().Holds(3));

    TEVScrollBox& page = menu->ChannelBox(2);
    const TEVImageBtn& button = PictureButton(*menu, 2, 2);
    const int x = button.Left() + button.Width() / 2;
    const int y = button.Top() + button.Height() / 2;
    const auto paintedAt = [&](int atX, int atY) {
        const test::MemoryDib dib(page.ClientWidth(), page.ClientHeight(), RGB(1, 2, 3));
        page.PaintTo(dib.Dc());
        return dib.At(atX, atY);
    };
    EXPECT_EQ(paintedAt(x, y), ui::ToColorRef(kLightOrange)) << "the frame without its picture";
    const Rect frame = FrameBounds(FrameSize::Normal, kChannelStart);
    EXPECT_NE(paintedAt(frame.left + 120, frame.top + 12), ui::ToColorRef(kLightOrange)) << "the frame's caption bar";

    menu->Tabsset().SetTabIndex(3);
    ASSERT_TRUE(AwaitPictures(*menu, {2, 3}));
    EXPECT_EQ(paintedAt(x, y), ui::ToColorRef(teal));
}

// A started program in front: the decoded pictures go, and come back with
// the customer.
TEST_F(MenuPages, LosingTheForegroundLetsGoOfThePicturesAndReturningBringsThemBack) {
    WriteMenus(Channel("A", 3) + Channel("B", 3));
    auto menu = Start();
    ASSERT_TRUE(AwaitPictures(*menu, {0, 1, 2, 3}));
    EXPECT_GT(menu->Pictures().HeldBytes(), 0u);

    SendMessageW(menu->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(menu->Pictures().HeldBytes(), 0u);
    for (int item = 0; item < 3; ++item) {
        EXPECT_FALSE(menu->Pictures().Holds(item));
        EXPECT_TRUE(PictureButton(*menu, 0, item).Wallpaper().Picture().Empty());
    }
    // Late pictures of requests under way find nothing to land on.
    Pump();
    EXPECT_EQ(menu->Pictures().HeldBytes(), 0u);

    SendMessageW(menu->Handle(), WM_ACTIVATEAPP, TRUE, 0);
    ASSERT_TRUE(AwaitPictures(*menu, {0, 1, 2}));
    EXPECT_FALSE(PictureButton(*menu, 0, 2).Wallpaper().Picture().Empty());
}

}  // namespace
}  // namespace corvina
