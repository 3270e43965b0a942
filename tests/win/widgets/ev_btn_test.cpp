#include "widgets/ev_btn.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/memory_dib.h"
#include "sys/win32/handles.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/panel.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using test::MemoryDib;
using ui::test::MoveTo;
using ui::test::Press;
using ui::test::Release;

constexpr Color kGround = Color::Rgb(0, 160, 0);  // the form under the buttons
constexpr Color kFace = Color::Rgb(0, 96, 224);   // the buttons' own colour
constexpr Color kRed = Color::Rgb(255, 0, 0);
constexpr Color kBlue = Color::Rgb(0, 0, 255);
constexpr Color kYellow = Color::Rgb(255, 255, 0);
constexpr Color kKey = Color::Rgb(255, 0, 255);  // a glyph's transparent corner
constexpr Color kBorder = Color::Rgb(200, 0, 100);

COLORREF Ref(Color color) { return ui::ToColorRef(color); }
COLORREF Highlight() { return GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF Shadow() { return GetSysColor(COLOR_BTNSHADOW); }

void SetPixel24(ui::Bitmap& bitmap, int x, int y, Color color) {
    std::uint8_t* p = bitmap.Pixels().Pixel(x, y);
    p[0] = color.Blue();
    p[1] = color.Green();
    p[2] = color.Red();
}

// One colour, except the bottom-left pixel that glyphs take as transparent.
ui::Bitmap Picture(int width, int height, Color fill) {
    ui::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) SetPixel24(bitmap, x, y, fill);
    }
    SetPixel24(bitmap, 0, height - 1, kKey);
    return bitmap;
}

// The smallest rectangle holding every pixel of `area` that `match` accepts.
EdgeRect Find(const MemoryDib& dib, const EdgeRect& area, const std::function<bool(COLORREF)>& match) {
    EdgeRect found{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!match(dib.At(x, y))) continue;
            found = {MinOf(found.left, x), MinOf(found.top, y), MaxOf(found.right, x + 1), MaxOf(found.bottom, y + 1)};
        }
    }
    return found;
}

EdgeRect FindColor(const MemoryDib& dib, const EdgeRect& area, Color color) {
    return Find(dib, area, [&](COLORREF c) { return c == Ref(color); });
}

bool Found(const EdgeRect& r) { return r.right > r.left; }

class EvBtnTest : public ui::test::UiTest {
protected:
    EvBtnTest() : form_(NewForm(200, 100)) {
        form_->SetColor(kGround);
        form_->ShowInactive();
        Pump();
    }

    TEvBtn& AddButton(const Rect& bounds, const Big5& caption = {}) {
        auto& button = form_->Add<TEvBtn>(caption);
        button.SetBounds(bounds);
        button.SetColor(kFace);
        return button;
    }

    // The form's client area as it paints now.
    std::unique_ptr<MemoryDib> Shot() {
        auto dib = std::make_unique<MemoryDib>(200, 100, RGB(0, 0, 0), true);
        SendMessageW(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib->Dc()), PRF_CLIENT);
        return dib;
    }

    // Whether `change` asked for any repaint of the form.
    bool Repaints(const std::function<void()>& change) {
        ValidateRect(Window(), nullptr);
        change();
        RECT rect{};
        return GetUpdateRect(Window(), &rect, FALSE) != FALSE;
    }

    // The height of a caption line and the width of a text in the button's font.
    static SIZE Measure(const TEvBtn& button, std::string_view text) {
        const MemoryDib dib(1, 1, 0);
        ui::Canvas canvas(dib.Dc());
        canvas.SetFont(button.Font());
        return {canvas.TextWidth(text), canvas.TextHeight("T")};
    }

    HWND Window() const { return form_->Handle(); }

    ui::FormPtr<ui::Form> form_;
};

// ---- properties ----

using EvBtnProperties = EvBtnTest;

TEST_F(EvBtnProperties, ANewButtonHasItsCreationValues) {
    auto& button = form_->Add<TEvBtn>();
    EXPECT_EQ(button.Width(), 30);
    EXPECT_EQ(button.Height(), 30);
    EXPECT_EQ(button.Font().face, "MS Sans Serif");
    EXPECT_EQ(button.Font().height, 13);
    EXPECT_FALSE(button.ParentFont());
    EXPECT_EQ(button.Alignment(), TAlignment::taAutoSpacing);
    EXPECT_TRUE(button.Spacing_Auto());
    EXPECT_EQ(button.Spacing(), 0);
    EXPECT_TRUE(button.Trans_Icon());
    EXPECT_TRUE(button.Press_Move());
    EXPECT_FALSE(button.Press_Focus());
    EXPECT_TRUE(button.MaptoFront());
    EXPECT_TRUE(button.Ctl3D());
    EXPECT_FALSE(button.Transparent());
    EXPECT_FALSE(button.Checked());
    EXPECT_EQ(button.Checkeffect(), TCheckeffect::efNone);
    EXPECT_EQ(button.BorderColor(), Color::Rgb(0, 0, 0));
    EXPECT_EQ(button.Layout(), TButtonLayout::blGlyphTop);
    EXPECT_EQ(button.Style(), TbuttonStyle::byNormal);
    EXPECT_TRUE(button.Caption().empty());
    EXPECT_TRUE(button.Glyph().Empty() && button.Glyphfocus().Empty() && button.GlyphDis().Empty());
}

TEST_F(EvBtnProperties, AlignmentOtherThanAutoSpacingFixesTheSpacing) {
    auto& button = AddButton({10, 10, 30, 30});
    button.SetAlignment(TAlignment::taLeft);
    EXPECT_FALSE(button.Spacing_Auto());
    EXPECT_EQ(button.Spacing(), 1);
    button.SetSpacing_Auto(true);  // ignored meanwhile
    EXPECT_FALSE(button.Spacing_Auto());
    button.SetAlignment(TAlignment::taAutoSpacing);
    EXPECT_TRUE(button.Spacing_Auto());
    button.SetSpacing_Auto(false);
    EXPECT_FALSE(button.Spacing_Auto());
}

TEST_F(EvBtnProperties, SettersRepaintOnlyForAVisibleChange) {
    auto& button = AddButton({10, 10, 30, 30}, "Go");
    EXPECT_FALSE(Repaints([&] { button.SetCaption("Go"); }));
    EXPECT_TRUE(Repaints([&] { button.SetCaption("Stop"); }));
    EXPECT_FALSE(Repaints([&] { button.SetChecked(true); }));  // efNone shows no checked look
    EXPECT_TRUE(button.Checked());
    EXPECT_TRUE(Repaints([&] { button.SetCheckeffect(TCheckeffect::efFrame); }));
    button.SetChecked(false);
    EXPECT_FALSE(Repaints([&] { button.SetCheckeffect(TCheckeffect::efDark); }));
    EXPECT_TRUE(Repaints([&] { button.SetChecked(true); }));
    EXPECT_FALSE(Repaints([&] {
        button.SetPress_Focus(true);
        button.SetPress_Move(false);
    }));
    EXPECT_TRUE(Repaints([&] { button.SetStyle(TbuttonStyle::byMs98); }));
    EXPECT_FALSE(Repaints([&] { button.SetStyle(TbuttonStyle::byMs98); }));
    EXPECT_TRUE(Repaints([&] { button.SetGlyph(Picture(4, 4, kRed)); }));
}

TEST_F(EvBtnProperties, GlyphAngleOutsideZeroTo360IsRefusedAndChangesNothing) {
    auto& button = AddButton({10, 10, 30, 30});
    button.SetGlyphAngle(90);
    for (const int angle : {361, -1}) {
        try {
            button.SetGlyphAngle(angle);
            ADD_FAILURE() << angle << " accepted";
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), "0 <= Value <=360");
        }
        EXPECT_EQ(button.GlyphAngle(), 90);
    }
    EXPECT_NO_THROW(button.SetGlyphAngle(0));
    EXPECT_NO_THROW(button.SetGlyphAngle(360));
}

// 9 × 9 turns exactly: a quarter turn takes (x, y) to (8 − y, x).
ui::Bitmap Marked() {
    ui::Bitmap bitmap = Picture(9, 9, Color::Rgb(255, 255, 255));
    SetPixel24(bitmap, 1, 2, kRed);
    return bitmap;
}

TEST_F(EvBtnProperties, AnglesTurnTheHeldPicturesByEachNewValue) {
    auto& button = AddButton({10, 10, 30, 30});
    button.SetGlyph(Marked());
    button.SetGlyphfocus(Marked());
    button.SetGlyphAngle(90);
    EXPECT_EQ(button.Glyph().Pixel({6, 1}), kRed);
    button.SetGlyphAngle(180);  // by 180 more, not by the difference
    for (const ui::Bitmap* picture : {&button.Glyph(), &button.Glyphfocus()}) {
        EXPECT_EQ(picture->Pixel({2, 7}), kRed);
        EXPECT_EQ(picture->Pixel({1, 2}), Color::Rgb(255, 255, 255));
    }
    EXPECT_TRUE(button.GlyphDis().Empty());
}

TEST_F(EvBtnProperties, ANewPictureIsTurnedOnlyStrictlyBetween0And360AndSoIsTheCallers) {
    auto& button = AddButton({10, 10, 30, 30});
    button.SetGlyphAngle(90);
    ui::Bitmap given = Marked();
    button.SetGlyphDis(given);
    EXPECT_EQ(given.Pixel({6, 1}), kRed);
    EXPECT_EQ(button.GlyphDis().Pixel({6, 1}), kRed);
    for (const int angle : {0, 360}) {
        button.SetGlyphAngle(angle);
        button.SetGlyph(Marked());
        EXPECT_EQ(button.Glyph().Pixel({1, 2}), kRed) << angle;
    }
}

// ---- looks ----

using EvBtnLook = EvBtnTest;

TEST_F(EvBtnLook, GlyphTopStacksThePictureOverTheCaptionCentredWithAutomaticSpacing) {
    auto& button = AddButton({20, 10, 60, 60}, "Go");
    button.SetGlyph(Picture(16, 16, kRed));
    const int th = static_cast<int>(Measure(button, "Go").cy);
    const int s = (60 - 16 - th) / 3;
    const int gy = (60 - (16 + th + s)) / 2;
    const auto shot = Shot();
    EXPECT_EQ(FindColor(*shot, {20, 10, 80, 70}, kRed), (EdgeRect{20 + 22, 10 + gy, 20 + 38, 10 + gy + 16}));
    EXPECT_EQ(button.Spacing(), s);
    const EdgeRect text = Find(*shot, {21, 11, 79, 69}, [](COLORREF c) { return c != Ref(kFace) && c != Ref(kRed); });
    ASSERT_TRUE(Found(text));
    EXPECT_GE(text.top, 10 + gy + 16 + s);
    EXPECT_LE(text.bottom, 10 + gy + 16 + s + th);
    EXPECT_NEAR((text.left + text.right) / 2, 50, 2);
}

TEST_F(EvBtnLook, GlyphLeftPutsThePictureBesideTheCaption) {
    auto& button = AddButton({20, 10, 90, 30}, "Go");
    button.SetGlyph(Picture(16, 16, kRed));
    button.SetLayout(TButtonLayout::blGlyphLeft);
    const SIZE size = Measure(button, "Go");
    const int tw = static_cast<int>(size.cx);
    const int s = (90 - 16 - tw) / 3;
    const int gx = (90 - (16 + tw + s)) / 2;
    const auto shot = Shot();
    EXPECT_EQ(FindColor(*shot, {20, 10, 110, 40}, kRed), (EdgeRect{20 + gx, 17, 20 + gx + 16, 33}));
    const EdgeRect text = Find(*shot, {21, 11, 109, 39}, [](COLORREF c) { return c != Ref(kFace) && c != Ref(kRed); });
    ASSERT_TRUE(Found(text));
    EXPECT_GE(text.left, 20 + gx + 16 + s);
    EXPECT_LE(text.right, 20 + gx + 16 + s + tw);

    button.SetStyle(TbuttonStyle::byNone);
    button.SetMaptoFront(false);  // the picture leaves the layout for the corner
    EXPECT_EQ(FindColor(*Shot(), {20, 10, 110, 40}, kRed), (EdgeRect{20, 10, 36, 26}));
}

TEST_F(EvBtnLook, PressMoveSinksThePictureOnePixelWhilePressed) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetGlyph(Picture(16, 16, kRed));
    const EdgeRect area{20, 10, 50, 40};
    EXPECT_EQ(FindColor(*Shot(), area, kRed), (EdgeRect{27, 17, 43, 33}));
    Press(Window(), 30, 20);
    auto shot = Shot();
    EXPECT_EQ(FindColor(*shot, area, kRed), (EdgeRect{28, 18, 44, 34}));
    EXPECT_EQ(shot->At(20, 10), Shadow());  // sunken
    Release(Window(), 30, 20);
    EXPECT_EQ(FindColor(*Shot(), area, kRed), (EdgeRect{27, 17, 43, 33}));

    button.SetPress_Move(false);
    Press(Window(), 30, 20);
    EXPECT_EQ(FindColor(*Shot(), area, kRed), (EdgeRect{27, 17, 43, 33}));
    Release(Window(), 30, 20);
}

TEST_F(EvBtnLook, TransIconLeavesTheCornerColourOutOrCopiesIt) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetGlyph(Picture(16, 16, kRed));
    EXPECT_EQ(Shot()->At(27, 32), Ref(kFace));
    button.SetTrans_Icon(false);
    EXPECT_EQ(Shot()->At(27, 32), Ref(kKey));
}

TEST_F(EvBtnLook, EfDarkCoversTheButtonWithACheckerboardInsideASunkenBevel) {
    auto& button = AddButton({20, 10, 30, 30}, "Go");
    button.SetGlyph(Picture(16, 16, kRed));
    button.SetCheckeffect(TCheckeffect::efDark);
    button.SetChecked(true);
    const auto shot = Shot();
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF silver = RGB(192, 192, 192);
    for (int y = 11; y < 39; ++y) {
        for (int x = 21; x < 48; ++x) {
            const COLORREF here = shot->At(x, y);
            ASSERT_TRUE(here == white || here == silver) << x << "," << y;
            ASSERT_NE(here, shot->At(x + 1, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(shot->At(20, 10), Shadow());
    EXPECT_EQ(shot->At(49, 39), Highlight());
}

TEST_F(EvBtnLook, EfFrameDrawsABorderColourRectangleUnderTheSunkenBevel) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetCheckeffect(TCheckeffect::efFrame);
    button.SetBorderColor(kBorder);
    button.SetChecked(true);
    button.SetStyle(TbuttonStyle::byNone);  // no bevel over it
    auto shot = Shot();
    for (const Point p : {Point{20, 10}, Point{49, 10}, Point{20, 39}, Point{49, 39}, Point{35, 10}, Point{20, 25}}) {
        EXPECT_EQ(shot->At(p.x, p.y), Ref(kBorder)) << p.x << "," << p.y;
    }
    EXPECT_EQ(shot->At(21, 11), Ref(kFace));

    button.SetStyle(TbuttonStyle::byNormal);
    shot = Shot();
    EXPECT_EQ(shot->At(20, 10), Shadow());
    EXPECT_EQ(shot->At(49, 39), Highlight());

    button.SetStyle(TbuttonStyle::byNone);
    button.SetCheckeffect(TCheckeffect::efFrameDot);
    shot = Shot();
    int framed = 0;
    for (int x = 20; x < 50; ++x) framed += shot->At(x, 10) == Ref(kBorder) ? 1 : 0;
    EXPECT_GT(framed, 0);
    EXPECT_LT(framed, 30);  // dotted
}

TEST_F(EvBtnLook, Ms98ShowsARaisedBevelOnlyWhileHoveredAndRepaintsJustItsEdges) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetStyle(TbuttonStyle::byMs98);
    EXPECT_EQ(Shot()->At(20, 10), Ref(kFace));
    MoveTo(Window(), 100, 80);

    ValidateRect(Window(), nullptr);
    MoveTo(Window(), 30, 20);
    auto shot = Shot();
    EXPECT_EQ(shot->At(20, 10), Highlight());
    EXPECT_EQ(shot->At(49, 39), Shadow());

    const win32::GdiObject<HRGN> dirty(CreateRectRgn(0, 0, 0, 0));
    ValidateRect(Window(), nullptr);
    MoveTo(Window(), 100, 80);
    shot = Shot();
    EXPECT_EQ(shot->At(20, 10), Ref(kFace));
    EXPECT_EQ(shot->At(49, 39), Ref(kFace));
    GetUpdateRgn(Window(), dirty.Get(), FALSE);
    for (const Point p : {Point{20, 10}, Point{35, 10}, Point{20, 25}, Point{49, 25}, Point{35, 39}}) {
        EXPECT_TRUE(PtInRegion(dirty.Get(), p.x, p.y)) << p.x << "," << p.y;
    }
    EXPECT_FALSE(PtInRegion(dirty.Get(), 35, 25));

    // A transparent one lets the parent's ground back onto its edges.
    button.SetTransparent(true);
    MoveTo(Window(), 30, 20);
    EXPECT_EQ(Shot()->At(20, 10), Highlight());
    MoveTo(Window(), 100, 80);
    shot = Shot();
    EXPECT_EQ(shot->At(20, 10), Ref(kGround));
    EXPECT_EQ(shot->At(35, 25), Ref(kGround));
}

TEST_F(EvBtnLook, ATransparentByNoneButtonWithOnlyAHoverPictureShowsTheParentUntilHovered) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetTransparent(true);
    button.SetStyle(TbuttonStyle::byNone);
    button.SetGlyphfocus(Picture(16, 16, kBlue));
    const EdgeRect area{20, 10, 50, 40};
    const auto notGround = [](COLORREF c) { return c != Ref(kGround); };
    EXPECT_FALSE(Found(Find(*Shot(), area, notGround)));

    MoveTo(Window(), 30, 20);
    EXPECT_EQ(Find(*Shot(), area, notGround), (EdgeRect{27, 17, 43, 33}));
    MoveTo(Window(), 100, 80);
    EXPECT_FALSE(Found(Find(*Shot(), area, notGround)));
}

TEST_F(EvBtnLook, ADisabledButtonShowsGlyphDisOrElseGlyphAndAnEngravedCaption) {
    auto& button = AddButton({20, 10, 60, 60}, "Go");
    button.SetGlyph(Picture(16, 16, kRed));
    EXPECT_TRUE(Repaints([&] { button.SetEnabled(false); }));
    const auto shot = Shot();
    const EdgeRect area{21, 11, 79, 69};
    const EdgeRect glyph = FindColor(*shot, area, kRed);
    EXPECT_EQ(glyph.right - glyph.left, 16);
    const EdgeRect caption{area.left, glyph.bottom, area.right, area.bottom};
    // Smoothed faces blend the edges: near enough counts.
    const auto alike = [](COLORREF c, COLORREF to) {
        return std::abs(GetRValue(c) - GetRValue(to)) < 40 && std::abs(GetGValue(c) - GetGValue(to)) < 40 &&
               std::abs(GetBValue(c) - GetBValue(to)) < 40;
    };
    EXPECT_TRUE(Found(Find(*shot, caption, [&](COLORREF c) { return alike(c, RGB(255, 255, 255)); })));
    EXPECT_TRUE(Found(Find(*shot, caption, [&](COLORREF c) { return alike(c, Shadow()); })));
    const auto dark = [](COLORREF c) { return GetRValue(c) < 60 && GetGValue(c) < 60 && GetBValue(c) < 60; };
    EXPECT_FALSE(Found(Find(*shot, caption, dark)));  // no caption in the font's colour

    button.SetGlyphDis(Picture(16, 16, kYellow));
    EXPECT_EQ(FindColor(*Shot(), area, kYellow), glyph);
    EXPECT_TRUE(Repaints([&] { button.SetEnabled(true); }));
    EXPECT_EQ(FindColor(*Shot(), area, kRed), glyph);
}

TEST_F(EvBtnLook, PaintingInEveryLookLeavesNoGdiObjectsBehind) {
    auto& button = AddButton({20, 10, 60, 60}, "Go");
    button.SetGlyph(Picture(16, 16, kRed));
    button.SetTrans_Icon(false);
    const auto live = [] {
        return std::vector<long>{win32::GdiObject<HBITMAP>::Live(), win32::GdiObject<HPEN>::Live(),
                                 win32::GdiObject<HBRUSH>::Live(), win32::GdiObject<HFONT>::Live(),
                                 win32::OwnedDC::Live()};
    };
    const std::vector<long> before = live();
    button.SetCheckeffect(TCheckeffect::efDark);
    button.SetChecked(true);
    (void)Shot();
    button.SetCheckeffect(TCheckeffect::efFrameDot);
    button.SetCtl3D(false);
    (void)Shot();
    button.SetEnabled(false);
    (void)Shot();
    EXPECT_EQ(live(), before);
}

// ---- events ----

using EvBtnEvents = EvBtnTest;

TEST_F(EvBtnEvents, ALeaveHandlerThatClearsDisFocusKeepsTheHoverLook) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetStyle(TbuttonStyle::byMs98);
    std::vector<bool> offered;
    bool keep = true;
    button.OnMouseLeave = [&](ui::Control& sender, bool& disFocus) {
        EXPECT_EQ(&sender, &button);
        offered.push_back(disFocus);
        if (keep) disFocus = false;
    };
    MoveTo(Window(), 30, 20);
    MoveTo(Window(), 100, 80);
    EXPECT_EQ(Shot()->At(20, 10), Highlight());
    // The next leave finds it still hovered and asks again.
    keep = false;
    MoveTo(Window(), 30, 20);
    MoveTo(Window(), 100, 80);
    EXPECT_EQ(Shot()->At(20, 10), Ref(kFace));
    EXPECT_EQ(offered, (std::vector<bool>{true, true}));
}

TEST_F(EvBtnEvents, PressFocusShowsTheHoverPictureOnlyWhilePressed) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetGlyph(Picture(16, 16, kRed));
    button.SetGlyphfocus(Picture(16, 16, kBlue));
    button.SetPress_Focus(true);
    button.SetPress_Move(false);  // so that only the hover picture asks for the repaint
    const EdgeRect area{20, 10, 50, 40};
    MoveTo(Window(), 30, 20);
    EXPECT_TRUE(Found(FindColor(*Shot(), area, kRed)));
    EXPECT_TRUE(Repaints([&] { Press(Window(), 30, 20); }));
    EXPECT_EQ(FindColor(*Shot(), area, kBlue), (EdgeRect{27, 17, 43, 33}));
    Release(Window(), 30, 20);
    const auto shot = Shot();
    EXPECT_TRUE(Found(FindColor(*shot, area, kRed)));
    EXPECT_FALSE(Found(FindColor(*shot, area, kBlue)));

    button.SetPress_Focus(false);  // plain hover shows it now
    MoveTo(Window(), 100, 80);
    MoveTo(Window(), 30, 20);
    EXPECT_TRUE(Found(FindColor(*Shot(), area, kBlue)));
}

// Hears what its children's pointer notifications tell it.
class RecordingPanel : public ui::Panel {
public:
    RecordingPanel(ui::WinControl& parent, std::vector<std::string>& log) : Panel(parent), log_(log) {}
    void MouseEntered(ui::Control& source) override {
        log_.push_back(&source == this ? "panel enter" : "panel hears enter");
        Panel::MouseEntered(source);
    }
    void MouseLeft(ui::Control& source) override {
        log_.push_back(&source == this ? "panel leave" : "panel hears leave");
        Panel::MouseLeft(source);
    }

private:
    std::vector<std::string>& log_;
};

using Log = std::vector<std::string>;

TEST_F(EvBtnEvents, EnterAndLeaveReachTheParentAndTheHandlers) {
    Log log;
    auto& panel = form_->Add<RecordingPanel>(log);
    panel.SetBounds({0, 0, 150, 80});
    auto& button = panel.Add<TEvBtn>();
    button.SetBounds({20, 10, 30, 30});
    button.OnMouseEnter = [&](ui::Control& sender) { log.push_back(&sender == &button ? "enter" : "?"); };
    button.OnMouseLeave = [&](ui::Control&, bool&) { log.push_back("leave"); };

    MoveTo(panel.Handle(), 30, 20);
    MoveTo(panel.Handle(), 5, 5);
    EXPECT_EQ(log, (Log{"panel hears enter", "enter", "panel hears leave", "leave", "panel enter"}));
}

TEST_F(EvBtnEvents, CheckeffectMakesAClickToggleCheckedAndEfNoneNever) {
    auto& button = AddButton({20, 10, 30, 30});
    int clicks = 0;
    button.OnClick = [&](ui::Control&) { ++clicks; };
    ui::test::ClickAt(Window(), 30, 20);
    EXPECT_FALSE(button.Checked());
    button.SetCheckeffect(TCheckeffect::efFrame);
    ui::test::ClickAt(Window(), 30, 20);
    EXPECT_TRUE(button.Checked());
    ui::test::ClickAt(Window(), 30, 20);
    EXPECT_FALSE(button.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(EvBtnEvents, DraggingOffAPressedButtonLeavesItRaisesItAndDoesNotClick) {
    auto& button = AddButton({20, 10, 30, 30});
    button.SetGlyph(Picture(16, 16, kRed));
    int clicks = 0;
    int leaves = 0;
    button.OnClick = [&](ui::Control&) { ++clicks; };
    button.OnMouseLeave = [&](ui::Control&, bool&) { ++leaves; };
    const EdgeRect area{20, 10, 50, 40};
    MoveTo(Window(), 30, 20);
    Press(Window(), 30, 20);
    MoveTo(Window(), 100, 80);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(FindColor(*Shot(), area, kRed), (EdgeRect{27, 17, 43, 33}));
    // Back over it, still held: hovered again but no longer pressed.
    MoveTo(Window(), 30, 20);
    MoveTo(Window(), 100, 80);
    Release(Window(), 100, 80);
    EXPECT_EQ(leaves, 2);
    EXPECT_EQ(clicks, 0);
}

TEST_F(EvBtnEvents, TheCaptionsAcceleratorClicksTheButton) {
    auto& button = AddButton({20, 10, 60, 30}, "&Go");
    int clicks = 0;
    button.OnClick = [&](ui::Control&) { ++clicks; };
    const auto post = [&](UINT message, wchar_t key) {
        PostMessageW(Window(), message, key, 0);
        Pump();
    };
    post(WM_CHAR, L'g');
    EXPECT_EQ(clicks, 1);
    post(WM_SYSCHAR, L'G');
    EXPECT_EQ(clicks, 2);
    post(WM_CHAR, L'x');
    EXPECT_EQ(clicks, 2);
    button.SetEnabled(false);
    post(WM_CHAR, L'g');
    EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace corvina
