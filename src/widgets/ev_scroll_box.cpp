#include "widgets/ev_scroll_box.h"

#include <uxtheme.h>

#include <algorithm>
#include <utility>

#include "ui/canvas.h"
#include "ui/guard.h"

namespace corvina {

namespace {

ui::WinControl::WindowParams ScrollBoxParams() {
    ui::WinControl::WindowParams params;
    params.exStyle = WS_EX_CONTROLPARENT;
    params.bounds = {0, 0, 185, 41};
    return params;
}

constexpr int kLineStep = 8;

SCROLLINFO ScrollInfo(UINT mask) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

}  // namespace

TEVScrollBox::TEVScrollBox(ui::WinControl& parent)
    : WinControl(&parent, ScrollBoxParams()), wallpaper_([this](TPanelWallpaper&) { Invalidate(); }) {
    // Classic bars, as the program asks for no visual styles. Wine 8 still
    // draws them with its own theme while one is active (some 3 ms per page
    // shown), which is why the benchmark turns Wine's theme off.
    SetWindowTheme(Handle(), L"", L"");
}

void TEVScrollBox::SetWallpaper(const TPanelWallpaper& wallpaper) {
    if (&wallpaper != &wallpaper_) wallpaper_.Assign(wallpaper);
}

bool TEVScrollBox::HorzBarVisible() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_HSCROLL) != 0; }

bool TEVScrollBox::VertBarVisible() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VSCROLL) != 0; }

void TEVScrollBox::SetHorzPosition(int position) { SetPosition(horz_, position); }

void TEVScrollBox::SetVertPosition(int position) { SetPosition(vert_, position); }

void TEVScrollBox::SetPosition(const Axis& axis, int position) {
    SCROLLINFO info = ScrollInfo(SIF_POS);
    info.nPos = position;
    // The system clamps it to the range.
    SetScrollInfo(Handle(), axis.bar, &info, TRUE);
    FollowBars();
}

LRESULT TEVScrollBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            // lParam names a scroll bar control, not ours.
            if (lParam != 0) break;
            Scroll(message == WM_HSCROLL ? horz_ : vert_, wParam);
            return 0;
        case WM_SIZE: {
            const LRESULT result = WinControl::HandleMessage(message, wParam, lParam);
            UpdateScrollBars();
            return result;
        }
        default:
            break;
    }
    return WinControl::HandleMessage(message, wParam, lParam);
}

void TEVScrollBox::Paint(ui::Canvas& canvas) {
    WinControl::Paint(canvas);
    EdgeRect rect{0, 0, ClientWidth(), ClientHeight()};
    if (HorzBarVisible()) rect.left -= horz_.position;
    if (VertBarVisible()) rect.top -= vert_.position;
    wallpaper_.Paint(canvas, rect, Color());
}

void TEVScrollBox::ChildrenChanged() {
    if (updateDepth_ == 0) UpdateScrollBars();
}

void TEVScrollBox::EndUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0) UpdateScrollBars();
}

void TEVScrollBox::UpdateScrollBars() {
    // Our own moves of the children, and the sizes the bars cause, come back here.
    if (updating_ || moving_ || !Handle()) return;
    updating_ = true;
    MeasureContent();
    SetBarRanges();
    FollowBars();
    updating_ = false;
}

void TEVScrollBox::MeasureContent() {
    horz_.range = 0;
    vert_.range = 0;
    for (const auto& child : Children()) {
        if (!child->Visible() || child->Align() != ui::Align::None) continue;
        const Rect& b = child->Bounds();
        horz_.range = std::max(horz_.range, b.left + b.width + horz_.position);
        vert_.range = std::max(vert_.range, b.top + b.height + vert_.position);
    }
}

void TEVScrollBox::SetBarRanges() {
    // A bar that comes or goes takes room from the other side: settle in a few rounds.
    for (int round = 0; round < 3; ++round) {
        const int width = ClientWidth();
        const int height = ClientHeight();
        for (const auto& [axis, page] : {std::pair{&horz_, width}, std::pair{&vert_, height}}) {
            // The system hides a bar whose page covers its range.
            SCROLLINFO info = ScrollInfo(SIF_RANGE | SIF_PAGE);
            info.nMax = std::max(axis->range - 1, 0);
            info.nPage = static_cast<UINT>(std::max(page, 1));
            SetScrollInfo(Handle(), axis->bar, &info, TRUE);
        }
        if (ClientWidth() == width && ClientHeight() == height) break;
    }
}

void TEVScrollBox::Scroll(const Axis& axis, WPARAM request) {
    SCROLLINFO info = ScrollInfo(SIF_ALL);
    if (!GetScrollInfo(Handle(), axis.bar, &info)) return;
    const int page = std::max(static_cast<int>(info.nPage) * 9 / 10, 1);
    int position = info.nPos;
    switch (LOWORD(request)) {
        case SB_LINEUP:
            position -= kLineStep;
            break;
        case SB_LINEDOWN:
            position += kLineStep;
            break;
        case SB_PAGEUP:
            position -= page;
            break;
        case SB_PAGEDOWN:
            position += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            // The 32-bit position; the message's own is cut to 16 bits.
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = info.nMin;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    SetPosition(axis, position);
}

void TEVScrollBox::FollowBars() {
    ScrollTo(horz_, HorzBarVisible() ? GetScrollPos(Handle(), SB_HORZ) : 0);
    ScrollTo(vert_, VertBarVisible() ? GetScrollPos(Handle(), SB_VERT) : 0);
}

void TEVScrollBox::ScrollTo(Axis& axis, int position) {
    const int delta = axis.position - position;
    if (delta == 0) return;
    axis.position = position;
    const bool horizontal = &axis == &horz_;
    moving_ = true;
    for (const auto& child : Children()) {
        // Aligned children keep to the client area.
        if (child->Align() != ui::Align::None) continue;
        const Rect& b = child->Bounds();
        child->SetBounds(horizontal ? Rect{b.left + delta, b.top, b.width, b.height}
                                    : Rect{b.left, b.top + delta, b.width, b.height});
    }
    moving_ = false;
    Invalidate();
    ui::Fire(OnScroll, *this);
}

}  // namespace corvina
