#include "ui/panel.h"

#include "ui/canvas.h"
#include "ui/frame3d.h"
#include "ui/window_style.h"

namespace corvina::ui {

namespace {

void Bevel(Canvas& canvas, EdgeRect& rect, BevelCut cut, int width) {
    if (cut == BevelCut::None) return;
    const bool raised = cut == BevelCut::Raised;
    Frame3D(canvas, rect, raised ? kHighlight : kShadow, raised ? kShadow : kHighlight, width);
}

}  // namespace

Panel::Panel(WinControl& parent, const Big5& caption)
    : WinControl(&parent, ContainerParams(caption, {0, 0, 185, 41})) {}

void Panel::SetAlignment(TextAlign alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void Panel::SetBevelOuter(BevelCut cut) {
    if (cut == bevelOuter_) return;
    bevelOuter_ = cut;
    Invalidate();
}

void Panel::SetBevelInner(BevelCut cut) {
    if (cut == bevelInner_) return;
    bevelInner_ = cut;
    Invalidate();
}

void Panel::SetBevelWidth(int width) {
    if (width == bevelWidth_) return;
    bevelWidth_ = width;
    Invalidate();
}

void Panel::SetBorderWidth(int width) {
    if (width == borderWidth_) return;
    borderWidth_ = width;
    Invalidate();
}

void Panel::SetBorderStyle(PanelBorder style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    ChangeWindowStyle(Handle(),
                      style == PanelBorder::Single ? StyleChange{.set = WS_BORDER} : StyleChange{.clear = WS_BORDER});
    Realign();
    Invalidate();
}

void Panel::Paint(Canvas& canvas) {
    canvas.SetBrushColor(Color());
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()});
    PaintFrame(canvas);
}

void Panel::PaintFrame(Canvas& canvas) {
    EdgeRect rect{0, 0, ClientWidth(), ClientHeight()};
    Bevel(canvas, rect, bevelOuter_, bevelWidth_);
    Frame3D(canvas, rect, Color(), Color(), borderWidth_);
    Bevel(canvas, rect, bevelInner_, bevelWidth_);

    const Big5 caption = Caption();
    if (caption.empty()) return;
    canvas.SetBrush({corvina::Color{}, BrushStyle::Clear});
    canvas.SetFont(Font());
    TextFormat format = TextFormat::SingleLine | TextFormat::VCenter | TextFormat::ExpandTabs;
    if (alignment_ == TextAlign::Center) format = format | TextFormat::Center;
    if (alignment_ == TextAlign::Right) format = format | TextFormat::Right;
    canvas.TextRect(rect, caption, format);
}

}  // namespace corvina::ui
