#include "ui/control.h"

#include "ui/application.h"
#include "ui/guard.h"
#include "ui/win_control.h"

namespace corvina::ui {

Control::Control(WinControl* parent) : parent_(parent) {}

Control::~Control() {
    if (parent_) parent_->Forget(*this);
    if (Application* application = Application::Current()) application->Forget(*this);
}

void Control::SetBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    const Rect old = bounds_;
    bounds_ = bounds;
    BoundsChanged(old);
    if (align_ != ui::Align::None) RequestRealign();
    if (parent_) parent_->ChildrenChanged();
}

void Control::BoundsChanged(const Rect&) {}

void Control::SetAlign(ui::Align align) {
    if (align == align_) return;
    align_ = align;
    RequestRealign();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
    if (align_ != ui::Align::None) RequestRealign();
    if (parent_) parent_->ChildrenChanged();
}

bool Control::Showing() const {
    for (const Control* control = this; control; control = control->parent_) {
        if (!control->visible_) return false;
    }
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

corvina::Color Control::Color() const { return parentColor_ && parent_ ? parent_->Color() : color_; }

void Control::SetColor(corvina::Color color) {
    if (!parentColor_ && color == color_) return;
    color_ = color;
    parentColor_ = false;
    LookChanged();
}

void Control::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_) return;
    if (!parentColor) color_ = Color();
    parentColor_ = parentColor;
    LookChanged();
}

const ui::Font& Control::Font() const { return parentFont_ && parent_ ? parent_->Font() : font_; }

void Control::SetFont(const ui::Font& font) {
    if (!parentFont_ && font == font_) return;
    font_ = font;
    parentFont_ = false;
    LookChanged();
}

void Control::SetParentFont(bool parentFont) {
    if (parentFont == parentFont_) return;
    if (!parentFont) font_ = Font();
    parentFont_ = parentFont;
    LookChanged();
}

void Control::Click() { Fire(OnClick, *this); }

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Fire(OnMouseDown, *this, button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, int x, int y) { Fire(OnMouseMove, *this, shift, x, y); }

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Fire(OnMouseUp, *this, button, shift, x, y);
}

void Control::DblClick() { Fire(OnDblClick, *this); }

void Control::MouseEntered(Control& source) {
    if (parent_) parent_->MouseEntered(source);
    if (&source == this) Fire(OnMouseEnter, *this);
}

void Control::MouseLeft(Control& source) {
    if (parent_) parent_->MouseLeft(source);
    if (&source == this) Fire(OnMouseLeave, *this);
}

bool Control::DialogChar(wchar_t, bool) { return false; }

void Control::Paint(Canvas&) {}

void Control::RequestRealign() {
    if (parent_) parent_->Realign();
}

void Control::InheritedLookChanged() {
    if (parentColor_ || parentFont_) LookChanged();
}

}  // namespace corvina::ui
