// The components of the ordering window at their design bounds.

#include "orders/foods_menu.h"

#include "orders/goods_grid.h"
#include "orders/money.h"
#include "sys/day_number.h"
#include "sys/text.h"
#include "ui/panel.h"

namespace corvina {

namespace {

constexpr Color kClientGround{4276545};
constexpr Color kTimeGround{5131854};
constexpr Color kLoginText{8453888};
constexpr Color kLogoutText{8421631};
constexpr Color kSilver{0xC0C0C0};
constexpr Color kUsesTimeText{7551232};
constexpr Color kTotalGround{3355443};
constexpr Color kRed{0x0000FF};
constexpr Color kGreen{0x008000};
constexpr Color kWhite{0xFFFFFF};
constexpr Color kBlack{0x000000};
constexpr Color kNavy{0x800000};
constexpr Color kCaptionText{0xB4C8D2};

const Big5& Arial() {
    static const Big5 face = T(u8"Arial");
    return face;
}

const Big5& Mingliu() {
    static const Big5 face = T(u8"新細明體");
    return face;
}

constexpr ui::FontStyle kBoldUnderlined = ui::FontStyle::Bold | ui::FontStyle::Underline;

ui::Label& AddLabel(ui::WinControl& parent, const Rect& bounds, const Big5& caption, const ui::Font& font) {
    auto& label = parent.Add<ui::Label>(caption);
    label.SetBounds(bounds);
    label.SetFont(font);
    label.SetLayout(ui::TextLayout::Center);
    return label;
}

// A caption of the window's own design, naming the field beside it.
void AddCaption(ui::WinControl& parent, const Rect& bounds, const char8_t* caption) {
    auto& label = AddLabel(parent, bounds, T(caption), ui::Font(Mingliu(), 16, ui::FontStyle::Bold, kCaptionText));
    label.SetTransparent(true);
    label.SetAlignment(ui::TextAlign::Right);
}

ui::Label& AddTimeLabel(ui::WinControl& parent, const Rect& bounds, Color textColor) {
    auto& label = AddLabel(parent, bounds, NoDateTimeText(), ui::Font(Arial(), 16, ui::FontStyle::Bold, textColor));
    label.SetAlignment(ui::TextAlign::Center);
    label.SetColor(kTimeGround);
    return label;
}

ui::Panel& AddPlainPanel(ui::WinControl& parent, const Rect& bounds, Color color) {
    auto& panel = parent.Add<ui::Panel>();
    panel.SetBounds(bounds);
    panel.SetBevelOuter(ui::BevelCut::None);
    panel.SetColor(color);
    return panel;
}

TEvBtn& AddGlyphButton(ui::WinControl& parent, const Rect& bounds, const char8_t* caption, const char* glyph) {
    auto& button = parent.Add<TEvBtn>(T(caption));
    button.SetBounds(bounds);
    button.SetLayout(TButtonLayout::blGlyphLeft);
    button.SetStyle(TbuttonStyle::byOutLook);
    button.SetGlyph(ui::Bitmap::LoadFromResource(glyph));
    button.SetFont(ui::Font(Mingliu(), 16, ui::FontStyle::Bold, kWhite));
    button.SetCursor(ui::Cursor::Hand);
    return button;
}

}  // namespace

void TffoodsMenu::BuildComponents() {
    SetColor(kBlack);
    pnlClt_ = &AddPlainPanel(*this, {0, 0, 792, 573}, kClientGround);
    BuildHeader(*pnlClt_);
    BuildGoodsPanel(*pnlClt_);
    BuildOrderedPanel(*pnlClt_);
    BuildLeaveButtons(*pnlClt_);
}

void TffoodsMenu::BuildHeader(ui::WinControl& client) {
    AddCaption(client, {16, 23, 86, 22}, u8"登入時間");
    lblLogin_ = &AddTimeLabel(client, {106, 23, 191, 22}, kLoginText);
    AddCaption(client, {16, 60, 86, 22}, u8"登出時間");
    lblLogOut_ = &AddTimeLabel(client, {106, 60, 191, 22}, kLogoutText);

    AddCaption(client, {310, 23, 82, 22}, u8"現在時間");
    lblNow_ = &AddLabel(client, {396, 23, 118, 22}, {}, ui::Font(Arial(), 16, kBoldUnderlined, kSilver));
    lblNow_->SetTransparent(true);

    AddLabel(client, {300, 61, 27, 21}, T(u8"使用"), ui::Font(Mingliu(), 12, ui::FontStyle::Bold, kCaptionText))
        .SetTransparent(true);
    lblUsesTime_ = &AddLabel(client, {329, 61, 86, 21}, "0", ui::Font(Arial(), 18, ui::FontStyle::Bold, kUsesTimeText));
    lblUsesTime_->SetTransparent(true);
    lblUsesTime_->SetAlignment(ui::TextAlign::Center);
    AddLabel(client, {417, 61, 40, 21}, T(u8"分鐘"), ui::Font(Mingliu(), 16, ui::FontStyle::Bold, kCaptionText))
        .SetTransparent(true);

    AddCaption(client, {360, 105, 68, 20}, u8"座位");
    lblCid_ = &AddLabel(client, {432, 105, 73, 20}, {}, ui::Font(Arial(), 16, kBoldUnderlined, kBlack));
    lblCid_->SetColor(kSilver);
    lblCid_->SetAlignment(ui::TextAlign::Center);

    pnlMark_ = &client.Add<TEvPanel>();
    pnlMark_->SetBounds({561, 7, 211, 134});
    pnlMark_->SetBevelOuter(ui::BevelCut::None);
    pnlMark_->Wallpaper().Picture().SetBitmap(ui::Bitmap::LoadFromResource("ORDER_MARK"));
    pnlMark_->Wallpaper().SetStyle(TPanelWallpaperStyle::wpStretch);
    logoImage_ = &pnlMark_->Add<ui::Image>();
    logoImage_->SetAlign(ui::Align::Client);
    logoImage_->SetStretch(true);
    logoImage_->SetCenter(true);
}

void TffoodsMenu::BuildGoodsPanel(ui::WinControl& client) {
    auto& panel = AddPlainPanel(client, {8, 139, 525, 379}, kTotalGround);

    auto& bar = AddPlainPanel(panel, {0, 0, 525, 40}, kTotalGround);
    bar.SetAlign(ui::Align::Bottom);
    AddLabel(bar, {8, 9, 112, 24}, T(u8"　選購金額："), ui::Font(Mingliu(), 16, ui::FontStyle::Bold, kWhite))
        .SetTransparent(true);
    tTotal_ = &AddLabel(bar, {120, 7, 190, 27}, "0", ui::Font(Arial(), 21, ui::FontStyle::Bold, kRed));
    tTotal_->SetColor(kTotalGround);
    bBuy_ = &AddGlyphButton(bar, {381, 3, 140, 34}, u8"確認購買", "ORDER_BUY");
    bBuy_->SetEnabled(false);

    ggrid_ = &panel.Add<TEvgrid>();
    ggrid_->SetAlign(ui::Align::Client);
    ggrid_->SetFont(ui::Font(Mingliu(), 16));
    ggrid_->SetFocusedFont(GridLooks::FocusedFontOf(ggrid_->Font()));
    ggrid_->SetColCount(static_cast<int>(kGoodsColumnCount));
    ggrid_->SetFixedCols(1);
    ggrid_->SetFixedRows(1);
    ggrid_->SetDefaultRowHeight(25);
    const int widths[] = {12, 0, 214, 82, 82, 50, 50};
    for (int col = 0; col < static_cast<int>(kGoodsColumnCount); ++col) ggrid_->SetColWidths(col, widths[col]);
    ggrid_->SetOddRowColor(corvina::Color{14871791});
    ggrid_->SetEvenRowColor(corvina::Color{16762052});
    ggrid_->SetFocusedColor(kNavy);
    ggrid_->SetFocusHighLight(true);
}

void TffoodsMenu::BuildOrderedPanel(ui::WinControl& client) {
    AddLabel(client, {553, 141, 228, 15}, T(u8"本次已點購"), ui::Font(Mingliu(), 14, ui::FontStyle::Bold, kCaptionText))
        .SetTransparent(true);
    auto& pnlFoods = AddPlainPanel(client, {553, 156, 228, 362}, kWhite);
    goodsLst_ = &pnlFoods.Add<TEvgrid>();
    goodsLst_->SetAlign(ui::Align::Client);
    goodsLst_->SetFont(ui::Font(Mingliu(), 16, ui::FontStyle::None, kGreen));
    goodsLst_->SetFixedCols(0);
    goodsLst_->SetFixedRows(0);
    goodsLst_->SetColCount(3);
    goodsLst_->SetRowCount(16);
    goodsLst_->SetGridLineWidth(0);
    goodsLst_->SetDefaultRowHeight(19);
    const int widths[] = {137, 46, 29};
    for (int col = 0; col < 3; ++col) goodsLst_->SetColWidths(col, widths[col]);
    goodsLst_->SetOddRowColor(corvina::Color{14871791});
    goodsLst_->SetEvenRowColor(corvina::Color{12246236});
}

void TffoodsMenu::BuildLeaveButtons(ui::WinControl& client) {
    bToWebPage_ = &AddGlyphButton(client, {68, 538, 183, 40}, u8"瀏覽網頁", "ORDER_WEB");
    bToWebPage_->SetTag(kLeaveToWebPage);
    bToGame_ = &AddGlyphButton(client, {296, 538, 183, 40}, u8"進入遊戲選單", "ORDER_GAME");
    bToGame_->SetTag(kLeaveToGame);
    bQueryMoney_ = &AddGlyphButton(client, {586, 538, 183, 40}, u8"查詢消費金額", "ORDER_QUERY");
}

}  // namespace corvina
