#pragma once
// The program's push button: a windowless control showing a picture and a
// wrapped caption, with a hover picture, a pressed look, a checked state,
// transparency over the parent and four border styles. It owns its three
// pictures as values.

#include <functional>

#include "sys/big5.h"
#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "ui/bitmap.h"
#include "ui/graphic_control.h"
#include "widgets/glyph_button_types.h"

namespace corvina {

class TEvBtn : public ui::GraphicControl {
public:
    // A handler that sets DisFocus to false keeps the hover look although
    // the pointer has left.
    using TMouseOutEvent = std::function<void(ui::Control& sender, bool& DisFocus)>;

    explicit TEvBtn(ui::WinControl& parent, const Big5& caption = {});

    TAlignment Alignment() const { return alignment_; }
    // Any value but taAutoSpacing fixes Spacing at 1.
    void SetAlignment(TAlignment alignment);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // The setters turn the given bitmap itself by GlyphAngle (when strictly
    // between 0 and 360) before taking a copy, so the caller's changes too.
    const ui::Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(ui::Bitmap& bitmap) { TakePicture(glyph_, bitmap); }
    void SetGlyph(ui::Bitmap&& bitmap) { TakePicture(glyph_, bitmap); }
    const ui::Bitmap& Glyphfocus() const { return glyphfocus_; }
    void SetGlyphfocus(ui::Bitmap& bitmap) { TakePicture(glyphfocus_, bitmap); }
    void SetGlyphfocus(ui::Bitmap&& bitmap) { TakePicture(glyphfocus_, bitmap); }
    const ui::Bitmap& GlyphDis() const { return glyphDis_; }
    void SetGlyphDis(ui::Bitmap& bitmap) { TakePicture(glyphDis_, bitmap); }
    void SetGlyphDis(ui::Bitmap&& bitmap) { TakePicture(glyphDis_, bitmap); }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // Ignored while Alignment is not taAutoSpacing.
    bool Spacing_Auto() const { return spacingAuto_; }
    void SetSpacing_Auto(bool spacingAuto);
    bool Press_Focus() const { return pressFocus_; }
    void SetPress_Focus(bool pressFocus) { pressFocus_ = pressFocus; }
    bool Trans_Icon() const { return transIcon_; }
    void SetTrans_Icon(bool transIcon);
    bool Press_Move() const { return pressMove_; }
    void SetPress_Move(bool pressMove) { pressMove_ = pressMove; }
    bool MaptoFront() const { return maptoFront_; }
    void SetMaptoFront(bool maptoFront);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    // Recomputed at each paint while Spacing_Auto is on.
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // 0 ... 360; throws std::out_of_range otherwise. Turns the pictures
    // held now by the new value, not by the difference.
    int GlyphAngle() const { return glyphAngle_; }
    void SetGlyphAngle(int angle);
    TCheckeffect Checkeffect() const { return checkeffect_; }
    void SetCheckeffect(TCheckeffect checkeffect);
    corvina::Color BorderColor() const { return borderColor_; }
    void SetBorderColor(corvina::Color color);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    TbuttonStyle Style() const { return style_; }
    void SetStyle(TbuttonStyle style);
    // "&" marks the accelerator letter.
    const Big5& Caption() const { return caption_; }
    void SetCaption(const Big5& caption);

    // Takes the place of the control's plain leave event.
    TMouseOutEvent OnMouseLeave;

    bool Hovered() const { return hovered_; }
    // What a leave does when DisFocus stays true: for a button whose leave
    // handler kept the look while its popup was open.
    void EndHoverLook();

    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    void MouseMove(ui::ShiftState shift, int x, int y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    void MouseEntered(ui::Control& source) override;
    void MouseLeft(ui::Control& source) override;
    bool DialogChar(wchar_t key, bool alt) override;

protected:
    void EnabledChanged() override;

private:
    GlyphButtonState State() const;
    GlyphButtonLook Look() const;
    ui::Bitmap& ChosenPicture();
    void TakePicture(ui::Bitmap& held, ui::Bitmap& given);
    // The enter and leave protocol of the button itself, events included.
    void PointerEntered();
    void PointerLeft();
    void HoverRepaint();
    void RepaintAfterPress();
    void InvalidateEdges();
    void PaintGlyph(ui::Canvas& canvas, ui::Bitmap& picture, Point at);
    void PaintCaption(ui::Canvas& canvas, const Big5& text, const EdgeRect& at, const EdgeRect& still);
    void PaintChecked(ui::Canvas& canvas);
    void PaintBorder(ui::Canvas& canvas);

    TAlignment alignment_ = TAlignment::taAutoSpacing;
    bool transparent_ = false;
    ui::Bitmap glyph_;
    ui::Bitmap glyphfocus_;
    ui::Bitmap glyphDis_;
    bool checked_ = false;
    bool spacingAuto_ = true;
    bool pressFocus_ = false;
    bool transIcon_ = true;
    bool pressMove_ = true;
    bool maptoFront_ = true;
    bool ctl3D_ = true;
    int spacing_ = 0;
    int glyphAngle_ = 0;
    TCheckeffect checkeffect_ = TCheckeffect::efNone;
    corvina::Color borderColor_ = corvina::Color::Rgb(0, 0, 0);
    TButtonLayout layout_ = TButtonLayout::blGlyphTop;
    TbuttonStyle style_ = TbuttonStyle::byNormal;
    Big5 caption_;

    bool enabledCopy_ = true;
    bool pressed_ = false;
    bool hovered_ = false;
    // The left button went down here and is not up yet, even if the
    // pointer left and `pressed_` was dropped.
    bool held_ = false;
};

}  // namespace corvina
