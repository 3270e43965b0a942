#pragma once
// A control with a window of its own. It owns its children (windowed and
// windowless) in z-order, lays out the aligned ones, paints itself and its
// windowless children double-buffered, and routes the mouse to them.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sys/win32/handles.h"
#include "ui/control.h"
#include "ui/kept_paint.h"
#include "ui/mouse_router.h"

namespace corvina::ui {

class WinControl : public Control {
public:
    // How the window is made: one of our classes (painted through Paint) or
    // a system class such as EDIT, subclassed for its events.
    struct WindowParams {
        std::wstring className;  // empty: the plain container class
        bool systemClass = false;
        DWORD style = 0;  // children always get WS_CHILD, WS_CLIPSIBLINGS and WS_CLIPCHILDREN
        DWORD exStyle = 0;
        Big5 text;
        Rect bounds{0, 0, 100, 50};
    };

    // A plain container on `parent`.
    explicit WinControl(WinControl& parent);
    // The window of a container control (panels, groups).
    static WindowParams ContainerParams(const Big5& text = {}, const Rect& bounds = {0, 0, 100, 50});
    // `parent` null makes a top-level window owned by `owner`.
    WinControl(WinControl* parent, const WindowParams& params, HWND owner = nullptr);
    ~WinControl() override;

    bool Windowed() const override { return true; }
    HWND Handle() const { return handle_; }
    // Our control behind a window, or null.
    static WinControl* FromHandle(HWND window);

    // Makes a child of type T with (*this, args...) and keeps it on top.
    template <typename T, typename... Args>
    T& Add(Args&&... args) {
        auto child = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& added = *child;
        Adopt(std::move(child));
        return added;
    }
    // Destroys a child.
    void Remove(Control& child);
    // Moves a child to the top or the bottom of the z-order.
    void BringToFront(Control& child);
    void SendToBack(Control& child);
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
    // The visible, enabled windowless child at a point of the client area.
    Control* GraphicChildAt(Point point) const;

    int ClientWidth() const override;
    int ClientHeight() const override;
    void Invalidate() override;
    // What `area` of the client shows (all of it when null) has changed.
    void InvalidateClient(const RECT* area);
    // Keeps what is painted, so that a repaint that changes nothing (the
    // window shown again) is one copy. Costs a bitmap of the client's size;
    // another control's, no longer kept, saves making one.
    void KeepPaint(std::unique_ptr<KeptPaint> handedOver = nullptr);
    // Paints whole again; hands the bitmap on, if any.
    std::unique_ptr<KeptPaint> StopKeepingPaint();
    // Lays out the aligned children inside the client area.
    void Realign();

    // The window text.
    Big5 Text() const;
    void SetText(const Big5& text);

    bool Focused() const;
    void SetFocus();
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    bool DialogChar(wchar_t key, bool alt) override;

    // Keys while the control has the focus; a handler that sets the key to
    // 0 keeps it from the control.
    using KeyEvent = std::function<void(Control& sender, WORD& key, ShiftState shift)>;
    using KeyPressEvent = std::function<void(Control& sender, wchar_t& key)>;
    KeyEvent OnKeyDown;
    KeyEvent OnKeyUp;
    KeyPressEvent OnKeyPress;
    // Paints what `dc` lets through of the client area straight into it.
    void PaintTo(HDC dc);
    // The window's own bounds, as the system has them now.
    Rect WindowBounds() const;

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    bool SystemClass() const { return systemProc_ != nullptr; }

    // Fills the client area with Color.
    void Paint(Canvas& canvas) override;
    void BoundsChanged(const Rect& old) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void LookChanged() override;
    // The key hooks; the defaults fire the events.
    virtual void KeyDown(WORD& key, ShiftState shift);
    virtual void KeyUp(WORD& key, ShiftState shift);
    virtual void KeyPress(wchar_t& key);
    // A child was added, removed, moved, resized, shown or hidden.
    virtual void ChildrenChanged() {}
    // The part of the client area that aligned children share.
    virtual Rect AlignArea() const { return ClientRect(); }
    // Notifications of a system child, reflected to it by its parent.
    virtual void Command(WORD code);
    virtual LRESULT ControlColor(HDC dc);

private:
    friend class Control;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Adopt(std::unique_ptr<Control> child);
    void Forget(Control& child);
    void Restack(Control& child, HWND where);
    std::vector<std::unique_ptr<Control>>::iterator Find(const Control& child);
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // False when a handler took the key away.
    bool Key(UINT message, WPARAM& wParam);
    bool SetCursorShape();
    // The control and its windowless children that reach into `area`.
    void PaintArea(HDC dc, const RECT& area);
    // WM_PAINT: the update rectangle, double-buffered.
    void PaintUpdate(HDC dc, const RECT& update);
    // False when there is no memory to keep it.
    bool PaintFromKept(HDC dc, const RECT& area);

    win32::OwnedWindow window_;
    // Known from WM_NCCREATE on, before CreateWindowEx returns.
    HWND handle_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    MouseRouter mouse_;
    bool aligning_ = false;
    bool destroying_ = false;
    bool keepsPaint_ = false;
    std::unique_ptr<KeptPaint> kept_;  // made at the first paint that keeps
};

}  // namespace corvina::ui
