#include "ui/page_stack.h"

#include <stdexcept>
#include <utility>

namespace corvina::ui {

namespace {

// Far outside any screen.
constexpr int kParkedLeft = -30000;

}  // namespace

PageStack::PageStack(WinControl& parent) : WinControl(&parent, ContainerParams()) {}

WinControl& PageStack::AddPage(const Big5& caption) {
    AddPageLater(caption, nullptr);
    return Make(PageCount() - 1);
}

void PageStack::AddPageLater(const Big5& caption, PageFiller fill) {
    pages_.push_back({nullptr, caption, std::move(fill)});
    if (active_ < 0) active_ = 0;
}

bool PageStack::PageMade(int index) const {
    return index >= 0 && index < PageCount() && pages_[static_cast<std::size_t>(index)].page != nullptr;
}

WinControl& PageStack::Page(int index) {
    if (index < 0 || index >= PageCount()) throw std::out_of_range("no such page");
    WinControl* page = pages_[static_cast<std::size_t>(index)].page;
    return page != nullptr ? *page : Make(index);
}

WinControl& PageStack::Make(int index) {
    Slot& slot = pages_[static_cast<std::size_t>(index)];
    auto& page = Add<WinControl>();
    slot.page = &page;
    page.SetText(slot.caption);
    page.SetBounds(PlaceOf(index));
    // Moved out first: a filler that asks for its own page finds it made.
    if (const PageFiller fill = std::exchange(slot.fill, nullptr)) fill(page);
    return page;
}

void PageStack::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) throw std::out_of_range("no such page");
    if (index == active_ && PageMade(index)) return;
    WinControl& page = Page(index);
    // In first, out after: the area never flashes the stack's ground.
    const Rect area = AlignArea();
    SetWindowPos(page.Handle(), HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    active_ = index;
    Park();
}

void PageStack::ChildrenChanged() { Park(); }

LRESULT PageStack::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = WinControl::HandleMessage(message, wParam, lParam);
    if (message == WM_SIZE) Place();
    return result;
}

Rect PageStack::PlaceOf(int index) const {
    const Rect area = AlignArea();
    return {index == active_ ? area.left : kParkedLeft, area.top, area.width, area.height};
}

void PageStack::Place() {
    for (int i = 0; i < PageCount(); ++i) {
        if (PageMade(i)) Page(i).SetBounds(PlaceOf(i));
    }
}

void PageStack::Park() {
    for (int i = 0; i < PageCount(); ++i) {
        if (i == active_ || !PageMade(i)) continue;
        WinControl& page = Page(i);
        if (page.Left() == kParkedLeft) continue;
        SetWindowPos(page.Handle(), nullptr, kParkedLeft, page.Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace corvina::ui
