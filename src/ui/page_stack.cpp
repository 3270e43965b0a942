#include "ui/page_stack.h"

#include <stdexcept>

namespace corvina::ui {

namespace {

// Far outside any screen.
constexpr int kParkedLeft = -30000;

}  // namespace

PageStack::PageStack(WinControl& parent) : WinControl(&parent, ContainerParams()) {}

WinControl& PageStack::AddPage(const Big5& caption) {
    auto& page = Add<WinControl>();
    page.SetText(caption);
    pages_.push_back(&page);
    if (active_ < 0) active_ = 0;
    Place();
    return page;
}

void PageStack::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) throw std::out_of_range("no such page");
    if (index == active_) return;
    // In first, out after: the area never flashes the stack's ground.
    const Rect area = AlignArea();
    SetWindowPos(Page(index).Handle(), HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    active_ = index;
    Park();
}

void PageStack::ChildrenChanged() { Park(); }

LRESULT PageStack::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = WinControl::HandleMessage(message, wParam, lParam);
    if (message == WM_SIZE) Place();
    return result;
}

void PageStack::Place() {
    const Rect area = AlignArea();
    for (int i = 0; i < PageCount(); ++i) {
        Page(i).SetBounds({i == active_ ? area.left : kParkedLeft, area.top, area.width, area.height});
    }
}

void PageStack::Park() {
    for (int i = 0; i < PageCount(); ++i) {
        WinControl& page = Page(i);
        if (i == active_ || page.Left() == kParkedLeft) continue;
        SetWindowPos(page.Handle(), nullptr, kParkedLeft, page.Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace corvina::ui
