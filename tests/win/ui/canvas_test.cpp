#include "ui/canvas.h"

#include <gtest/gtest.h>

#include <array>

#include "support/gdi_leak_check.h"
#include "support/memory_dib.h"
#include "sys/text.h"
#include "ui/bitmap.h"
#include "ui/bitmap_canvas.h"
#include "ui/color.h"

namespace corvina::ui {
namespace {

using test::MemoryDib;

constexpr Color kRed = Color::Rgb(255, 0, 0);
constexpr Color kGreen = Color::Rgb(0, 255, 0);
constexpr Color kBlue = Color::Rgb(0, 0, 255);
constexpr Color kWhite = Color::Rgb(255, 255, 255);
constexpr Color kBlack = Color::Rgb(0, 0, 0);
constexpr COLORREF kGround = RGB(10, 20, 30);

Color At(const MemoryDib& dib, int x, int y) { return FromColorRef(dib.At(x, y)); }

// How many pixels of `color` lie inside `rect`.
int CountColor(const MemoryDib& dib, const EdgeRect& rect, Color color) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) count += At(dib, x, y) == color ? 1 : 0;
    }
    return count;
}

// Text is smoothed: its edges mix the font colour with the ground.
int CountBluish(const MemoryDib& dib, const EdgeRect& rect) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const Color c = At(dib, x, y);
            count += c.Blue() > c.Red() + 60 && c.Blue() > c.Green() + 60 ? 1 : 0;
        }
    }
    return count;
}

using CanvasTest = test::NoGdiLeaks;

TEST_F(CanvasTest, FillsAndFramesWithTheBrushOutlinesWithThePen) {
    const MemoryDib dib(20, 20, kGround);
    Canvas canvas(dib.Dc());
    canvas.SetBrushColor(kRed);
    canvas.FillRect({2, 2, 6, 6});
    EXPECT_EQ(At(dib, 2, 2), kRed);
    EXPECT_EQ(At(dib, 5, 5), kRed);
    EXPECT_EQ(dib.At(6, 6), kGround) << "right and bottom edges lie outside";

    canvas.SetBrushColor(kBlue);
    canvas.FrameRect({8, 8, 14, 14});
    EXPECT_EQ(At(dib, 8, 8), kBlue);
    EXPECT_EQ(At(dib, 13, 13), kBlue);
    EXPECT_EQ(dib.At(10, 10), kGround) << "a frame is not filled";

    canvas.SetPen({kGreen, 1, PenStyle::Solid});
    canvas.SetBrushColor(kWhite);
    canvas.Rectangle({0, 14, 6, 20});
    EXPECT_EQ(At(dib, 0, 14), kGreen);
    EXPECT_EQ(At(dib, 5, 19), kGreen);
    EXPECT_EQ(At(dib, 3, 17), kWhite);
}

TEST_F(CanvasTest, ClearToolsPaintNothing) {
    const MemoryDib dib(10, 10, kGround);
    Canvas canvas(dib.Dc());
    canvas.SetBrush({kRed, BrushStyle::Clear, nullptr});
    canvas.FillRect({0, 0, 10, 10});
    canvas.SetPen({kBlue, 1, PenStyle::Solid});
    canvas.Rectangle({0, 0, 10, 10});
    EXPECT_EQ(At(dib, 0, 0), kBlue);
    EXPECT_EQ(dib.At(5, 5), kGround) << "a clear brush leaves the inside";

    canvas.SetPen({kRed, 1, PenStyle::Clear});
    canvas.SetBrushColor(kGreen);
    canvas.Rectangle({2, 2, 8, 8});
    EXPECT_EQ(At(dib, 2, 2), kGreen) << "no outline: the brush reaches the corner";

    canvas.SetBrushColor(kColorNone);
    canvas.FillRect({0, 0, 10, 10});
    EXPECT_EQ(At(dib, 5, 5), kGreen) << "clNone paints nothing";
}

TEST_F(CanvasTest, PutsBackEverythingItSelectedOrChanged) {
    const MemoryDib dib(10, 10, kGround);
    HGDIOBJ pen = GetCurrentObject(dib.Dc(), OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dib.Dc(), OBJ_BRUSH);
    HGDIOBJ font = GetCurrentObject(dib.Dc(), OBJ_FONT);
    SetBkMode(dib.Dc(), OPAQUE);
    SetBkColor(dib.Dc(), RGB(1, 2, 3));
    SetTextColor(dib.Dc(), RGB(4, 5, 6));
    {
        Canvas canvas(dib.Dc());
        for (Color color : {kRed, kGreen, kBlue}) {
            canvas.SetPen({color, 2, PenStyle::Dot});
            canvas.SetBrush({color, BrushStyle::Clear, nullptr});
            canvas.Rectangle({0, 0, 5, 5});
            canvas.SetBrushColor(color);
            canvas.SetFont(Font("Arial", 10 + color.Red() / 64));
            canvas.TextAt({0, 0}, "x");
        }
        EXPECT_NE(GetCurrentObject(dib.Dc(), OBJ_PEN), pen);
    }
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_FONT), font);
    EXPECT_EQ(GetBkMode(dib.Dc()), OPAQUE);
    EXPECT_EQ(GetBkColor(dib.Dc()), RGB(1, 2, 3));
    EXPECT_EQ(GetTextColor(dib.Dc()), RGB(4, 5, 6));
}

TEST_F(CanvasTest, LinesEllipsesEdgesAndPixels) {
    const MemoryDib dib(30, 30, kGround);
    Canvas canvas(dib.Dc());
    canvas.SetPenColor(kRed);
    const std::array<Point, 3> points{Point{0, 0}, Point{9, 0}, Point{9, 9}};
    canvas.Polyline(points);
    EXPECT_EQ(At(dib, 5, 0), kRed);
    EXPECT_EQ(At(dib, 9, 5), kRed);
    EXPECT_EQ(dib.At(9, 9), kGround) << "the last point is left out";
    canvas.MoveTo({0, 5});
    canvas.LineTo({5, 5});
    EXPECT_EQ(At(dib, 2, 5), kRed);

    canvas.SetBrushColor(kBlue);
    canvas.Ellipse({10, 10, 30, 30});
    EXPECT_EQ(At(dib, 20, 20), kBlue);
    EXPECT_EQ(dib.At(10, 10), kGround) << "corners stay outside the ellipse";

    canvas.DrawEdge({0, 12, 8, 20}, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(dib.At(0, 12), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(dib.At(7, 19), GetSysColor(COLOR_BTNHIGHLIGHT));

    canvas.SetPixel({25, 2}, kGreen);
    EXPECT_EQ(canvas.Pixel({25, 2}), kGreen);
    EXPECT_EQ(canvas.Pixel({100, 100}), kColorNone);
}

TEST_F(CanvasTest, DottedPenLeavesGapsUnderAClearBrush) {
    const MemoryDib dib(40, 3, kGround);
    Canvas canvas(dib.Dc());
    canvas.SetPen({kRed, 1, PenStyle::Dot});
    canvas.SetBrush({kWhite, BrushStyle::Clear, nullptr});
    canvas.MoveTo({0, 1});
    canvas.LineTo({40, 1});
    const int red = CountColor(dib, {0, 1, 40, 2}, kRed);
    EXPECT_GT(red, 5);
    EXPECT_EQ(red + CountColor(dib, {0, 1, 40, 2}, FromColorRef(kGround)), 40);
}

TEST_F(CanvasTest, PatternBrushRepeatsTheBitmap) {
    Bitmap pattern(8, 8);
    const PixelView24 pixels = pattern.Pixels();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            std::uint8_t* p = pixels.Pixel(x, y);
            p[0] = p[1] = p[2] = ((x + y) % 2 == 0) ? 0 : 255;
        }
    }
    const MemoryDib dib(16, 16, kGround);
    Canvas canvas(dib.Dc());
    canvas.SetBrush({kRed, BrushStyle::Pattern, &pattern});
    canvas.FillRect({0, 0, 16, 16});
    EXPECT_EQ(At(dib, 0, 0), kBlack);
    EXPECT_EQ(At(dib, 1, 0), kWhite);
    EXPECT_EQ(At(dib, 9, 0), kWhite);
    EXPECT_EQ(At(dib, 9, 9), kBlack);
}

TEST_F(CanvasTest, Big5TextIsDrawnInTheFontColour) {
    const MemoryDib dib(200, 40, RGB(255, 255, 255));
    Canvas canvas(dib.Dc());
    canvas.SetFont(Font(DefaultFontFace(), 16, FontStyle::None, kBlue));
    canvas.SetBrush({kWhite, BrushStyle::Clear, nullptr});
    const Big5 text = T(u8"遊戲一 Go");
    const SIZE size = canvas.TextExtent(text);
    EXPECT_GT(size.cx, 40);
    EXPECT_GE(size.cy, 14);
    EXPECT_GT(canvas.TextWidth(text), canvas.TextWidth(T(u8"遊戲")));

    canvas.TextAt({5, 5}, text);
    const EdgeRect drawn{5, 5, 5 + static_cast<int>(size.cx), 5 + static_cast<int>(size.cy)};
    EXPECT_GT(CountBluish(dib, drawn), 40);
    EXPECT_EQ(CountBluish(dib, {drawn.right, 0, 200, 40}), 0) << "nothing beyond the measured width";
    EXPECT_EQ(CountBluish(dib, {0, drawn.bottom, 200, 40}), 0) << "nothing below the measured height";
    // Wide characters: the first character alone covers more than an ASCII letter.
    EXPECT_GT(canvas.TextWidth(T(u8"遊")), canvas.TextWidth("i"));
}

TEST_F(CanvasTest, TextRectPlacesAndMeasures) {
    const MemoryDib dib(200, 60, RGB(255, 255, 255));
    Canvas canvas(dib.Dc());
    canvas.SetFont(Font("Arial", 14, FontStyle::None, kRed));
    canvas.SetBrush({kWhite, BrushStyle::Clear, nullptr});

    EdgeRect measured{0, 0, 0, 0};
    const int height = canvas.TextRect(measured, "Hello", TextFormat::SingleLine | TextFormat::CalcRect);
    EXPECT_EQ(measured.Width(), canvas.TextWidth("Hello"));
    EXPECT_EQ(measured.Height(), height);
    EXPECT_EQ(CountColor(dib, {0, 0, 200, 60}, kRed), 0) << "measuring draws nothing";

    EdgeRect wrapped{0, 0, 40, 0};
    canvas.TextRect(wrapped, "one two three four", TextFormat::WordBreak | TextFormat::CalcRect);
    EXPECT_GT(wrapped.Height(), 2 * height) << "broken into lines";

    EdgeRect line{0, 0, 200, 30};
    canvas.SetFont(Font("Arial", 14, FontStyle::None, kBlue));
    canvas.TextRect(line, "Hi", TextFormat::Right | TextFormat::VCenter | TextFormat::SingleLine);
    EXPECT_EQ(CountBluish(dib, {0, 0, 150, 30}), 0) << "right-aligned";
    EXPECT_GT(CountBluish(dib, {150, 0, 200, 30}), 5);
}

TEST_F(CanvasTest, SavedStateBringsBackOriginClipAndTools) {
    const MemoryDib dib(30, 30, kGround);
    Canvas canvas(dib.Dc());
    canvas.SetBrushColor(kRed);
    {
        auto state = canvas.SaveState();
        state.MoveOrigin(10, 10);
        EXPECT_EQ(canvas.Origin(), (Point{10, 10}));
        canvas.FillRect({0, 0, 2, 2});
        state.MoveOrigin(10, 0);
        state.IntersectClip({0, 0, 5, 5});  // in the moved coordinates: device (20, 10) to (25, 15)
        canvas.SetBrushColor(kBlue);
        canvas.FillRect({-10, -10, 10, 10});
    }
    // Read back with the origin in place again.
    EXPECT_EQ(At(dib, 10, 10), kRed) << "(0, 0) moved";
    EXPECT_EQ(dib.At(0, 0), kGround);
    EXPECT_EQ(At(dib, 20, 10), kBlue);
    EXPECT_EQ(At(dib, 24, 14), kBlue);
    EXPECT_EQ(dib.At(25, 15), kGround) << "outside the clip";
    EXPECT_EQ(dib.At(19, 9), kGround) << "outside the clip";

    EXPECT_EQ(canvas.Origin(), (Point{0, 0}));
    EXPECT_EQ(canvas.Brush().color, kRed);
    canvas.FillRect({0, 0, 30, 30});
    EXPECT_EQ(At(dib, 29, 29), kRed) << "the clip is gone";
}

TEST_F(CanvasTest, NestedStatesKeepAnOuterClip) {
    const MemoryDib dib(20, 20, kGround);
    Canvas canvas(dib.Dc());
    auto outer = canvas.SaveState();
    outer.IntersectClip({0, 0, 10, 20});
    {
        auto inner = canvas.SaveState();
        inner.IntersectClip({0, 0, 20, 5});
    }
    canvas.SetBrushColor(kGreen);
    canvas.FillRect({0, 0, 20, 20});
    EXPECT_EQ(At(dib, 9, 15), kGreen) << "the inner clip is gone";
    EXPECT_EQ(dib.At(15, 15), kGround) << "the outer one stays";
}

Bitmap TwoByTwo() {
    Bitmap bitmap(2, 2);
    BitmapCanvas paint(bitmap);
    paint->SetPixel({0, 0}, kRed);
    paint->SetPixel({1, 0}, kGreen);
    paint->SetPixel({0, 1}, kBlue);
    paint->SetPixel({1, 1}, kWhite);
    return bitmap;
}

TEST_F(CanvasTest, DrawsAndStretchesBitmaps) {
    const Bitmap bitmap = TwoByTwo();
    const MemoryDib dib(12, 12, kGround);
    Canvas canvas(dib.Dc());
    canvas.Draw({1, 1}, bitmap);
    EXPECT_EQ(At(dib, 1, 1), kRed);
    EXPECT_EQ(At(dib, 2, 2), kWhite);
    EXPECT_EQ(dib.At(3, 3), kGround);

    canvas.StretchDraw({4, 4, 12, 12}, bitmap);
    EXPECT_EQ(At(dib, 4, 4), kRed);
    EXPECT_EQ(At(dib, 7, 7), kRed);
    EXPECT_EQ(At(dib, 8, 4), kGreen);
    EXPECT_EQ(At(dib, 4, 11), kBlue);
    EXPECT_EQ(At(dib, 11, 11), kWhite);

    canvas.SetCopyMode(NOTSRCCOPY);
    canvas.Draw({0, 0}, bitmap);
    EXPECT_EQ(At(dib, 0, 0), Color::Rgb(0, 255, 255)) << "the copy mode applies";
}

TEST_F(CanvasTest, TransparentCopyKeepsTheDestinationUnderTheTransparentColour) {
    Bitmap source = TwoByTwo();
    const MemoryDib dib(8, 8, kGround);
    Canvas canvas(dib.Dc());
    canvas.TransparentCopy({0, 0, 4, 4}, source, {0, 0, 2, 2}, kGreen);
    EXPECT_EQ(At(dib, 0, 0), kRed);
    EXPECT_EQ(dib.At(2, 0), kGround) << "green was transparent";
    EXPECT_EQ(dib.At(3, 1), kGround);
    EXPECT_EQ(At(dib, 3, 3), kWhite);

    // A transparent bitmap draws the same way, by default without its bottom-left colour.
    source.SetTransparent(true);
    const MemoryDib other(2, 2, kGround);
    Canvas second(other.Dc());
    second.Draw({0, 0}, source);
    EXPECT_EQ(At(other, 0, 0), kRed);
    EXPECT_EQ(other.At(0, 1), kGround) << "blue, bottom-left, is transparent";
}

TEST_F(CanvasTest, CopiesFromAnotherCanvas) {
    Bitmap bitmap = TwoByTwo();
    BitmapCanvas source(bitmap);
    const MemoryDib dib(4, 4, kGround);
    Canvas canvas(dib.Dc());
    canvas.CopyRect({0, 0, 4, 4}, source.Get(), {1, 0, 2, 2});
    EXPECT_EQ(At(dib, 0, 0), kGreen);
    EXPECT_EQ(At(dib, 3, 3), kWhite);
}

}  // namespace
}  // namespace corvina::ui
