#include "menu/settings_strip.h"

#include "sys/text.h"
#include "ui/bitmap.h"
#include "ui/font.h"

namespace corvina {
namespace {

ui::Font StripFont(int height, Color color = Color::Rgb(0, 0, 0)) {
    return ui::Font(T(u8"新細明體"), height, ui::FontStyle::None, color);
}

// The tile's own ground, so that the radio groups sit on the same colour.
constexpr Color kStripGround = Color::Rgb(233, 227, 213);

void AddCaption(ui::WinControl& strip, const Point& at, const Big5& caption) {
    auto& label = strip.Add<ui::Label>(caption);
    label.SetBounds({at.x, at.y, 16 * static_cast<int>(caption.size() / 2), 16});
    label.SetTransparent(true);
    label.SetFont(StripFont(16));
    label.SetParentFont(false);
}

ui::RadioGroup& AddChoice(ui::WinControl& strip, const Rect& bounds, const std::vector<Big5>& items) {
    auto& group = strip.Add<ui::RadioGroup>();
    group.SetBounds(bounds);
    group.SetColumns(2);
    group.SetFont(StripFont(13, Color::Rgb(0, 0, 128)));
    group.SetParentFont(false);
    group.SetItems(items);
    group.SetItemIndex(1);
    return group;
}

}  // namespace

SettingsStrip BuildSettingsStrip(ui::WinControl& parent) {
    auto& strip = parent.Add<TEvPanel>();
    strip.SetBounds({0, kStripHiddenTop, 800, kStripHeight});
    strip.SetBorderWidth(4);
    strip.SetBorderStyle(ui::PanelBorder::Single);
    strip.SetBevelOuter(ui::BevelCut::None);
    strip.SetColor(kStripGround);
    strip.SetParentColor(false);
    strip.Wallpaper().Picture().SetBitmap(ui::Bitmap::LoadFromResource("STRIP_TILE"));
    strip.Wallpaper().SetStyle(TPanelWallpaperStyle::wpTile);

    AddCaption(strip, {10, 9}, T(u8"色彩："));
    ui::RadioGroup& color = AddChoice(strip, {58, -2, 154, 33}, {"256 Color", T(u8"全彩")});
    AddCaption(strip, {219, 9}, T(u8"工作區域："));
    ui::RadioGroup& area = AddChoice(strip, {298, -2, 180, 33}, {"800 * 600", "1024 * 768"});

    auto& setup = strip.Add<TEvBtn>(T(u8"確認設定"));
    setup.SetBounds({481, 11, 64, 19});

    auto& exit = strip.Add<TEvBtn>();
    exit.SetAlign(ui::Align::Right);
    exit.SetWidth(27);
    exit.SetHeight(28);
    exit.SetCursor(ui::Cursor::Hand);
    exit.SetHint(T(u8"離開選單！"));
    exit.SetShowHint(true);
    exit.SetStyle(TbuttonStyle::byMs98);
    exit.SetGlyph(ui::Bitmap::LoadFromResource("EXIT"));

    return {strip, color, area, setup, exit};
}

}  // namespace corvina
