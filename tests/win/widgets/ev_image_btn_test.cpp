#include "widgets/ev_image_btn.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/memory_dib.h"
#include "ui/bitmap.h"
#include "ui/color.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using test::MemoryDib;

constexpr Color kGround = Color::Rgb(0, 160, 0);
constexpr Color kFace = Color::Rgb(0, 96, 224);
constexpr Color kPicture = Color::Rgb(250, 200, 0);

COLORREF Ref(Color color) { return ui::ToColorRef(color); }
COLORREF Highlight() { return GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF Shadow() { return GetSysColor(COLOR_BTNSHADOW); }

ui::Picture SolidPicture(int width, int height, Color color) {
    ui::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = bitmap.Pixels().Pixel(x, y);
            p[0] = color.Blue();
            p[1] = color.Green();
            p[2] = color.Red();
        }
    }
    ui::Picture picture;
    picture.SetBitmap(std::move(bitmap));
    return picture;
}

class EvImageBtn : public ui::test::UiTest {
protected:
    EvImageBtn() : form_(NewForm(120, 80)) {
        form_->SetColor(kGround);
        button_ = &form_->Add<TEVImageBtn>();
        button_->SetBounds({10, 10, 60, 40});
        button_->SetColor(kFace);
        TPanelWallpaper wallpaper;
        wallpaper.SetPicture(SolidPicture(8, 8, kPicture));
        wallpaper.SetStyle(TPanelWallpaperStyle::wpStretch);
        button_->SetWallpaper(wallpaper);
        form_->ShowInactive();
        Pump();
    }

    std::unique_ptr<MemoryDib> Shot() {
        auto dib = std::make_unique<MemoryDib>(120, 80, RGB(0, 0, 0), true);
        SendMessageW(form_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib->Dc()), PRF_CLIENT);
        return dib;
    }

    HWND Window() const { return form_->Handle(); }

    ui::FormPtr<ui::Form> form_;
    TEVImageBtn* button_ = nullptr;
};

TEST_F(EvImageBtn, AtRestTheOuterRingShowsTheParentAndTheFrameLineSitsInside) {
    const auto dib = Shot();
    EXPECT_EQ(dib->At(10, 10), Ref(kGround));  // outermost ring: the parent
    EXPECT_EQ(dib->At(40, 10), Ref(kGround));
    EXPECT_EQ(dib->At(11, 11), RGB(0, 0, 0));  // frame line one pixel in
    EXPECT_EQ(dib->At(68, 48), RGB(0, 0, 0));
    EXPECT_EQ(dib->At(12, 12), Ref(kPicture));  // picture from two pixels in
    EXPECT_EQ(dib->At(67, 47), Ref(kPicture));  // ... to two pixels before the far edges
}

TEST_F(EvImageBtn, HoverRaisesPressSinksAndLeavingRepaintsOnlyTheRing) {
    ui::test::MoveTo(Window(), 30, 20);
    Pump();
    EXPECT_TRUE(button_->Hovered());
    auto dib = Shot();
    EXPECT_EQ(dib->At(10, 10), Highlight());
    EXPECT_EQ(dib->At(69, 49), Shadow());

    ui::test::Press(Window(), 30, 20);
    dib = Shot();
    EXPECT_EQ(dib->At(10, 10), Shadow());
    EXPECT_EQ(dib->At(69, 49), Highlight());

    ui::test::Release(Window(), 30, 20);
    dib = Shot();
    EXPECT_EQ(dib->At(10, 10), Highlight());  // still over it: raised again

    ui::test::MoveTo(Window(), 100, 70);
    Pump();
    EXPECT_FALSE(button_->Hovered());
    dib = Shot();
    EXPECT_EQ(dib->At(10, 10), Ref(kGround));
}

TEST_F(EvImageBtn, LeavingInvalidatesTheRingAndNotThePicture) {
    ui::test::MoveTo(Window(), 30, 20);
    Pump();
    ValidateRect(Window(), nullptr);
    ui::test::MoveTo(Window(), 100, 70);
    const win32::GdiObject<HRGN> update(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(Window(), update.Get(), FALSE);
    EXPECT_TRUE(PtInRegion(update.Get(), 10, 10));
    EXPECT_TRUE(PtInRegion(update.Get(), 69, 30));
    EXPECT_FALSE(PtInRegion(update.Get(), 30, 20));
}

TEST_F(EvImageBtn, ADisabledButtonShowsNoHoverBevelAndNoFrameLineWhenAskedNot) {
    button_->SetEnabled(false);
    button_->SetFrameLine(false);
    ui::test::MoveTo(Window(), 30, 20);
    Pump();
    EXPECT_FALSE(button_->Hovered());
    const auto dib = Shot();
    EXPECT_EQ(dib->At(10, 10), Ref(kGround));
    EXPECT_EQ(dib->At(11, 11), Ref(kFace));  // no frame line: the ground colour
    EXPECT_EQ(dib->At(12, 12), Ref(kPicture));
}

}  // namespace
}  // namespace corvina
