#pragma once
// The base of every control: bounds inside the parent's client area,
// alignment, the looks shared with the parent (colour, font), and the mouse
// events. A control is made and owned by its parent (WinControl::Add).

#include <cstdint>
#include <functional>

#include "sys/big5.h"
#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "ui/align_layout.h"
#include "ui/font.h"
#include "ui/input.h"

namespace corvina::ui {

class Canvas;
class WinControl;

class Control {
public:
    using Event = std::function<void(Control& sender)>;
    using MouseEvent = std::function<void(Control& sender, MouseButton, ShiftState, int x, int y)>;
    using MouseMoveEvent = std::function<void(Control& sender, ShiftState, int x, int y)>;

    explicit Control(WinControl* parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    WinControl* Parent() const { return parent_; }
    virtual bool Windowed() const { return false; }

    const Rect& Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void SetBounds(const Rect& bounds);
    void SetLeft(int left) { SetBounds({left, bounds_.top, bounds_.width, bounds_.height}); }
    void SetTop(int top) { SetBounds({bounds_.left, top, bounds_.width, bounds_.height}); }
    void SetWidth(int width) { SetBounds({bounds_.left, bounds_.top, width, bounds_.height}); }
    void SetHeight(int height) { SetBounds({bounds_.left, bounds_.top, bounds_.width, height}); }
    // The control's own surface, from (0, 0).
    Rect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    virtual int ClientWidth() const { return bounds_.width; }
    virtual int ClientHeight() const { return bounds_.height; }

    ui::Align Align() const { return align_; }
    void SetAlign(ui::Align align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and all the way up.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // With ParentColor (the default) the parent's colour shows through.
    corvina::Color Color() const;
    void SetColor(corvina::Color color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    const ui::Font& Font() const;
    void SetFont(const ui::Font& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }
    ui::Cursor Cursor() const { return cursor_; }
    void SetCursor(ui::Cursor cursor) { cursor_ = cursor; }
    const Big5& Hint() const { return hint_; }
    void SetHint(const Big5& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint) { showHint_ = showHint; }

    // Asks for a repaint of the whole control.
    virtual void Invalidate() = 0;
    // Runs the click as if the user had clicked.
    virtual void Click();

    MouseEvent OnMouseDown;
    MouseMoveEvent OnMouseMove;
    MouseEvent OnMouseUp;
    Event OnClick;
    Event OnDblClick;
    Event OnMouseEnter;
    Event OnMouseLeave;

    // The hooks the host calls; derived controls extend them and call the
    // base, which fires the events. Coordinates are the control's own.
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void DblClick();
    // The pointer entered or left `source`: this control or one on it. The
    // default passes it on to the parent and fires this control's own event
    // only for itself.
    virtual void MouseEntered(Control& source);
    virtual void MouseLeft(Control& source);

    // An accelerator key offered by the form (Alt+letter or a plain letter);
    // true when taken.
    virtual bool DialogChar(wchar_t key, bool alt);

    virtual void Paint(Canvas& canvas);
    // What Paint covers completely with opaque pixels, in the control's own
    // coordinates: what lies under it there is never drawn. Empty when none.
    virtual EdgeRect OpaqueArea() const { return {}; }

protected:
    virtual void BoundsChanged(const Rect& old);
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() { Invalidate(); }
    // The colour or font this control shows changed (its own or inherited).
    virtual void LookChanged() { Invalidate(); }
    // The parent's Realign after any change of what alignment depends on.
    void RequestRealign();
    void StoreBounds(const Rect& bounds) { bounds_ = bounds; }
    void StoreVisible(bool visible) { visible_ = visible; }

private:
    friend class WinControl;
    void InheritedLookChanged();

    WinControl* parent_;
    Rect bounds_;
    ui::Align align_ = ui::Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    corvina::Color color_ = corvina::Color::System(15);  // COLOR_BTNFACE
    bool parentColor_ = true;
    ui::Font font_;
    bool parentFont_ = true;
    std::intptr_t tag_ = 0;
    ui::Cursor cursor_ = ui::Cursor::Default;
    Big5 hint_;
    bool showHint_ = false;
};

}  // namespace corvina::ui
