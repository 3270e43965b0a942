#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/memory_dib.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/graphic_control.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/shape.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

constexpr corvina::Color kRed = corvina::Color::Rgb(255, 0, 0);
constexpr corvina::Color kBlue = corvina::Color::Rgb(0, 0, 255);
constexpr corvina::Color kGreen = corvina::Color::Rgb(0, 255, 0);
constexpr corvina::Color kYellow = corvina::Color::Rgb(255, 255, 0);

// Paints far beyond its own bounds: the host must clip it.
class Spill : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void Paint(Canvas& canvas) override {
        canvas.SetBrushColor(kYellow);
        canvas.FillRect({-1000, -1000, 1000, 1000});
        canvas.SetPixel({0, 0}, kBlue);
    }
};

class Throws : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void Paint(Canvas&) override { throw std::runtime_error("paint failed"); }
};

// Fills its bounds and says so, or notes which of its points it may draw.
class Probe : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void Paint(Canvas& canvas) override {
        ++paints;
        canvas.SetBrushColor(color);
        canvas.FillRect({0, 0, Width(), Height()});
        drawable.clear();
        for (const Point& point : probes) drawable.push_back(PtVisible(canvas.Handle(), point.x, point.y) != FALSE);
    }
    EdgeRect OpaqueArea() const override { return opaque ? EdgeRect{0, 0, Width(), Height()} : EdgeRect{}; }

    corvina::Color color = kBlue;
    bool opaque = false;
    int paints = 0;
    std::vector<Point> probes;
    std::vector<bool> drawable;
};

Shape& AddBox(WinControl& parent, const Rect& bounds, corvina::Color color) {
    auto& shape = parent.Add<Shape>();
    shape.SetBounds(bounds);
    shape.SetPen({color, 1, PenStyle::Solid});
    shape.SetBrush({color, BrushStyle::Solid});
    return shape;
}

class Painting : public UiTest {
protected:
    Painting() : form_(NewForm(200, 100)) { form_->SetColor(kRed); }

    // The form's client area as WM_PRINTCLIENT paints it.
    void Print(const corvina::test::MemoryDib& dib) {
        SendMessageW(form_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    }

    FormPtr<Form> form_;
};

TEST_F(Painting, WindowlessChildrenPaintInZOrderOverTheirHost) {
    AddBox(*form_, {10, 10, 50, 50}, kBlue);
    AddBox(*form_, {30, 30, 50, 50}, kGreen);
    const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
    Print(dib);
    EXPECT_EQ(dib.At(5, 5), ToColorRef(kRed));
    EXPECT_EQ(dib.At(15, 15), ToColorRef(kBlue));
    EXPECT_EQ(dib.At(40, 40), ToColorRef(kGreen));  // the later one lies on top
    EXPECT_EQ(dib.At(70, 70), ToColorRef(kGreen));
    EXPECT_EQ(dib.At(199, 99), ToColorRef(kRed));
}

TEST_F(Painting, BringingToFrontAndSendingToBackChangeThePaintOrder) {
    auto& blue = AddBox(*form_, {10, 10, 50, 50}, kBlue);
    auto& green = AddBox(*form_, {30, 30, 50, 50}, kGreen);
    form_->BringToFront(blue);
    {
        const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
        Print(dib);
        EXPECT_EQ(dib.At(40, 40), ToColorRef(kBlue));
    }
    form_->SendToBack(blue);
    EXPECT_EQ(form_->Children().front().get(), &blue);
    EXPECT_EQ(form_->Children().back().get(), &green);
    const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
    Print(dib);
    EXPECT_EQ(dib.At(40, 40), ToColorRef(kGreen));
}

TEST_F(Painting, EachChildDrawsFromItsOwnOriginAndIsClippedToItsBounds) {
    auto& spill = form_->Add<Spill>();
    spill.SetBounds({100, 20, 30, 40});
    AddBox(*form_, {0, 0, 10, 10}, kBlue);  // painted after the spill, not disturbed by its origin
    const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
    Print(dib);
    EXPECT_EQ(dib.At(100, 20), ToColorRef(kBlue));
    EXPECT_EQ(dib.At(101, 21), ToColorRef(kYellow));
    EXPECT_EQ(dib.At(129, 59), ToColorRef(kYellow));
    EXPECT_EQ(dib.At(99, 20), ToColorRef(kRed));
    EXPECT_EQ(dib.At(130, 30), ToColorRef(kRed));
    EXPECT_EQ(dib.At(110, 60), ToColorRef(kRed));
    EXPECT_EQ(dib.At(110, 19), ToColorRef(kRed));
    EXPECT_EQ(dib.At(5, 5), ToColorRef(kBlue));
}

TEST_F(Painting, HiddenChildrenAndWindowedChildrenAreLeftOut) {
    AddBox(*form_, {10, 10, 20, 20}, kBlue).Hide();
    auto& panel = form_->Add<Panel>();
    panel.SetBounds({100, 10, 50, 50});
    panel.SetColor(kGreen);
    const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
    Print(dib);
    EXPECT_EQ(dib.At(15, 15), ToColorRef(kRed));
    // The panel paints its own window; the host's buffer has its own ground there.
    EXPECT_EQ(dib.At(120, 30), ToColorRef(kRed));
}

TEST_F(Painting, AFailingChildIsReportedAndTheOthersStillPaint) {
    auto& broken = form_->Add<Throws>();
    broken.SetBounds({0, 0, 50, 50});
    AddBox(*form_, {10, 10, 20, 20}, kBlue);
    const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
    Print(dib);
    EXPECT_EQ(dib.At(15, 15), ToColorRef(kBlue));
    EXPECT_EQ(errors_, std::vector<std::string>{"paint failed"});
}

TEST_F(Painting, AParentColorFollowsTheParentAndAnOwnColorStays) {
    auto& panel = form_->Add<Panel>();
    panel.SetBevelOuter(BevelCut::None);
    panel.SetBounds({0, 0, 60, 60});
    auto& label = panel.Add<Label>();
    label.SetBounds({0, 0, 10, 10});
    EXPECT_EQ(label.Color(), kRed);
    panel.SetColor(kBlue);
    EXPECT_EQ(label.Color(), kBlue);
    label.SetColor(kGreen);
    panel.SetColor(kYellow);
    EXPECT_EQ(label.Color(), kGreen);
    EXPECT_FALSE(label.ParentColor());
    label.SetParentColor(true);
    EXPECT_EQ(label.Color(), kYellow);

    corvina::test::MemoryDib dib(60, 60, RGB(0, 0, 0), true);
    SendMessageW(panel.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    EXPECT_EQ(dib.At(30, 30), ToColorRef(kYellow));
}

TEST_F(Painting, APanelBevelIsLightAboveAndDarkBelowAndTheCaptionIsDrawn) {
    auto& panel = form_->Add<Panel>("WWW");
    panel.SetBounds({0, 0, 100, 40});
    panel.SetColor(kBlue);
    panel.SetFont(Font(DefaultFontFace(), 16, FontStyle::None, corvina::Color::Rgb(255, 255, 255)));
    corvina::test::MemoryDib dib(100, 40, RGB(0, 0, 0), true);
    SendMessageW(panel.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_CLIENT);
    EXPECT_EQ(dib.At(50, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(dib.At(0, 20), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(dib.At(50, 39), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(dib.At(99, 20), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(dib.At(5, 20), ToColorRef(kBlue));
    // Centred text: ink in the middle, none near the sides.
    int middle = 0;
    int sides = 0;
    for (int y = 1; y < 39; ++y) {
        for (int x = 1; x < 99; ++x) {
            if (dib.At(x, y) == ToColorRef(kBlue)) continue;
            (x >= 30 && x < 70 ? middle : sides) += 1;
        }
    }
    EXPECT_GT(middle, 20);
    EXPECT_EQ(sides, 0);
}

TEST_F(Painting, ASingleBorderIsAFramePixelOutsideTheClientAreaThatAlignedChildrenKeepClearOf) {
    auto& panel = form_->Add<Panel>();
    panel.SetBounds({0, 0, 60, 30});
    auto& filler = panel.Add<Panel>();
    filler.SetAlign(Align::Client);
    panel.SetBorderStyle(PanelBorder::Single);
    EXPECT_EQ(panel.ClientWidth(), 58);
    EXPECT_EQ(panel.ClientHeight(), 28);
    EXPECT_EQ(filler.Width(), 58);
    panel.SetBorderStyle(PanelBorder::None);
    EXPECT_EQ(panel.ClientWidth(), 60);
    EXPECT_EQ(filler.Height(), 30);
}

// The bounding box of the pixels of `ink` in a rectangle of the print.
EdgeRect InkBox(const corvina::test::MemoryDib& dib, const EdgeRect& area, COLORREF ink) {
    EdgeRect box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (dib.At(x, y) != ink) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
        }
    }
    return box;
}

TEST_F(Painting, ALabelPlacesItsTextByAlignmentAndLayoutAndCanLeaveItsGroundAlone) {
    const ui::Font white(DefaultFontFace(), 14, FontStyle::None, corvina::Color::Rgb(255, 255, 255));
    auto& right = form_->Add<Label>("II");
    right.SetBounds({0, 0, 100, 60});
    right.SetColor(kBlue);
    right.SetFont(white);
    right.SetAlignment(TextAlign::Right);
    right.SetLayout(TextLayout::Bottom);
    auto& clear = form_->Add<Label>("II");
    clear.SetBounds({100, 0, 100, 60});
    clear.SetColor(kBlue);
    clear.SetFont(white);
    clear.SetTransparent(true);
    clear.SetLayout(TextLayout::Center);
    const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
    Print(dib);

    const EdgeRect inRight = InkBox(dib, {0, 0, 100, 60}, RGB(255, 255, 255));
    EXPECT_GT(inRight.left, 70);
    EXPECT_GT(inRight.top, 35);
    EXPECT_EQ(dib.At(5, 5), ToColorRef(kBlue));

    const EdgeRect inClear = InkBox(dib, {100, 0, 200, 60}, RGB(255, 255, 255));
    EXPECT_LT(inClear.left, 110);
    EXPECT_GT(inClear.top, 15);
    EXPECT_LT(inClear.bottom, 45);
    EXPECT_EQ(dib.At(150, 5), ToColorRef(kRed));  // the form shows through
}

// The measured place of a centred text is kept between paints; whatever it
// depends on measures it anew.
TEST_F(Painting, ACentredLabelFollowsItsCaptionFontAndSizeFromPaintToPaint) {
    const ui::Font white(DefaultFontFace(), 14, FontStyle::None, corvina::Color::Rgb(255, 255, 255));
    auto& label = form_->Add<Label>("II");
    label.SetBounds({0, 0, 60, 90});
    label.SetColor(kBlue);
    label.SetFont(white);
    label.SetWordWrap(true);
    label.SetLayout(TextLayout::Center);
    const auto ink = [&] {
        const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
        Print(dib);
        return InkBox(dib, {0, 0, 60, 90}, RGB(255, 255, 255));
    };
    const EdgeRect oneLine = ink();
    EXPECT_EQ(ink().top, oneLine.top) << "painted again unchanged";

    label.SetCaption("II II II II II II");
    const EdgeRect lines = ink();
    EXPECT_LT(lines.top, oneLine.top - 5) << "several lines start higher";
    EXPECT_GT(lines.bottom, oneLine.bottom + 5);

    label.SetCaption("II");
    EXPECT_EQ(ink().top, oneLine.top);
    label.SetFont(ui::Font(DefaultFontFace(), 28, FontStyle::None, corvina::Color::Rgb(255, 255, 255)));
    EXPECT_LT(ink().top, oneLine.top - 3) << "a taller font starts higher";
    label.SetFont(white);
    label.SetHeight(50);
    EXPECT_LT(ink().top, oneLine.top - 10) << "a lower label centres higher";
}

TEST_F(Painting, InvalidatingAWindowlessControlMarksOnlyItsAreaOfTheHost) {
    form_->ShowInactive();
    auto& box = AddBox(*form_, {20, 30, 40, 10}, kBlue);
    UpdateWindow(form_->Handle());
    box.Invalidate();
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(form_->Handle(), &update, FALSE));
    EXPECT_EQ(update.left, 20);
    EXPECT_EQ(update.top, 30);
    EXPECT_EQ(update.right, 60);
    EXPECT_EQ(update.bottom, 40);
    UpdateWindow(form_->Handle());
    // A property that does not change asks for no repaint.
    box.SetBrush(box.Brush());
    EXPECT_FALSE(GetUpdateRect(form_->Handle(), nullptr, FALSE));
}

TEST_F(Painting, WhatAnOpaqueControlCoversIsNotDrawnUnderItButEverythingAboveItIs) {
    auto& under = form_->Add<Probe>();
    under.SetBounds({10, 10, 50, 50});
    under.probes = {{5, 5}, {25, 25}, {45, 45}};  // at 15, 35, 55 on the form
    auto& cover = form_->Add<Probe>();
    cover.SetBounds({30, 30, 50, 50});
    cover.color = kGreen;
    cover.opaque = true;
    cover.probes = {{5, 5}};
    AddBox(*form_, {60, 60, 30, 30}, kYellow);
    const corvina::test::MemoryDib dib(200, 100, RGB(0, 0, 0), true);
    Print(dib);
    EXPECT_EQ(under.drawable, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(cover.drawable, (std::vector<bool>{true}));
    EXPECT_EQ(dib.At(5, 5), ToColorRef(kRed));
    EXPECT_EQ(dib.At(15, 15), ToColorRef(kBlue));
    EXPECT_EQ(dib.At(40, 40), ToColorRef(kGreen));
    EXPECT_EQ(dib.At(65, 65), ToColorRef(kYellow));  // above the cover: drawn
    EXPECT_EQ(dib.At(85, 50), ToColorRef(kRed));

    // A cover that is not opaque hides nothing.
    cover.opaque = false;
    Print(dib);
    EXPECT_EQ(under.drawable, (std::vector<bool>{true, true, true}));
}

TEST_F(Painting, AHostThatKeepsItsPaintPaintsOnlyWhatChangedAndShowsEveryChange) {
    form_->KeepPaint();
    auto& first = form_->Add<Probe>();
    first.SetBounds({10, 10, 30, 30});
    auto& second = form_->Add<Probe>();
    second.SetBounds({100, 10, 30, 30});
    second.color = kGreen;
    form_->ShowInactive();
    UpdateWindow(form_->Handle());
    const auto shown = [&](int x, int y) {
        const HDC dc = GetDC(form_->Handle());
        const COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(form_->Handle(), dc);
        return pixel;
    };
    const auto repaintAll = [&] { RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    EXPECT_EQ(shown(15, 15), ToColorRef(kBlue));
    EXPECT_EQ(shown(105, 15), ToColorRef(kGreen));
    EXPECT_EQ(shown(70, 70), ToColorRef(kRed));

    // Shown again with nothing changed: copied, not painted.
    repaintAll();
    EXPECT_EQ(first.paints, 1);
    EXPECT_EQ(second.paints, 1);
    EXPECT_EQ(shown(105, 15), ToColorRef(kGreen));

    first.color = kYellow;
    first.Invalidate();
    UpdateWindow(form_->Handle());
    EXPECT_EQ(shown(15, 15), ToColorRef(kYellow));
    EXPECT_EQ(second.paints, 1) << "a change far from it leaves it alone";

    // Changed while hidden, when nothing is asked of the hidden window.
    form_->Hide();
    second.color = kBlue;
    second.Invalidate();
    first.SetBounds({50, 50, 30, 30});
    form_->ShowInactive();
    UpdateWindow(form_->Handle());
    EXPECT_EQ(shown(105, 15), ToColorRef(kBlue));
    EXPECT_EQ(shown(15, 15), ToColorRef(kRed)) << "where it was shows the host again";
    EXPECT_EQ(shown(55, 55), ToColorRef(kYellow));

    form_->Remove(second);
    UpdateWindow(form_->Handle());
    EXPECT_EQ(shown(105, 15), ToColorRef(kRed));

    // A host that lets go of it paints whole again, and another host that
    // takes it over shows its own pixels, not the ones handed over.
    std::unique_ptr<KeptPaint> handedOver = form_->StopKeepingPaint();
    ASSERT_NE(handedOver, nullptr);
    const int before = first.paints;
    repaintAll();
    EXPECT_EQ(first.paints, before + 1);
    FormPtr<Form> other = NewForm(200, 100);
    other->SetColor(kGreen);
    other->KeepPaint(std::move(handedOver));
    other->ShowInactive();
    UpdateWindow(other->Handle());
    const HDC dc = GetDC(other->Handle());
    EXPECT_EQ(GetPixel(dc, 55, 55), ToColorRef(kGreen));
    ReleaseDC(other->Handle(), dc);
}

}  // namespace
}  // namespace corvina::ui::test
