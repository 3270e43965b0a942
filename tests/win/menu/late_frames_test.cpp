// Pages whose frames are built after start, while the menu is idle or on
// their first show: their items look and act exactly as those of the page
// built at start (the picture starts the item, the small buttons list its
// links, show its note and offer its records).

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "menu/frame_layout.h"
#include "support/recording_machine.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/ui_fixture.h"
#include "widgets/popup_box.h"
#include "widgets/popup_driver.h"
#include "widgets/text_box.h"

namespace corvina {
namespace {

using test::BoxDriver;
using test::PutCursor;
using ui::test::MoveTo;
using ui::test::PointParam;

constexpr int kChannels = 3;
constexpr int kPerChannel = 4;
constexpr int kLongChannel = 60;  // more than one screen of frames

class LateFrames : public ui::test::UiTest {
protected:
    // Channels A, B, C of four items each; every item a program of its own
    // with its links and its note.
    LateFrames() { WriteMenu({kPerChannel, kPerChannel, kPerChannel}); }

    void WriteMenu(const std::vector<int>& perChannel) {
        firstItems_ = {0};
        std::string menus;
        for (int channel = 0; channel < kChannels; ++channel) {
            menus.append("[").append(1, static_cast<char>('A' + channel)).append("]\r\n");
            const int count = perChannel[static_cast<std::size_t>(channel)];
            firstItems_.push_back(firstItems_.back() + count);
            for (int i = 0; i < count; ++i) {
                const std::string caption = Caption(FirstItem(channel) + i);
                WriteFileBytes(cafe_.File(caption + ".exe"), "MZ");
                WriteFileBytes(
                    cafe_.File(caption + ".ini"),
                    "[Memo]\r\nm=note of " + caption + "\r\n[WebLink]\r\nhome=http://" + caption + ".example/\r\n");
                menus.append(caption).append("=").append(caption).append(".exe,,\r\n");
            }
        }
        WriteFileBytes(cafe_.File("Menus.ini"), menus);
    }

    static std::string Caption(int item) { return "game" + std::to_string(item); }
    int FirstItem(int channel) const { return firstItems_[static_cast<std::size_t>(channel)]; }

    ui::FormPtr<TfSmenu> Start() {
        return ui::MakeForm<TfSmenu>(machine_, settings_, StartupOptions{cafe_.Path(), false});
    }

    // Pumps messages until every page has its frames; false when they do
    // not come within a generous limit.
    bool AwaitAllFrames(const TfSmenu& menu) {
        for (int i = 0; i < 2000 && !menu.BuiltChannels().AllBuilt(); ++i) {
            Pump();
            Sleep(5);
        }
        return menu.BuiltChannels().AllBuilt();
    }

    // The control of `channel`'s page with this tag and type.
    template <typename Control>
    static Control* Find(const TfSmenu& menu, int channel, std::intptr_t tag) {
        for (const auto& child : menu.ChannelBox(channel).Children()) {
            auto* control = dynamic_cast<Control*>(child.get());
            if (control != nullptr && control->Tag() == tag) return control;
        }
        return nullptr;
    }

    // Item `item`'s frame lies where the layout puts it on the page as it is
    // scrolled, whenever it was built.
    void ExpectFrameInPlace(const TfSmenu& menu, int channel, int item) const {
        Point origin = kChannelStart;
        for (int i = 0; i < item - FirstItem(channel); ++i)
            origin = NextItemOrigin(FrameSize::Normal, GetSystemMetrics(SM_CXSCREEN), origin);
        origin.y -= menu.ChannelBox(channel).VertPosition();
        const TEVImageBtn* picture = Find<TEVImageBtn>(menu, channel, item);
        ASSERT_NE(picture, nullptr) << item;
        EXPECT_EQ(picture->Bounds(), PictureButtonBounds(FrameSize::Normal, origin)) << item;
        for (const SmallButton kind : kSmallButtons) {
            const TEvBtn* button = Find<TEvBtn>(menu, channel, ItemButtonCode(kind, item));
            ASSERT_NE(button, nullptr) << item;
            EXPECT_EQ(button->Bounds(), SmallButtonBounds(FrameSize::Normal, origin, kind)) << item;
        }
    }

    // The channel's tab, after the desktop's when there is one.
    static void ShowChannel(TfSmenu& menu, int channel) {
        const bool desktopTab = static_cast<int>(menu.Tabsset().Tabs().size()) > kChannels;
        menu.Tabsset().SetTabIndex(channel + (desktopTab ? 1 : 0));
        ASSERT_EQ(menu.Pages().ActivePageIndex(), channel + 1);
    }

    // The pointer onto a small button of the shown page; its hover runs the popup until it closes.
    void Hover(const TfSmenu& menu, int channel, const TEvBtn& button) {
        const HWND page = menu.ChannelBox(channel).Handle();
        SendMessageW(page, WM_MOUSELEAVE, 0, 0);
        MoveTo(page, button.Left() + button.Width() / 2, button.Top() + button.Height() / 2);
    }

    // Everything item `item` does, on its page `channel` shown now.
    void ExpectItemActs(const TfSmenu& menu, int channel, int item) {
        const std::string caption = Caption(item);
        const HWND page = menu.ChannelBox(channel).Handle();
        const TEVImageBtn* picture = Find<TEVImageBtn>(menu, channel, item);
        ASSERT_NE(picture, nullptr);
        machine_.programsRun.clear();
        ui::test::ClickAt(page, picture->Left() + 50, picture->Top() + 50);
        ASSERT_EQ(machine_.programsRun.size(), 1u) << caption;
        EXPECT_EQ(machine_.programsRun[0].file, cafe_.File(caption + ".exe"));

        machine_.webPagesOpened.clear();
        BoxDriver<TPopMenuBOX> links(L"TPopMenuBOX", {[&](TPopMenuBOX& popup) {
                                         const EdgeRect cell = *popup.Grid().CellRect(1, 0);
                                         const int x = cell.left + 5;
                                         const int y = (cell.top + cell.bottom) / 2;
                                         MoveTo(popup.Grid().Handle(), x, y);
                                         SendMessageW(popup.Grid().Handle(), WM_LBUTTONUP, 0, PointParam(x, y));
                                         return true;
                                     }});
        Hover(menu, channel, *Find<TEvBtn>(menu, channel, ItemButtonCode(SmallButton::WebLinks, item)));
        EXPECT_EQ(machine_.webPagesOpened, std::vector<Big5>{"http://" + caption + ".example/"});

        Big5 note;
        BoxDriver<THintBoX> notes(L"THintBoX", {[&](THintBoX& box) {
                                      note = box.Label().Caption();
                                      SendMessageW(page, WM_MOUSELEAVE, 0, 0);
                                      PutCursor({5, 590});
                                      return true;
                                  }});
        Hover(menu, channel, *Find<TEvBtn>(menu, channel, ItemButtonCode(SmallButton::Note, item)));
        EXPECT_EQ(note, " note of " + caption + "\r");

        int recordChoices = 0;
        BoxDriver<TPopMenuBOX> records(L"TPopMenuBOX", {[&](TPopMenuBOX& popup) {
                                           recordChoices = popup.Grid().RowCount();
                                           // Away from the popup: neither choice.
                                           PutCursor({5, 590});
                                           return true;
                                       }});
        Hover(menu, channel, *Find<TEvBtn>(menu, channel, ItemButtonCode(SmallButton::GameRecords, item)));
        EXPECT_EQ(recordChoices, 2) << "load and save";
        EXPECT_FALSE(IsPopupBoxOpen());
    }

    test::TempFolder cafe_;
    std::vector<int> firstItems_;  // by channel, and the count at the end
    test::RecordingMachine machine_;
    MenuSettings settings_;
};

TEST_F(LateFrames, OnlyTheFirstPageHasFramesAtStartTheOthersFollowWhileTheMenuIsIdle) {
    auto menu = Start();
    // Every item is in the table from the start: its number never changes.
    EXPECT_EQ(menu->Items().Count(), kChannels * kPerChannel);
    EXPECT_TRUE(menu->BuiltChannels().Built(0));
    for (int item = 0; item < kPerChannel; ++item) ExpectFrameInPlace(*menu, 0, item);
    EXPECT_FALSE(menu->BuiltChannels().Built(1));
    // Nor have the other pages their windows yet.
    EXPECT_FALSE(menu->Pages().PageMade(2));
    EXPECT_FALSE(menu->Pages().PageMade(3));

    // No click needed: the idle steps build the rest.
    ASSERT_TRUE(AwaitAllFrames(*menu));
    for (int channel = 1; channel < kChannels; ++channel) {
        EXPECT_TRUE(menu->Pages().PageMade(channel + 1));
        EXPECT_EQ(menu->ChannelBox(channel).Children().size(), static_cast<std::size_t>(kPerChannel * 6));
        for (int i = 0; i < kPerChannel; ++i) ExpectFrameInPlace(*menu, channel, channel * kPerChannel + i);
    }
    EXPECT_TRUE(errors_.empty());
}

// A first page longer than the screen shows with its first screen of frames
// and the row below only; scrolling it before the idle steps have finished it brings the rest
// at once, each in its place, and an item far down acts as one built at start.
TEST_F(LateFrames, AFirstPageLongerThanTheScreenStartsWithItsFirstScreenAndScrollingBringsTheRest) {
    WriteMenu({kLongChannel, kPerChannel, kPerChannel});
    auto menu = Start();
    TEVScrollBox& page = menu->ChannelBox(0);
    const int inView = FramesInView(FrameSize::Normal, GetSystemMetrics(SM_CXSCREEN),
                                    page.ClientHeight() + FrameSizeValues(FrameSize::Normal).height);
    ASSERT_GT(inView, 0);
    ASSERT_LT(inView, kLongChannel);
    EXPECT_EQ(menu->BuiltChannels().BuiltCount(0), inView);
    EXPECT_EQ(page.Children().size(), static_cast<std::size_t>(inView * 6));
    menu->Show();

    // Down the length the page has at first: the rest comes, below the frames moved up.
    SendMessageW(page.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    ASSERT_GT(page.VertPosition(), 0);
    EXPECT_TRUE(menu->BuiltChannels().Built(0));
    for (const int item : {0, inView - 1, inView, kLongChannel - 1}) ExpectFrameInPlace(*menu, 0, item);
    SendMessageW(page.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    ExpectFrameInPlace(*menu, 0, kLongChannel - 1);
    ExpectItemActs(*menu, 0, kLongChannel - 1);
    EXPECT_TRUE(errors_.empty());
}

// The customer turns to the last tab before the idle steps reach it: the
// page is built as it shows, and acts as the page built at start.
TEST_F(LateFrames, AnItemOnAPageBuiltOnItsFirstShowActsAsOneBuiltAtStart) {
    WriteFileBytes(cafe_.File("Params.ini"),
                   "[Options]\r\nBackGroudColor=clRed\r\nBackGroudColor1=clLime\r\n"
                   "BackGroud2=gone.jpg\r\nBackGroudColor2=clBlue\r\n");
    auto menu = Start();
    menu->Show();
    ASSERT_FALSE(menu->Pages().PageMade(3));
    ShowChannel(*menu, 2);
    ASSERT_TRUE(menu->BuiltChannels().Built(2));
    EXPECT_EQ(menu->ChannelBox(2).Color(), Color::Rgb(0, 0, 255)) << "its own colour, as at start";
    EXPECT_TRUE(menu->ChannelBox(2).Wallpaper().Picture().Empty()) << "its picture is missing: the colour stays";
    ExpectFrameInPlace(*menu, 2, 2 * kPerChannel + 3);
    ExpectItemActs(*menu, 2, 2 * kPerChannel + 3);

    ShowChannel(*menu, 0);
    ExpectItemActs(*menu, 0, 1);
    EXPECT_TRUE(errors_.empty());
}

// Built by an idle step, then shown: the same.
TEST_F(LateFrames, AnItemOnAPageBuiltWhileIdleActsAsOneBuiltAtStart) {
    auto menu = Start();
    menu->Show();
    ASSERT_TRUE(AwaitAllFrames(*menu));
    ShowChannel(*menu, 1);
    ExpectItemActs(*menu, 1, kPerChannel);
    EXPECT_TRUE(errors_.empty());
}

}  // namespace
}  // namespace corvina
