#include "widgets/ev_page_control.h"

#include <gtest/gtest.h>

#include "support/memory_dib.h"
#include "test_pictures.h"
#include "ui/frame3d.h"
#include "ui/label.h"
#include "ui/ui_fixture.h"

namespace corvina::test {
namespace {

constexpr Color kBlack = Color::Rgb(0, 0, 0);
constexpr Color kRed = Color::Rgb(255, 0, 0);
constexpr Color kGreen = Color::Rgb(0, 255, 0);

class PageControlTest : public ui::test::UiTest {
protected:
    PageControlTest() : form_(NewForm(300, 200)) {
        pages_ = &form_->Add<TEvPageControl>();
        pages_->SetBounds({0, 0, 300, 200});
        form_->ShowInactive();
        Pump();
    }

    static void Print(const ui::WinControl& control, const MemoryDib& dib) {
        SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    }
    static bool NeedsPaint(const ui::WinControl& control) {
        return GetUpdateRect(control.Handle(), nullptr, FALSE) != FALSE;
    }
    static Rect Client(const ui::WinControl& control) {
        return {control.Left(), control.Top(), control.ClientWidth(), control.ClientHeight()};
    }

    ui::FormPtr<ui::Form> form_;
    TEvPageControl* pages_ = nullptr;
};

TEST_F(PageControlTest, ABorderlessTablessControlGivesItsActivePageEverything) {
    TEvTabSheet& first = pages_->AddPage("one");
    TEvTabSheet& second = pages_->AddPage("two");
    pages_->SetBorderstyle(TBorderStyle::bsNone);
    pages_->SetTabsVisible(false);
    first.SetBorderstyle(TBorderStyle::bsNone);
    second.SetBorderstyle(TBorderStyle::bsNone);

    EXPECT_EQ(pages_->ActivePageIndex(), 0);
    EXPECT_TRUE(first.Visible());
    EXPECT_FALSE(second.Visible());
    EXPECT_EQ(Client(first), (Rect{0, 0, 300, 200}));
    pages_->SetActivePageIndex(1);
    EXPECT_FALSE(first.Visible());
    EXPECT_EQ(Client(second), (Rect{0, 0, 300, 200}));
    pages_->SetActivePageIndex(7);
    EXPECT_EQ(pages_->ActivePageIndex(), 1);

    // The frame and the tab row come back with their settings.
    pages_->SetBorderstyle(TBorderStyle::bsSingle);
    EXPECT_EQ(second.Bounds(), (Rect{2, 2, 296, 196}));
    second.SetTabVisible(true);  // one tab alone makes the row
    pages_->SetTabsVisible(true);
    EXPECT_EQ(second.Bounds(), (Rect{2, 22, 296, 176}));
}

TEST_F(PageControlTest, TabsVisibleSetsTheTabOfEveryPageThereNow) {
    TEvTabSheet& first = pages_->AddPage("one");
    TEvTabSheet& second = pages_->AddPage("two");
    second.SetTabVisible(false);
    pages_->SetTabsVisible(false);
    EXPECT_FALSE(first.TabVisible());
    pages_->SetTabsVisible(true);
    EXPECT_TRUE(first.TabVisible());
    EXPECT_TRUE(second.TabVisible());
    TEvTabSheet& later = pages_->AddPage("three");
    later.SetTabVisible(false);
    pages_->SetTabsVisible(true);  // unchanged: nothing set
    EXPECT_FALSE(later.TabVisible());
}

TEST_F(PageControlTest, AClickOnATabChangesThePage) {
    pages_->AddPage("one");
    pages_->AddPage("two");
    int changes = 0;
    pages_->OnChange = [&changes](ui::Control&) { ++changes; };
    const EdgeRect tab = pages_->TabBounds().at(1);
    ui::test::ClickAt(pages_->Handle(), tab.left + 3, tab.top + 5);
    EXPECT_EQ(pages_->ActivePageIndex(), 1);
    ui::test::ClickAt(pages_->Handle(), tab.left + 3, tab.top + 5);
    EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, TheFramedControlPaintsAFrameAroundItsPagesAndTabs) {
    pages_->AddPage("one");
    pages_->AddPage("two");
    pages_->SetColor(kGreen);
    const MemoryDib dib(300, 200, RGB(1, 2, 3), true);
    Print(*pages_, dib);
    const EdgeRect area = pages_->PageRect();
    EXPECT_EQ(dib.At(area.left - 2, area.top + 20), Ref(ui::kHighlight));
    EXPECT_EQ(dib.At(area.right + 1, area.top + 20), Ref(ui::kShadow));
    EXPECT_EQ(dib.At(299, 10), Ref(kGreen)) << "right of the tabs";
    const EdgeRect tab = pages_->TabBounds().at(0);
    EXPECT_EQ(dib.At(tab.left, tab.top + 5), Ref(ui::kHighlight));
}

TEST_F(PageControlTest, ASheetPaintsItsPictureOverItsColour) {
    pages_->SetBorderstyle(TBorderStyle::bsNone);
    pages_->SetTabsVisible(false);
    TEvTabSheet& sheet = pages_->AddPage("one");
    sheet.SetBorderstyle(TBorderStyle::bsNone);
    sheet.SetColor(kBlack);
    {
        const MemoryDib dib(300, 200, RGB(1, 2, 3), true);
        Print(sheet, dib);
        EXPECT_EQ(dib.At(150, 100), Ref(kBlack)) << "an empty picture shows only the colour";
    }
    sheet.SetPicture(SolidPicture(320, 20, kRed));
    sheet.SetPictureAlign(TPicAlignment::cCenter);
    const MemoryDib dib(300, 200, RGB(1, 2, 3), true);
    Print(sheet, dib);
    EXPECT_EQ(dib.At(0, 90), Ref(kRed)) << "cut evenly on both sides";
    EXPECT_EQ(dib.At(299, 109), Ref(kRed));
    EXPECT_EQ(dib.At(150, 89), Ref(kBlack));
    EXPECT_EQ(dib.At(150, 110), Ref(kBlack));
}

TEST_F(PageControlTest, AlignmentRepaintsOnlyAnOriginalSizePicture) {
    TEvTabSheet& sheet = pages_->AddPage("one");
    sheet.SetPicture(SolidPicture(10, 10, kRed));
    sheet.SetPictureStyle(TPictureStyle::psStretch);
    Pump();
    ASSERT_FALSE(NeedsPaint(sheet));
    sheet.SetPictureAlign(TPicAlignment::cRight_Bottom);
    EXPECT_FALSE(NeedsPaint(sheet));
    sheet.SetPictureStyle(TPictureStyle::psOriginal);
    Pump();
    sheet.SetPictureAlign(TPicAlignment::cCenter);
    EXPECT_TRUE(NeedsPaint(sheet));
}

TEST_F(PageControlTest, TheSheetsBorderWidthKeepsItsAlignedControlsInside) {
    pages_->SetBorderstyle(TBorderStyle::bsNone);
    TEvTabSheet& sheet = pages_->AddPage("one");
    sheet.SetBorderstyle(TBorderStyle::bsNone);
    auto& top = sheet.Add<ui::Label>("top");
    top.SetAlign(ui::Align::Top);
    top.SetHeight(42);
    sheet.SetBorderWidth(5);
    EXPECT_EQ(top.Bounds(), (Rect{5, 5, sheet.ClientWidth() - 10, 42}));
    // A single border is the sunken edge, or a line without the 3D look.
    sheet.SetBorderstyle(TBorderStyle::bsSingle);
    EXPECT_NE(GetWindowLongPtrW(sheet.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    sheet.SetCtl3D(false);
    EXPECT_EQ(GetWindowLongPtrW(sheet.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(GetWindowLongPtrW(sheet.Handle(), GWL_STYLE) & WS_BORDER, 0);
}

}  // namespace
}  // namespace corvina::test
