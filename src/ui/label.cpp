#include "ui/label.h"

#include "ui/accelerator.h"
#include "ui/canvas.h"
#include "ui/win_control.h"

namespace corvina::ui {

namespace {

// The grey of disabled text.
constexpr corvina::Color kGrayText = corvina::Color::System(17);

}  // namespace

Label::Label(WinControl& parent, const Big5& caption) : GraphicControl(parent), caption_(caption) {
    StoreBounds({0, 0, 65, 17});
}

void Label::SetCaption(const Big5& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Invalidate();
}

void Label::SetAlignment(TextAlign alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void Label::SetLayout(TextLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    Invalidate();
}

void Label::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void Label::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_) return;
    wordWrap_ = wordWrap;
    Invalidate();
}

void Label::SetShowAccelChar(bool show) {
    if (show == showAccelChar_) return;
    showAccelChar_ = show;
    Invalidate();
}

void Label::Paint(Canvas& canvas) {
    const EdgeRect all{0, 0, Width(), Height()};
    if (!transparent_) {
        canvas.SetBrushColor(Color());
        canvas.FillRect(all);
    }
    canvas.SetBrush({corvina::Color{}, BrushStyle::Clear});
    ui::Font font = Font();
    if (!Enabled()) font.color = kGrayText;
    canvas.SetFont(font);

    TextFormat format = TextFormat::ExpandTabs;
    if (alignment_ == TextAlign::Center) format = format | TextFormat::Center;
    if (alignment_ == TextAlign::Right) format = format | TextFormat::Right;
    if (wordWrap_) format = format | TextFormat::WordBreak;
    if (!showAccelChar_) format = format | TextFormat::NoPrefix;

    EdgeRect rect = all;
    if (layout_ != TextLayout::Top) rect.top += MeasuredTextTop(canvas, font, format);
    canvas.TextRect(rect, caption_, format);
}

int Label::MeasuredTextTop(Canvas& canvas, const ui::Font& font, TextFormat format) {
    const bool current = textTop_ && textTop_->caption == caption_ && textTop_->font == font &&
                         textTop_->format == format && textTop_->layout == layout_ && textTop_->width == Width() &&
                         textTop_->height == Height();
    if (!current) {
        EdgeRect measured{0, 0, Width(), Height()};
        canvas.TextRect(measured, caption_, format | TextFormat::CalcRect);
        const int spare = Height() - measured.Height();
        textTop_ = TextTop{
            caption_, font, format, layout_, Width(), Height(), layout_ == TextLayout::Center ? spare / 2 : spare};
    }
    return textTop_->top;
}

bool Label::DialogChar(wchar_t key, bool alt) {
    if (!focusControl_ || !showAccelChar_ || !IsAccelerator(key, caption_)) return false;
    (void)alt;
    if (focusControl_->Showing() && focusControl_->Enabled()) focusControl_->SetFocus();
    return true;
}

}  // namespace corvina::ui
