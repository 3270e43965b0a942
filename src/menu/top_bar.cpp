#include "menu/top_bar.h"

#include "sys/text.h"
#include "ui/bitmap.h"

namespace corvina {
namespace {

constexpr Color kSlate = Color::Rgb(111, 128, 144);
constexpr Color kMaroon = Color::Rgb(128, 0, 0);
constexpr Color kWhite = Color::Rgb(255, 255, 255);

// A lit picture over the logo panel's wallpaper that shows only under the pointer.
TEvBtn& AddHoverButton(ui::WinControl& parent, const Rect& bounds, const char* picture) {
    auto& button = parent.Add<TEvBtn>();
    button.SetBounds(bounds);
    button.SetCursor(ui::Cursor::Hand);
    button.SetTransparent(true);
    button.SetStyle(TbuttonStyle::byNone);
    button.SetGlyphfocus(ui::Bitmap::LoadFromResource(picture));
    button.SetSpacing(12);
    button.SetPress_Move(false);
    button.SetTrans_Icon(false);
    return button;
}

TEVTabset& AddTabset(ui::WinControl& parent) {
    auto& tabs = parent.Add<TEVTabset>();
    tabs.SetAlign(ui::Align::Client);
    tabs.SetColor(kWhite);
    tabs.SetParentColor(false);
    tabs.SetFont(ui::Font(T(u8"標楷體"), 21, ui::FontStyle::Underline, Color::Rgb(128, 128, 128)));
    tabs.SetSelectFont(ui::Font(T(u8"標楷體"), 21, ui::FontStyle::Underline, kMaroon));
    tabs.SetSelect_Dist(-1);
    tabs.SetUnSelect_Dist(-4);
    tabs.SetTransColor(Color::Rgb(255, 255, 239));
    tabs.SetGlyphUP_L(ui::Bitmap::LoadFromResource("TAB_UP_L"));
    tabs.SetGlyphUP_C(ui::Bitmap::LoadFromResource("TAB_UP_C"));
    tabs.SetGlyphUP_R(ui::Bitmap::LoadFromResource("TAB_UP_R"));
    tabs.SetGlyphDN_L(ui::Bitmap::LoadFromResource("TAB_DN_L"));
    tabs.SetGlyphDN_C(ui::Bitmap::LoadFromResource("TAB_DN_C"));
    tabs.SetGlyphDN_R(ui::Bitmap::LoadFromResource("TAB_DN_R"));
    tabs.SetGlyph_Line(ui::Bitmap::LoadFromResource("TAB_LINE"));
    tabs.SetTabIndex(-1);
    return tabs;
}

}  // namespace

TopBar BuildTopBar(ui::WinControl& window) {
    auto& top = window.Add<ui::Panel>();
    top.SetAlign(ui::Align::Top);
    top.SetHeight(51);
    top.SetBevelOuter(ui::BevelCut::None);
    top.SetColor(Color::System(COLOR_CAPTIONTEXT));
    top.SetParentColor(false);

    auto& left = top.Add<TEvPanel>();
    left.SetAlign(ui::Align::Left);
    left.SetWidth(201);
    left.SetBevelOuter(ui::BevelCut::None);
    left.SetColor(kSlate);
    left.SetParentColor(false);
    left.SetLocked(true);
    left.Wallpaper().Picture().LoadFromResourceData("LOGOPANEL");
    left.Wallpaper().SetStyle(TPanelWallpaperStyle::wpLeftTop);
    TEvBtn& browser = AddHoverButton(left, {1, 0, 40, 37}, "GLOBE_LIT");
    TEvBtn& foods = AddHoverButton(left, {145, 8, 40, 37}, "FOOD_LIT");

    auto& client = top.Add<ui::Panel>();
    client.SetAlign(ui::Align::Client);
    client.SetBevelOuter(ui::BevelCut::None);
    client.SetColor(kWhite);
    client.SetParentColor(false);
    auto& notice = client.Add<ui::Label>(T(u8"※ 注意：所展示遊戲圖片版權慎重申明皆為其原創公司所有。"));
    notice.SetAlign(ui::Align::Bottom);
    notice.SetHeight(11);
    notice.SetAlignment(ui::TextAlign::Right);
    notice.SetColor(kSlate);
    notice.SetParentColor(false);
    notice.SetFont(ui::Font(T(u8"新細明體"), 11, ui::FontStyle::None, kMaroon));
    TEVTabset& tabs = AddTabset(client);

    return {top, left, browser, foods, client, tabs, notice};
}

}  // namespace corvina
