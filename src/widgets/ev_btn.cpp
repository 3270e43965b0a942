#include "widgets/ev_btn.h"

#include <stdexcept>
#include <string_view>

#include "sys/rotate_bitmap.h"
#include "sys/win32/draw.h"
#include "ui/accelerator.h"
#include "ui/canvas.h"
#include "ui/guard.h"
#include "ui/win_control.h"
#include "widgets/glyph_button_layout.h"
#include "widgets/glyph_button_looks.h"

namespace corvina {

namespace {

constexpr corvina::Color kBtnShadow = corvina::Color::System(COLOR_BTNSHADOW);
constexpr corvina::Color kBtnHighlight = corvina::Color::System(COLOR_BTNHIGHLIGHT);
constexpr corvina::Color kWhite = corvina::Color::Rgb(255, 255, 255);
constexpr DWORD kPatternCopy = 0x00F00021;
// 10 points on the 96-dpi screens the program runs on.
constexpr int kFontHeight = 13;

void Turn(ui::Bitmap& bitmap, int angle) {
    if (!bitmap.Empty()) RotateBitmapInPlace(bitmap.Pixels(), angle);
}

}  // namespace

TEvBtn::TEvBtn(ui::WinControl& parent, const Big5& caption) : GraphicControl(parent), caption_(caption) {
    StoreBounds({0, 0, 30, 30});
    SetFont(ui::Font("MS Sans Serif", kFontHeight));
}

// ---- properties ----

void TEvBtn::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    if (alignment == TAlignment::taAutoSpacing) {
        spacingAuto_ = true;
    } else {
        spacingAuto_ = false;
        spacing_ = 1;
    }
    Invalidate();
}

void TEvBtn::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void TEvBtn::TakePicture(ui::Bitmap& held, ui::Bitmap& given) {
    if (&held == &given) return;
    if (glyphAngle_ > 0 && glyphAngle_ < 360) Turn(given, glyphAngle_);
    held = given;
    Invalidate();
}

void TEvBtn::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (checkeffect_ != TCheckeffect::efNone) Invalidate();
}

void TEvBtn::SetSpacing_Auto(bool spacingAuto) {
    if (alignment_ != TAlignment::taAutoSpacing || spacingAuto == spacingAuto_) return;
    spacingAuto_ = spacingAuto;
    Invalidate();
}

void TEvBtn::SetTrans_Icon(bool transIcon) {
    if (transIcon == transIcon_) return;
    transIcon_ = transIcon;
    Invalidate();
}

void TEvBtn::SetMaptoFront(bool maptoFront) {
    if (maptoFront == maptoFront_) return;
    maptoFront_ = maptoFront;
    Invalidate();
}

void TEvBtn::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) return;
    ctl3D_ = ctl3D;
    Invalidate();
}

void TEvBtn::SetSpacing(int spacing) {
    if (spacing == spacing_) return;
    spacing_ = spacing;
    Invalidate();
}

void TEvBtn::SetGlyphAngle(int angle) {
    if (angle < 0 || angle > 360) throw std::out_of_range("0 <= Value <=360");
    if (angle == glyphAngle_) return;
    glyphAngle_ = angle;
    Turn(glyph_, angle);
    Turn(glyphfocus_, angle);
    Turn(glyphDis_, angle);
    Invalidate();
}

void TEvBtn::SetCheckeffect(TCheckeffect checkeffect) {
    if (checkeffect == checkeffect_) return;
    checkeffect_ = checkeffect;
    if (checked_) Invalidate();
}

void TEvBtn::SetBorderColor(corvina::Color color) {
    if (color == borderColor_) return;
    borderColor_ = color;
    Invalidate();
}

void TEvBtn::SetLayout(TButtonLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    Invalidate();
}

void TEvBtn::SetStyle(TbuttonStyle style) {
    if (style == style_) return;
    style_ = style;
    Invalidate();
}

void TEvBtn::SetCaption(const Big5& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Invalidate();
}

// ---- state ----

GlyphButtonState TEvBtn::State() const { return {Enabled(), pressed_, hovered_, checked_}; }

GlyphButtonLook TEvBtn::Look() const { return {style_, checkeffect_, transparent_, pressFocus_, pressMove_, ctl3D_}; }

ui::Bitmap& TEvBtn::ChosenPicture() {
    switch (ChooseGlyphPicture(State(), Look(), {!glyphfocus_.Empty(), !glyphDis_.Empty()})) {
        case GlyphPicture::Glyphfocus:
            return glyphfocus_;
        case GlyphPicture::GlyphDis:
            return glyphDis_;
        case GlyphPicture::Glyph:
            break;
    }
    return glyph_;
}

// ---- painting ----

void TEvBtn::Paint(ui::Canvas& canvas) {
    if (!Visible()) return;
    const int w = Width();
    const int h = Height();
    const GlyphButtonState state = State();
    const GlyphButtonLook look = Look();

    if (const auto background = BackgroundRect(w, h, state, look)) {
        canvas.SetBrushColor(Color());
        canvas.FillRect(*background);
    }
    canvas.SetFont(Font());

    ui::Bitmap& picture = ChosenPicture();
    MeasuredCaption caption;
    if (!caption_.empty()) {
        const int glyphWidth = maptoFront_ ? picture.Width() : 0;
        caption =
            MeasureCaption(caption_, CaptionAvailableWidth(w, glyphWidth, layout_, spacing_), canvas.TextHeight("T"),
                           [&canvas](std::string_view line) { return canvas.TextWidth(line); });
    }

    GlyphButtonLayoutInput in;
    in.width = w;
    in.height = h;
    in.glyphWidth = picture.Width();
    in.glyphHeight = picture.Height();
    in.maptoFront = maptoFront_;
    in.captionWidth = caption.width;
    in.captionHeight = caption.height;
    in.layout = layout_;
    in.alignment = alignment_;
    in.spacing = spacing_;
    in.spacingAuto = spacingAuto_;
    in.pressOffset = PressOffset(state, look);
    const GlyphButtonGeometry geometry = LayoutGlyphButton(in);
    // Stored without a repaint: the next paint measures from it.
    spacing_ = geometry.spacing;

    if (!picture.Empty()) PaintGlyph(canvas, picture, geometry.glyph);
    if (!caption.text.empty()) PaintCaption(canvas, caption.text, geometry.caption, geometry.captionAt);
    if (checked_) PaintChecked(canvas);
    PaintBorder(canvas);
}

void TEvBtn::PaintGlyph(ui::Canvas& canvas, ui::Bitmap& picture, Point at) {
    picture.ResetTransparentColor();
    // Marked transparent for good; an opaque copy only for this drawing.
    picture.SetTransparent(transIcon_);
    canvas.Draw(at, picture);
    picture.SetTransparent(true);
}

void TEvBtn::PaintCaption(ui::Canvas& canvas, const Big5& text, const EdgeRect& at, const EdgeRect& still) {
    const ui::TextFormat format = ui::TextFormat::Center | ui::TextFormat::ExpandTabs;
    canvas.SetBrush({corvina::Color{}, ui::BrushStyle::Clear});
    ui::Font font = Font();
    if (Enabled()) {
        canvas.SetFont(font);
        EdgeRect rect = at;
        canvas.TextRect(rect, text, format);
        return;
    }
    font.color = kWhite;
    canvas.SetFont(font);
    EdgeRect light = OffsetRect(still, 1, 1);
    canvas.TextRect(light, text, format);
    font.color = kBtnShadow;
    canvas.SetFont(font);
    EdgeRect dark = still;
    canvas.TextRect(dark, text, format);
}

void TEvBtn::PaintChecked(ui::Canvas& canvas) {
    const EdgeRect all{0, 0, Width(), Height()};
    switch (checkeffect_) {
        case TCheckeffect::efDark:
            win32::FillDither(canvas.Handle(), all, kPatternCopy);
            break;
        case TCheckeffect::efFrame:
        case TCheckeffect::efFrameDot:
            canvas.SetPen(
                {borderColor_, 1, checkeffect_ == TCheckeffect::efFrame ? ui::PenStyle::Solid : ui::PenStyle::Dot});
            canvas.SetBrush({corvina::Color{}, ui::BrushStyle::Clear});
            canvas.Rectangle(all);
            break;
        case TCheckeffect::efNone:
            break;
    }
}

void TEvBtn::PaintBorder(ui::Canvas& canvas) {
    const EdgeRect all{0, 0, Width(), Height()};
    switch (ChooseBorder(State(), Look(), false)) {
        case BorderLook::Raised:
            win32::DrawBevel(canvas.Handle(), all, kBtnHighlight, kBtnShadow);
            break;
        case BorderLook::Sunken:
            win32::DrawBevel(canvas.Handle(), all, kBtnShadow, kBtnHighlight);
            break;
        case BorderLook::Flat:
            canvas.SetBrushColor(borderColor_);
            canvas.FrameRect(all);
            break;
        case BorderLook::FrameInColor:
            canvas.SetBrushColor(Color());
            canvas.FrameRect(all);
            break;
        case BorderLook::None:
        case BorderLook::EraseParentStrips:
            break;
    }
}

// ---- repaints outside painting ----

void TEvBtn::HoverRepaint() {
    switch (HoverRepaintOf(Look(), !glyphfocus_.Empty())) {
        case HoverRepaint::Whole:
            Invalidate();
            break;
        case HoverRepaint::BorderOnly:
            InvalidateEdges();
            break;
        case HoverRepaint::None:
            break;
    }
}

// The host repaints the parent's ground and then the button with the new
// hover state, so a repaint of the edges alone both draws the new bevel and
// wipes the old one, for an opaque and a transparent button alike.
void TEvBtn::InvalidateEdges() {
    if (!Parent()) return;
    for (const EdgeRect& strip : EdgeStrips(EdgesOf(Bounds()))) {
        const RECT rect{strip.left, strip.top, strip.right, strip.bottom};
        Parent()->InvalidateClient(&rect);
    }
}

void TEvBtn::RepaintAfterPress() {
    if (pressMove_ || (pressFocus_ && !glyphfocus_.Empty())) Invalidate();
}

void TEvBtn::EnabledChanged() {
    if (Enabled() == enabledCopy_) return;
    enabledCopy_ = Enabled();
    Invalidate();
}

// ---- pointer and mouse ----

void TEvBtn::PointerEntered() {
    hovered_ = true;
    if (!pressFocus_) HoverRepaint();
    ui::Fire(OnMouseEnter, *this);
}

void TEvBtn::PointerLeft() {
    bool disFocus = true;
    ui::Fire(OnMouseLeave, *this, disFocus);
    if (disFocus) EndHoverLook();
}

void TEvBtn::EndHoverLook() {
    hovered_ = false;
    if (pressed_) {
        pressed_ = false;
        Invalidate();
    } else if (!pressFocus_) {
        HoverRepaint();
    }
}

void TEvBtn::MouseEntered(ui::Control& source) {
    if (Parent()) Parent()->MouseEntered(source);
    if (&source == this && Enabled()) PointerEntered();
}

void TEvBtn::MouseLeft(ui::Control& source) {
    if (Parent()) Parent()->MouseLeft(source);
    if (&source == this && hovered_) PointerLeft();
}

void TEvBtn::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    GraphicControl::MouseDown(button, shift, x, y);
    if (button != ui::MouseButton::Left) return;
    pressed_ = true;
    held_ = true;
    if (checkeffect_ != TCheckeffect::efNone) checked_ = !checked_;
    RepaintAfterPress();
}

// The host keeps the pointer on a pressed button until the release; the
// button itself notices the pointer leaving it and coming back meanwhile.
void TEvBtn::MouseMove(ui::ShiftState shift, int x, int y) {
    GraphicControl::MouseMove(shift, x, y);
    if (!held_) return;
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (!inside && hovered_) {
        PointerLeft();
    } else if (inside && !hovered_ && Enabled()) {
        PointerEntered();
    }
}

void TEvBtn::MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    GraphicControl::MouseUp(button, shift, x, y);
    if (button != ui::MouseButton::Left) return;
    pressed_ = false;
    held_ = false;
    RepaintAfterPress();
}

bool TEvBtn::DialogChar(wchar_t key, bool) {
    if (!ui::IsAccelerator(key, caption_)) return false;
    Click();
    return true;
}

}  // namespace corvina
