#include "widgets/ev_tabset.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "support/memory_dib.h"
#include "sys/text.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using test::MemoryDib;
using ui::test::ClickAt;

constexpr int kFormWidth = 440;
constexpr int kFormHeight = 60;
constexpr int kLeft = 10;  // the tab set on the form
constexpr int kTop = 10;
constexpr int kWidth = 400;  // room for three channel tabs in the real 21-pixel face
constexpr int kHeight = 40;

constexpr Color kGround = Color::Rgb(0, 160, 0);    // the form
constexpr Color kFace = Color::Rgb(250, 250, 250);  // the tab set's Color
constexpr Color kKey = Color::Rgb(255, 255, 239);   // the main window's TransColor
constexpr Color kUpSide = Color::Rgb(0, 64, 160);
constexpr Color kUpMid = Color::Rgb(0, 96, 224);
constexpr Color kDownSide = Color::Rgb(160, 96, 0);
constexpr Color kDownMid = Color::Rgb(224, 160, 64);
constexpr Color kLine = Color::Rgb(128, 0, 128);
constexpr Color kGrey = Color::Rgb(128, 128, 128);
constexpr Color kMaroon = Color::Rgb(128, 0, 0);

COLORREF Ref(Color color) { return ui::ToColorRef(color); }

void SetPixel24(ui::Bitmap& bitmap, int x, int y, Color color) {
    std::uint8_t* p = bitmap.Pixels().Pixel(x, y);
    p[0] = color.Blue();
    p[1] = color.Green();
    p[2] = color.Red();
}

// One colour; with `keyed` its top-left pixel has the transparent colour.
ui::Bitmap Piece(int width, int height, Color fill, bool keyed = false) {
    ui::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) SetPixel24(bitmap, x, y, fill);
    }
    if (keyed) SetPixel24(bitmap, 0, 0, kKey);
    return bitmap;
}

ui::Font TabFont(Color color) { return ui::Font(ui::DefaultFontFace(), 21, ui::FontStyle::Underline, color); }

int TextWidth(const ui::Font& font, std::string_view text) {
    const MemoryDib dib(1, 1, 0);
    ui::Canvas canvas(dib.Dc());
    canvas.SetFont(font);
    return canvas.TextWidth(text);
}

// The smallest rectangle of `area` holding every pixel that is not `ground`.
EdgeRect Ink(const MemoryDib& dib, const EdgeRect& area, Color ground) {
    EdgeRect found{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (dib.At(x, y) == Ref(ground)) continue;
            found = {MinOf(found.left, x), MinOf(found.top, y), MaxOf(found.right, x + 1), MaxOf(found.bottom, y + 1)};
        }
    }
    return found;
}

// Where a caption's ink lands when its top-left is `at`, on `ground`.
EdgeRect CaptionInk(const ui::Font& font, std::string_view text, Point at, Color ground) {
    const MemoryDib dib(kWidth, kHeight, Ref(ground), true);
    ui::Canvas canvas(dib.Dc());
    canvas.SetFont(font);
    canvas.SetBrush({ground, ui::BrushStyle::Clear});
    canvas.TextAt(at, text);
    return Ink(dib, {0, 0, kWidth, kHeight}, ground);
}

class EvTabsetTest : public ui::test::UiTest {
protected:
    EvTabsetTest() : form_(NewForm(kFormWidth, kFormHeight)) {
        form_->SetColor(kGround);
        form_->ShowInactive();
        Pump();
    }

    // The main window's configuration, on pieces of the main window's sizes.
    TEVTabset& AddMainTabset(const std::vector<Big5>& tabs) {
        auto& tabset = form_->Add<TEVTabset>();
        tabset.SetBounds({kLeft, kTop, kWidth, kHeight});
        tabset.SetColor(kFace);
        tabset.SetFont(TabFont(kGrey));
        tabset.SetSelectFont(TabFont(kMaroon));
        tabset.SetSelect_Dist(-1);
        tabset.SetUnSelect_Dist(-4);
        tabset.SetTransColor(kKey);
        tabset.SetTabIndex(-1);
        tabset.SetGlyphUP_L(Piece(12, 33, kUpSide, true));
        tabset.SetGlyphUP_C(Piece(4, 33, kUpMid));
        tabset.SetGlyphUP_R(Piece(12, 33, kUpSide));
        tabset.SetGlyphDN_L(Piece(12, 27, kDownSide, true));
        tabset.SetGlyphDN_C(Piece(4, 27, kDownMid));
        tabset.SetGlyphDN_R(Piece(12, 27, kDownSide));
        tabset.SetGlyph_Line(Piece(10, 4, kLine, true));
        tabset.SetTabs(tabs);
        return tabset;
    }

    // The tabs' left edges in the control and, last, the right edge of the
    // last tab, from the captions' widths: opaque tabs are 24 + caption wide.
    static std::vector<int> Edges(const TEVTabset& tabset) {
        std::vector<int> edges{0};
        for (std::size_t i = 0; i < tabset.Tabs().size(); ++i) {
            const bool selected = static_cast<int>(i) == tabset.TabIndex();
            const int tw = TextWidth(selected ? tabset.SelectFont() : tabset.Font(), tabset.Tabs()[i]);
            edges.push_back(edges.back() + 24 + tw);
        }
        return edges;
    }

    // The form's client area as it paints now; painting keeps the tab widths.
    std::unique_ptr<MemoryDib> Shot() {
        auto dib = std::make_unique<MemoryDib>(kFormWidth, kFormHeight, RGB(0, 0, 0), true);
        SendMessageW(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib->Dc()), PRF_CLIENT);
        return dib;
    }

    // The bounding box of what `change` asked to repaint, empty for nothing.
    RECT Repainted(const std::function<void()>& change) {
        ValidateRect(Window(), nullptr);
        change();
        RECT rect{};
        GetUpdateRect(Window(), &rect, FALSE);
        return rect;
    }

    void ClickTab(int x, int y) { ClickAt(Window(), kLeft + x, kTop + y); }

    HWND Window() const { return form_->Handle(); }

    ui::FormPtr<ui::Form> form_;
};

const std::vector<Big5> kChannels{T(u8"遊戲"), T(u8"工具程式"), T(u8"桌　面")};

// ---- properties ----

using EvTabsetProperties = EvTabsetTest;

TEST_F(EvTabsetProperties, ANewTabsetHasItsCreationValues) {
    auto& tabset = form_->Add<TEVTabset>();
    EXPECT_EQ(tabset.Width(), 100);
    EXPECT_EQ(tabset.Height(), 30);
    EXPECT_FALSE(tabset.Transparent());
    EXPECT_TRUE(tabset.Tabs().empty());
    EXPECT_EQ(tabset.SelectFont(), ui::Font());
    EXPECT_EQ(tabset.TabIndex(), 0);
    EXPECT_EQ(tabset.Select_Dist(), 5);
    EXPECT_EQ(tabset.UnSelect_Dist(), 5);
    EXPECT_EQ(tabset.TransColor(), Color::Rgb(255, 255, 255));
    for (const ui::Bitmap* piece : {&tabset.GlyphUP_L(), &tabset.GlyphUP_C(), &tabset.GlyphUP_R(), &tabset.GlyphDN_L(),
                                    &tabset.GlyphDN_C(), &tabset.GlyphDN_R(), &tabset.Glyph_Line()}) {
        EXPECT_TRUE(piece->Empty());
    }
}

TEST_F(EvTabsetProperties, SettersRepaintOnlyForAChange) {
    auto& tabset = AddMainTabset(kChannels);
    EXPECT_FALSE(Repainted([&] { tabset.SetSelect_Dist(-1); }).right);
    EXPECT_TRUE(Repainted([&] { tabset.SetSelect_Dist(2); }).right);
    EXPECT_FALSE(Repainted([&] { tabset.SetTransColor(kKey); }).right);
    EXPECT_TRUE(Repainted([&] { tabset.SetTransparent(true); }).right);
    EXPECT_FALSE(Repainted([&] { tabset.SetGlyphUP_C(tabset.GlyphUP_C()); }).right);  // the very same piece
    EXPECT_TRUE(Repainted([&] { tabset.SetGlyphUP_C(Piece(4, 33, kUpSide)); }).right);
}

// ---- the index ----

using EvTabsetIndex = EvTabsetTest;

TEST_F(EvTabsetIndex, OutOfRangeWithTabsIsRefusedWithTheCountAndChangesNothing) {
    auto& tabset = AddMainTabset({"1", "2", "3", "4", "5"});
    tabset.SetTabIndex(2);
    int changes = 0;
    tabset.OnChange = [&](ui::Control&, bool&, int) { ++changes; };
    for (const int value : {5, -1}) {
        try {
            tabset.SetTabIndex(value);
            ADD_FAILURE() << value << " accepted";
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), "0<= Value <5");
        }
        EXPECT_EQ(tabset.TabIndex(), 2);
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(EvTabsetIndex, WithoutTabsAnyIndexPassesAndANewListResetsItThroughOnChange) {
    auto& tabset = AddMainTabset({});
    std::vector<int> asked;
    tabset.OnChange = [&](ui::Control& sender, bool& canChange, int newTabindex) {
        EXPECT_EQ(&sender, &tabset);
        EXPECT_TRUE(canChange);
        asked.push_back(newTabindex);
    };
    tabset.SetTabIndex(3);
    EXPECT_EQ(tabset.TabIndex(), 3);
    // Nothing selected is drawn: no tab at all, the line from the left edge.
    EXPECT_EQ(Shot()->At(kLeft, kTop + kHeight - 1), Ref(kLine));

    tabset.SetTabs({"A", "B"});
    EXPECT_EQ(tabset.TabIndex(), 0);
    tabset.SetTabs({});
    EXPECT_EQ(tabset.TabIndex(), -1);
    EXPECT_EQ(asked, (std::vector<int>{3, 0, -1}));
}

TEST_F(EvTabsetIndex, AListThatStillHoldsTheIndexKeepsItAndInPlaceChangesLeaveItAlone) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(1);
    int changes = 0;
    tabset.OnChange = [&](ui::Control&, bool&, int) { ++changes; };
    tabset.SetTabs({"A", "B"});
    tabset.InsertTab(0, "Z");
    tabset.AddTab("C");
    EXPECT_EQ(tabset.TabIndex(), 1);
    EXPECT_EQ(tabset.Tabs(), (std::vector<Big5>{"Z", "A", "B", "C"}));
    EXPECT_EQ(changes, 0);
    // The widths follow the list, so the added tab is hit after a paint.
    Shot();
    EXPECT_EQ(tabset.TabAt(Edges(tabset)[3] + 1, 30), 3);
}

TEST_F(EvTabsetIndex, AVetoKeepsTheIndex) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(0);
    tabset.OnChange = [](ui::Control&, bool& canChange, int) { canChange = false; };
    tabset.SetTabIndex(2);
    EXPECT_EQ(tabset.TabIndex(), 0);
}

TEST_F(EvTabsetIndex, AChangeRepaintsTheOldAndTheNewTabUpToTheUpHeight) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(0);
    Shot();
    const std::vector<int> edges = Edges(tabset);
    const RECT area = Repainted([&] { tabset.SetTabIndex(1); });
    EXPECT_EQ(area.left, kLeft + edges[0]);
    EXPECT_EQ(area.right, kLeft + edges[2]);
    EXPECT_EQ(area.top, kTop + kHeight - 33);
    EXPECT_EQ(area.bottom, kTop + kHeight);
    // None: the whole control.
    const RECT all = Repainted([&] { tabset.SetTabs({}); });
    EXPECT_EQ(all.left, kLeft);
    EXPECT_EQ(all.right, kLeft + kWidth);
    EXPECT_EQ(all.top, kTop);
}

// ---- the mouse ----

using EvTabsetMouse = EvTabsetTest;

TEST_F(EvTabsetMouse, MainConfigurationBandsDecideWhatAClickSelects) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(1);
    Shot();
    const std::vector<int> edges = Edges(tabset);
    const int inFirst = edges[1] / 2;
    const int inSecond = (edges[1] + edges[2]) / 2;
    const int inThird = (edges[2] + edges[3]) / 2;

    for (const int x : {inFirst, inSecond, inThird}) {
        ClickTab(x, 7);
        EXPECT_EQ(tabset.TabIndex(), 1) << x;  // y <= 7 hits nothing: selected is 1 still
    }
    int changes = 0;
    tabset.OnChange = [&](ui::Control&, bool&, int) { ++changes; };
    for (const int y : {8, 13}) {
        ClickTab(inFirst, y);
        ClickTab(inThird, y);
        ClickTab(inSecond, y);  // the selected tab itself: no change asked
        EXPECT_EQ(tabset.TabIndex(), 1) << y;
    }
    EXPECT_EQ(changes, 0);
    ClickTab(inThird, 14);
    EXPECT_EQ(tabset.TabIndex(), 2);
    Shot();  // the third tab now stands in the up band
    ClickTab(inThird, 8);
    ClickTab(inFirst, 39);
    EXPECT_EQ(tabset.TabIndex(), 0);
    EXPECT_EQ(changes, 2);
}

TEST_F(EvTabsetMouse, OnlyAPlainLeftPressSelectsAndTheMouseEventsStillRun) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(0);
    Shot();
    const int inThird = (Edges(tabset)[2] + Edges(tabset)[3]) / 2;
    int downs = 0;
    tabset.OnMouseDown = [&](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) { ++downs; };
    const LPARAM at = ui::test::PointParam(kLeft + inThird, kTop + 30);
    for (const WPARAM keys :
         {WPARAM{MK_LBUTTON | MK_SHIFT}, WPARAM{MK_LBUTTON | MK_CONTROL}, WPARAM{MK_LBUTTON | MK_RBUTTON}}) {
        SendMessageW(Window(), WM_LBUTTONDOWN, keys, at);
        SendMessageW(Window(), WM_LBUTTONUP, 0, at);
    }
    SendMessageW(Window(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(Window(), WM_RBUTTONUP, 0, at);
    EXPECT_EQ(tabset.TabIndex(), 0);
    ClickTab(inThird, 30);
    EXPECT_EQ(tabset.TabIndex(), 2);
    EXPECT_EQ(downs, 5);
}

TEST_F(EvTabsetMouse, AVetoingHandlerKeepsTheOldTabAfterAClick) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(0);
    Shot();
    std::vector<int> asked;
    tabset.OnChange = [&](ui::Control&, bool& canChange, int newTabindex) {
        asked.push_back(newTabindex);
        canChange = false;
    };
    ClickTab(Edges(tabset)[2] + 1, 30);
    EXPECT_EQ(tabset.TabIndex(), 0);
    EXPECT_EQ(asked, (std::vector<int>{2}));
}

TEST_F(EvTabsetMouse, AnErrorInTheHandlerIsReportedAndAbandonsTheChange) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(0);
    Shot();
    tabset.OnChange = [](ui::Control&, bool&, int) { throw std::runtime_error("no page"); };
    ClickTab(Edges(tabset)[1] + 1, 30);
    EXPECT_EQ(tabset.TabIndex(), 0);
    ASSERT_EQ(errors_.size(), 1u);
}

// ---- painting ----

using EvTabsetPaint = EvTabsetTest;

TEST_F(EvTabsetPaint, CaptionTopsAre12SelectedAnd15OtherwiseCentredOverTheirTabs) {
    auto& tabset = AddMainTabset(kChannels);
    tabset.SetTabIndex(1);
    const auto shot = Shot();
    const std::vector<int> edges = Edges(tabset);
    // Only the tab's own band: above it lies the tab set's Color.
    const auto expect = [&](int i, const ui::Font& font, int top, Color ground, int bandTop) {
        const Big5& caption = kChannels[static_cast<std::size_t>(i)];
        const int tw = TextWidth(font, caption);
        const int w = edges[static_cast<std::size_t>(i) + 1] - edges[static_cast<std::size_t>(i)];
        const int left = edges[static_cast<std::size_t>(i)] + w / 2 - tw / 2;
        const EdgeRect wanted = OffsetRect(CaptionInk(font, caption, {left, top}, ground), kLeft, kTop);
        const EdgeRect centre{kLeft + edges[static_cast<std::size_t>(i)] + 12, kTop + bandTop,
                              kLeft + edges[static_cast<std::size_t>(i) + 1] - 12, kTop + kHeight};
        EXPECT_EQ(Ink(*shot, centre, ground), wanted) << i;
    };
    expect(0, TabFont(kGrey), 15, kDownMid, 13);
    expect(1, TabFont(kMaroon), 12, kUpMid, 7);
    expect(2, TabFont(kGrey), 15, kDownMid, 13);
}

TEST_F(EvTabsetPaint, AnEmptyCentrePieceGivesATabOfItsSidesWithTheCaptionCentred) {
    auto& tabset = AddMainTabset({"Wide caption", "B"});
    tabset.SetGlyphDN_C(ui::Bitmap());  // both tabs down: the index is -1 still
    const auto shot = Shot();
    // The second tab's left piece starts right after 12 + 12 pixels.
    EXPECT_EQ(shot->At(kLeft + 23, kTop + 14), Ref(kDownSide));  // above the caption
    EXPECT_EQ(shot->At(kLeft + 24, kTop + 13), Ref(kKey));       // its top-left pixel, copied opaquely
    EXPECT_EQ(tabset.TabAt(24, 30), 0);
    EXPECT_EQ(tabset.TabAt(25, 30), 1);
    // The caption runs over both sides, centred at 12.
    const ui::Font font = TabFont(kGrey);
    const int tw = TextWidth(font, "Wide caption");
    const MemoryDib reference(kWidth, kHeight, Ref(kFace), true);
    {
        ui::Canvas canvas(reference.Dc());
        canvas.SetFont(font);
        canvas.SetBrush({kFace, ui::BrushStyle::Clear});
        canvas.TextAt({12 - tw / 2, 15}, "Wide caption");
    }
    for (int x = 0; x < 12; ++x) {
        for (int y = 15; y < kHeight - 1; ++y) {
            const bool ink = reference.At(x, y) != Ref(kFace);
            ASSERT_EQ(shot->At(kLeft + x, kTop + y) != Ref(kDownSide) && shot->At(kLeft + x, kTop + y) != Ref(kKey),
                      ink)
                << x << "," << y;
        }
    }
}

TEST_F(EvTabsetPaint, OpaqueStretchesPiecesToTheBottomFillsAndLinesTheRest) {
    auto& tabset = AddMainTabset({""});
    tabset.SetGlyphUP_L(Piece(12, 20, kUpSide, true));  // shorter than its set
    tabset.SetTabIndex(0);
    const auto shot = Shot();
    EXPECT_EQ(shot->At(kLeft, kTop + 7), Ref(kKey));  // copied opaquely
    EXPECT_EQ(shot->At(kLeft + 5, kTop + 39), Ref(kUpSide));
    EXPECT_EQ(shot->At(kLeft + 5, kTop + 6), Ref(kFace));
    EXPECT_EQ(shot->At(kLeft + 12, kTop + 39), Ref(kUpSide));  // no caption, no centre: the right piece
    // The line piece from the tab's right edge, drawn whole, the last copy cut at the edge.
    EXPECT_EQ(shot->At(kLeft + 24, kTop + 36), Ref(kKey));
    EXPECT_EQ(shot->At(kLeft + 25, kTop + 36), Ref(kLine));
    EXPECT_EQ(shot->At(kLeft + kWidth - 1, kTop + 39), Ref(kLine));
    EXPECT_EQ(shot->At(kLeft + kWidth - 1, kTop + 35), Ref(kFace));
    EXPECT_EQ(shot->At(kLeft + kWidth, kTop + 39), Ref(kGround));
}

TEST_F(EvTabsetPaint, TransparentKeepsPieceHeightsLeavesTheKeyOutAndDoesNotFill) {
    auto& tabset = AddMainTabset({""});
    tabset.SetGlyphUP_L(Piece(12, 20, kUpSide, true));
    tabset.SetTabIndex(0);
    tabset.SetTransparent(true);
    const auto shot = Shot();
    EXPECT_EQ(shot->At(kLeft, kTop + 7), Ref(kGround));  // the key pixel left out
    EXPECT_EQ(shot->At(kLeft + 5, kTop + 7 + 19), Ref(kUpSide));
    EXPECT_EQ(shot->At(kLeft + 5, kTop + 7 + 20), Ref(kGround));
    EXPECT_EQ(shot->At(kLeft + 12, kTop + 39), Ref(kUpSide));
    EXPECT_EQ(shot->At(kLeft + 5, kTop + 3), Ref(kGround));
    EXPECT_EQ(shot->At(kLeft + 24, kTop + 36), Ref(kKey));  // the line keeps its key colour
}

TEST_F(EvTabsetPaint, TransparentCentreCopiesCountWhole) {
    auto& tabset = AddMainTabset({"x"});
    tabset.SetTransparent(true);
    tabset.SetTabIndex(0);
    const int tw = TextWidth(tabset.SelectFont(), "x");
    const int covered = (tw + 3) / 4 * 4;
    const auto shot = Shot();
    EXPECT_EQ(shot->At(kLeft + 12 + covered - 1, kTop + 8), Ref(kUpMid));
    EXPECT_EQ(shot->At(kLeft + 12 + covered, kTop + 8), Ref(kUpSide));
    EXPECT_EQ(tabset.TabAt(24 + covered, 30), 0);
    EXPECT_EQ(tabset.TabAt(24 + covered + 1, 30), -1);
}

}  // namespace
}  // namespace corvina
