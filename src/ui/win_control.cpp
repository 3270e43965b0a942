#include "ui/win_control.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "sys/text.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/guard.h"
#include "ui/paint_buffer.h"
#include "ui/window_class.h"

namespace corvina::ui {

namespace {

constexpr WindowBinding<WinControl> kControlBinding(L"Corvina.Control");
constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

int LowWord(LPARAM value) { return static_cast<short>(static_cast<unsigned long long>(value) & 0xFFFFu); }
int HighWord(LPARAM value) { return static_cast<short>((static_cast<unsigned long long>(value) >> 16) & 0xFFFFu); }
Point PointOf(LPARAM lParam) { return {LowWord(lParam), HighWord(lParam)}; }

ShiftState ShiftOf(WPARAM keys) {
    ShiftState shift;
    shift.shift = (keys & MK_SHIFT) != 0;
    shift.ctrl = (keys & MK_CONTROL) != 0;
    shift.alt = GetKeyState(VK_MENU) < 0;
    shift.left = (keys & MK_LBUTTON) != 0;
    shift.right = (keys & MK_RBUTTON) != 0;
    shift.middle = (keys & MK_MBUTTON) != 0;
    return shift;
}

ShiftState KeyShift() {
    ShiftState shift;
    shift.shift = GetKeyState(VK_SHIFT) < 0;
    shift.ctrl = GetKeyState(VK_CONTROL) < 0;
    shift.alt = GetKeyState(VK_MENU) < 0;
    return shift;
}

const wchar_t* CursorResource(Cursor cursor) {
    switch (cursor) {
        case Cursor::Hand:
            return IDC_HAND;
        case Cursor::IBeam:
            return IDC_IBEAM;
        case Cursor::Wait:
            return IDC_WAIT;
        case Cursor::Cross:
            return IDC_CROSS;
        case Cursor::SizeAll:
            return IDC_SIZEALL;
        case Cursor::No:
            return IDC_NO;
        case Cursor::Default:
        case Cursor::Arrow:
            break;
    }
    return IDC_ARROW;
}

HWND ParentWindow(WinControl* parent, HWND owner) { return parent ? parent->Handle() : owner; }

}  // namespace

// Tab stops inside containers take part in the form's tab order.
WinControl::WindowParams WinControl::ContainerParams(const Big5& text, const Rect& bounds) {
    WindowParams params;
    params.exStyle = WS_EX_CONTROLPARENT;
    params.text = text;
    params.bounds = bounds;
    return params;
}

WinControl::WinControl(WinControl& parent) : WinControl(&parent, ContainerParams()) {}

WinControl::WinControl(WinControl* parent, const WindowParams& params, HWND owner)
    : Control(parent), mouse_(*this, !params.systemClass) {
    StoreBounds(params.bounds);
    const std::wstring className = params.className.empty() ? kControlClass : params.className;
    if (!params.systemClass) RegisterWindowClassOnce(className, &WindowProc);
    const DWORD style = parent ? params.style | kChildStyle | WS_VISIBLE : params.style;
    const HWND window =
        CreateWindowExW(params.exStyle, className.c_str(), WideFromBig5(params.text).c_str(), style, params.bounds.left,
                        params.bounds.top, params.bounds.width, params.bounds.height, ParentWindow(parent, owner),
                        nullptr, GetModuleHandleW(nullptr), params.systemClass ? nullptr : this);
    if (!window) throw std::runtime_error("cannot create a window");
    window_.Reset(window);
    handle_ = window;
    if (params.systemClass) {
        kControlBinding.Bind(window, this);
        systemProc_ =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
    }
}

WinControl::~WinControl() {
    destroying_ = true;
    // Children go first, each with its window, while this one still stands.
    while (!children_.empty()) children_.pop_back();
    if (window_) {
        // No message reaches the half-destroyed object.
        kControlBinding.Unbind(window_.Get());
        if (systemProc_) SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
        window_.Reset();
        handle_ = nullptr;
    }
}

WinControl* WinControl::FromHandle(HWND window) { return kControlBinding.Of(window); }

LRESULT CALLBACK WinControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (WinControl* created = kControlBinding.BindOnCreate(window, message, lParam)) created->handle_ = window;
    WinControl* self = FromHandle(window);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
    }
    if (message == WM_NCDESTROY) {
        kControlBinding.Unbind(window);
        // Destroyed by someone else (its parent window, or the system).
        if (self->window_.Get() == window) (void)self->window_.Release();
        self->handle_ = nullptr;
    }
    return result;
}

LRESULT WinControl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (systemProc_) return CallWindowProcW(systemProc_, Handle(), message, wParam, lParam);
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

LRESULT WinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (Reflect(message, wParam, lParam, reflected)) return reflected;
    switch (message) {
        case WM_PAINT:
            if (SystemClass()) break;
            {
                PAINTSTRUCT paint{};
                const HDC dc = BeginPaint(Handle(), &paint);
                Guarded([&] { PaintUpdate(dc, paint.rcPaint); });
                EndPaint(Handle(), &paint);
            }
            return 0;
        case WM_PRINTCLIENT:
            if (SystemClass()) break;
            // Straight into the caller's surface, which is a buffer already.
            PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            if (SystemClass()) break;
            return 1;
        case WM_SIZE:
        case WM_MOVE: {
            const LRESULT result = DefaultHandling(message, wParam, lParam);
            StoreBounds(WindowBounds());
            if (message == WM_SIZE) Realign();
            return result;
        }
        case WM_MOUSEMOVE:
            mouse_.Move(ShiftOf(wParam), PointOf(lParam));
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            mouse_.Down(MouseButton::Left, ShiftOf(wParam), PointOf(lParam), message == WM_LBUTTONDBLCLK);
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            mouse_.Down(MouseButton::Right, ShiftOf(wParam), PointOf(lParam), message == WM_RBUTTONDBLCLK);
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            mouse_.Down(MouseButton::Middle, ShiftOf(wParam), PointOf(lParam), message == WM_MBUTTONDBLCLK);
            break;
        case WM_LBUTTONUP:
            mouse_.Up(MouseButton::Left, ShiftOf(wParam), PointOf(lParam));
            break;
        case WM_RBUTTONUP:
            mouse_.Up(MouseButton::Right, ShiftOf(wParam), PointOf(lParam));
            break;
        case WM_MBUTTONUP:
            mouse_.Up(MouseButton::Middle, ShiftOf(wParam), PointOf(lParam));
            break;
        case WM_MOUSELEAVE:
            mouse_.Left();
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
            if (!Key(message, wParam)) return 0;
            break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle()) mouse_.CaptureLost();
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == Handle() && LowWord(lParam) == HTCLIENT && SetCursorShape()) {
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

bool WinControl::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            if (WinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
                child->Command(static_cast<WORD>((wParam >> 16) & 0xFFFFu));
                result = 0;
                return true;
            }
            return false;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (WinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
                result = child->ControlColor(reinterpret_cast<HDC>(wParam));
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool WinControl::SetCursorShape() {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(Handle(), &point);
    const Control* target = GraphicChildAt({point.x, point.y});
    const ui::Cursor shape = target && target->Cursor() != ui::Cursor::Default ? target->Cursor() : Cursor();
    // A system control's default cursor is its own (the I-beam of an edit).
    if (shape == ui::Cursor::Default && SystemClass()) return false;
    ::SetCursor(LoadCursorW(nullptr, CursorResource(shape)));
    return true;
}

bool WinControl::Key(UINT message, WPARAM& wParam) {
    if (message == WM_CHAR) {
        auto key = static_cast<wchar_t>(wParam);
        Guarded([&] { KeyPress(key); });
        wParam = key;
        return key != 0;
    }
    auto key = static_cast<WORD>(wParam);
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    Guarded([&] { down ? KeyDown(key, KeyShift()) : KeyUp(key, KeyShift()); });
    wParam = key;
    return key != 0;
}

void WinControl::KeyDown(WORD& key, ShiftState shift) { Fire(OnKeyDown, *this, key, shift); }

void WinControl::KeyUp(WORD& key, ShiftState shift) { Fire(OnKeyUp, *this, key, shift); }

void WinControl::KeyPress(wchar_t& key) { Fire(OnKeyPress, *this, key); }

void WinControl::Command(WORD) {}

LRESULT WinControl::ControlColor(HDC dc) { return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0); }

void WinControl::Adopt(std::unique_ptr<Control> child) {
    children_.push_back(std::move(child));
    if (children_.back()->Align() != ui::Align::None) Realign();
    if (!children_.back()->Windowed()) children_.back()->Invalidate();
    ChildrenChanged();
}

void WinControl::Remove(Control& child) {
    const auto found = Find(child);
    if (found == children_.end()) return;
    const bool aligned = child.Align() != ui::Align::None;
    child.Invalidate();
    std::unique_ptr<Control> removed = std::move(*found);
    children_.erase(found);
    removed.reset();
    if (aligned) Realign();
    ChildrenChanged();
}

std::vector<std::unique_ptr<Control>>::iterator WinControl::Find(const Control& child) {
    return std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == &child; });
}

void WinControl::BringToFront(Control& child) {
    const auto found = Find(child);
    if (found == children_.end()) return;
    std::rotate(found, found + 1, children_.end());
    Restack(child, HWND_TOP);
}

void WinControl::SendToBack(Control& child) {
    const auto found = Find(child);
    if (found == children_.end()) return;
    std::rotate(children_.begin(), found, found + 1);
    Restack(child, HWND_BOTTOM);
}

void WinControl::Restack(Control& child, HWND where) {
    if (const auto* windowed = dynamic_cast<const WinControl*>(&child)) {
        SetWindowPos(windowed->Handle(), where, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    child.Invalidate();
    // The order of alignment is the order of the children.
    Realign();
}

void WinControl::Forget(Control& child) { mouse_.Forget(child); }

Control* WinControl::GraphicChildAt(Point point) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control& child = **it;
        if (child.Windowed() || !child.Visible() || !child.Enabled()) continue;
        const Rect& b = child.Bounds();
        if (point.x >= b.left && point.y >= b.top && point.x < b.left + b.width && point.y < b.top + b.height) {
            return &child;
        }
    }
    return nullptr;
}

int WinControl::ClientWidth() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client.right - client.left;
}

int WinControl::ClientHeight() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client.bottom - client.top;
}

void WinControl::Invalidate() { InvalidateClient(nullptr); }

void WinControl::InvalidateClient(const RECT* area) {
    // Kept paint learns of it even while hidden: showing repaints only from it.
    if (kept_) kept_->Changed(area);
    // A hidden window is painted whole when it shows.
    if (handle_ && IsWindowVisible(handle_)) InvalidateRect(handle_, area, FALSE);
}

void WinControl::KeepPaint(std::unique_ptr<KeptPaint> handedOver) {
    if (keepsPaint_) return;
    keepsPaint_ = true;
    kept_ = std::move(handedOver);
    // It holds another window's pixels.
    if (kept_) kept_->Changed(nullptr);
}

std::unique_ptr<KeptPaint> WinControl::StopKeepingPaint() {
    keepsPaint_ = false;
    return std::move(kept_);
}

void WinControl::Realign() {
    if (aligning_ || destroying_ || !handle_) return;
    aligning_ = true;
    std::vector<AlignedChild> aligned;
    aligned.reserve(children_.size());
    for (const auto& child : children_) aligned.push_back({child->Align(), child->Bounds(), child->Visible()});
    const std::vector<Rect> bounds = LayOutAligned(AlignArea(), aligned);
    for (std::size_t i = 0; i < children_.size(); ++i) {
        if (children_[i]->Align() != ui::Align::None) children_[i]->SetBounds(bounds[i]);
    }
    aligning_ = false;
}

Rect WinControl::WindowBounds() const {
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    if (Parent()) MapWindowPoints(nullptr, Parent()->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void WinControl::BoundsChanged(const Rect&) {
    const Rect& b = Bounds();
    SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControl::VisibleChanged() { ShowWindow(Handle(), Visible() ? SW_SHOWNA : SW_HIDE); }

void WinControl::EnabledChanged() {
    EnableWindow(Handle(), Enabled() ? TRUE : FALSE);
    Invalidate();
}

void WinControl::LookChanged() {
    Invalidate();
    for (const auto& child : children_) child->InheritedLookChanged();
}

Big5 WinControl::Text() const {
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(Handle(), text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return Big5FromWide(text);
}

void WinControl::SetText(const Big5& text) {
    if (text == Text()) return;
    SetWindowTextW(Handle(), WideFromBig5(text).c_str());
    Invalidate();
}

bool WinControl::Focused() const { return GetFocus() == Handle(); }

void WinControl::SetFocus() { ::SetFocus(Handle()); }

bool WinControl::TabStop() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_TABSTOP) != 0; }

void WinControl::SetTabStop(bool tabStop) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

bool WinControl::DialogChar(wchar_t key, bool alt) {
    for (const auto& child : children_) {
        if (child->Visible() && child->Enabled() && child->DialogChar(key, alt)) return true;
    }
    return false;
}

void WinControl::Paint(Canvas& canvas) {
    canvas.SetBrushColor(Color());
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()});
}

void WinControl::PaintTo(HDC dc) {
    RECT area{};
    if (GetClipBox(dc, &area) == ERROR) return;
    PaintArea(dc, area);
}

void WinControl::PaintArea(HDC dc, const RECT& area) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    const EdgeRect wanted{area.left, area.top, area.right, area.bottom};
    // Windowless children outside the area would only be clipped away.
    std::vector<Control*> painted;
    std::vector<EdgeRect> covers;  // each one's opaque part, in this control's client
    for (const auto& child : children_) {
        if (child->Windowed() || !child->Visible()) continue;
        const Rect& b = child->Bounds();
        if (!Overlaps(EdgesOf(b), wanted)) continue;
        painted.push_back(child.get());
        covers.push_back(OffsetRect(child->OpaqueArea(), b.left, b.top));
    }
    Canvas canvas(dc);
    // Nothing is drawn where a control above covers it for good: a page of
    // framed pictures would otherwise draw most of its pixels twice.
    const auto paintUnder = [&](std::size_t above, const EdgeRect& own, const auto& paint) {
        auto state = canvas.SaveState();
        for (std::size_t k = above; k < covers.size(); ++k) {
            if (Overlaps(covers[k], own)) state.ExcludeClip(covers[k]);
        }
        paint(state);
    };
    paintUnder(0, wanted, [&](CanvasState&) { Guarded([&] { Paint(canvas); }); });
    for (std::size_t i = 0; i < painted.size(); ++i) {
        const Rect& b = painted[i]->Bounds();
        paintUnder(i + 1, EdgesOf(b), [&](CanvasState& state) {
            state.MoveOrigin(b.left, b.top);
            state.IntersectClip({0, 0, b.width, b.height});
            Guarded([&] { painted[i]->Paint(canvas); });
        });
    }
}

void WinControl::PaintUpdate(HDC dc, const RECT& update) {
    RECT area{};
    const RECT client{0, 0, ClientWidth(), ClientHeight()};
    if (!IntersectRect(&area, &update, &client)) return;
    if (keepsPaint_ && PaintFromKept(dc, area)) return;
    // Only the part asked for is drawn, into a buffer of its size.
    const PaintBuffer buffer(dc, area.right - area.left, area.bottom - area.top);
    SetViewportOrgEx(buffer.Dc(), -area.left, -area.top, nullptr);
    IntersectClipRect(buffer.Dc(), area.left, area.top, area.right, area.bottom);
    PaintArea(buffer.Dc(), area);
    SetViewportOrgEx(buffer.Dc(), 0, 0, nullptr);
    buffer.CopyTo(dc, area);
}

bool WinControl::PaintFromKept(HDC dc, const RECT& area) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    if (!kept_ || !kept_->Fits(width, height)) {
        kept_.reset();
        try {
            kept_ = std::make_unique<KeptPaint>(width, height);
        } catch (const std::exception&) {
            // Short of memory: painted whole each time, as before.
            keepsPaint_ = false;
            return false;
        }
    }
    if (const std::optional<EdgeRect> changed = kept_->TakeChanged()) {
        const int saved = SaveDC(kept_->Dc());
        IntersectClipRect(kept_->Dc(), changed->left, changed->top, changed->right, changed->bottom);
        PaintArea(kept_->Dc(), {changed->left, changed->top, changed->right, changed->bottom});
        RestoreDC(kept_->Dc(), saved);
    }
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, kept_->Dc(), area.left, area.top,
           SRCCOPY);
    return true;
}

}  // namespace corvina::ui
