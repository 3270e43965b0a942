#include "menu/item_frames.h"

#include <shellapi.h>

#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/bitmap_canvas.h"
#include "ui/gdi_font.h"
#include "ui/picture.h"
#include "ui/picture_error.h"
#include "ui/win_control.h"

namespace corvina {
namespace {

constexpr Color kCaptionYellow = Color::Rgb(255, 255, 0);

ui::Bitmap TransparentResource(const std::string& name) {
    ui::Bitmap bitmap = ui::Bitmap::LoadFromResource(name).ForDrawing();
    bitmap.SetTransparent(true);
    return bitmap;
}

// The frame's own pixels, drawn opaquely whatever its transparency.
void DrawFrameArea(const ui::Bitmap& frame, const Rect& area, ui::Bitmap& onto) {
    ui::Bitmap opaque = frame;  // shares the pixels
    opaque.SetTransparent(false);
    ui::BitmapCanvas canvas(onto);
    opaque.Draw(canvas.Get(), {-area.left, -area.top});
}

bool DrawBackground(const Big5& file, ui::Bitmap& onto) {
    if (file.empty() || !FileExists(file)) return false;
    ui::Picture background;
    try {
        background.LoadFromFile(file, onto.Width(), onto.Height());
    } catch (const ui::PictureError&) {
        return false;
    }
    ui::BitmapCanvas canvas(onto);
    background.StretchDraw(canvas.Get(), {0, 0, onto.Width(), onto.Height()});
    return true;
}

}  // namespace

FramePictures LoadFramePictures(FrameSize size) {
    FramePictures pictures{TransparentResource(FrameResourceName(size)), {}, {}};
    for (const SmallButton button : kSmallButtons) {
        const GlyphNames names = SmallButtonGlyphNames(size, button);
        const auto slot = static_cast<std::size_t>(ActionKind(button) - 1);
        pictures.glyph[slot] = ui::Bitmap::LoadFromResource(names.Glyph).ForDrawing();
        pictures.glyphfocus[slot] = ui::Bitmap::LoadFromResource(names.Glyphfocus).ForDrawing();
    }
    return pictures;
}

ItemFrame AddItemFrame(ui::WinControl& page, const FramePictures& pictures, FrameSize size, Point origin, int index,
                       const Big5& caption, const ItemFrameEvents& events) {
    auto& frame = page.Add<ui::Image>();
    frame.SetBounds(FrameBounds(size, origin));
    frame.SetPicture(ui::Picture(pictures.frame));

    auto& picture = page.Add<TEVImageBtn>();
    picture.SetBounds(PictureButtonBounds(size, origin));
    picture.Wallpaper().SetStyle(TPanelWallpaperStyle::wpStretch);
    picture.SetTag(index);
    picture.SetCursor(ui::Cursor::Hand);
    picture.OnClick = events.onRun;

    std::array<TEvBtn*, 3> buttons{};
    for (const SmallButton kind : kSmallButtons) {
        const auto slot = static_cast<std::size_t>(ActionKind(kind) - 1);
        auto& button = page.Add<TEvBtn>();
        button.SetBounds(SmallButtonBounds(size, origin, kind));
        button.SetStyle(TbuttonStyle::byNone);
        button.SetPress_Move(false);
        button.SetTrans_Icon(false);
        button.SetTag(ItemButtonCode(kind, index));
        button.SetCursor(ui::Cursor::Hand);
        button.OnMouseEnter = events.onHover;
        button.OnMouseLeave = events.onLeave;
        button.SetGlyph(ui::Bitmap(pictures.glyph[slot]));
        button.SetGlyphfocus(ui::Bitmap(pictures.glyphfocus[slot]));
        buttons[slot] = &button;
    }

    auto& label = page.Add<ui::Label>(caption);
    label.SetBounds(CaptionLabelBounds(size, origin));
    label.SetTransparent(true);
    label.SetAlignment(ui::TextAlign::Center);
    label.SetLayout(ui::TextLayout::Center);
    label.SetFont(ui::Font(T(u8"MS Sans Serif"), ui::FontHeightOfPoints(CaptionFontSize(size)), ui::FontStyle::Bold,
                           kCaptionYellow));
    label.SetParentFont(false);
    return {frame, picture, buttons, label};
}

ui::Bitmap ItemPictureGround(const ui::Bitmap& framePicture, const Rect& buttonInFrame, const Big5& background) {
    ui::Bitmap ground(buttonInFrame.width, buttonInFrame.height);
    if (!DrawBackground(background, ground)) DrawFrameArea(framePicture, buttonInFrame, ground);
    return ground;
}

ui::Bitmap ComposeItemPicture(const ui::Bitmap& ground, const Big5& iconFile) {
    ui::Bitmap bitmap = ground;
    bitmap.SetTransparent(false);
    // Without an icon the picture keeps sharing the ground's pixels.
    DrawFileIcon(iconFile, IconPoint(bitmap.Width(), bitmap.Height()), bitmap);
    return bitmap;
}

void DrawFileIcon(const Big5& file, Point at, ui::Bitmap& bitmap) {
    if (file.empty() || !FileExists(file)) return;
    const std::wstring wideFile = WideFromBig5(file);
    HICON extracted = ExtractIconW(GetModuleHandleW(nullptr), wideFile.c_str(), 0);
    // 1 says the file is no program, library or icon file: nothing to free.
    if (extracted == nullptr || extracted == reinterpret_cast<HICON>(1)) return;
    const win32::ScopedIcon icon(extracted);
    ui::BitmapCanvas canvas(bitmap);
    DrawIcon(canvas->Handle(), at.x, at.y, icon.Get());
}

}  // namespace corvina
