#include "ui/page_stack.h"

#include <stdexcept>

namespace corvina::ui {

PageStack::PageStack(WinControl& parent) : WinControl(&parent, ContainerParams()) {}

WinControl& PageStack::AddPage(const Big5& caption) {
    auto& page = Add<WinControl>();
    page.SetText(caption);
    page.SetAlign(Align::Client);
    pages_.push_back(&page);
    if (active_ < 0) {
        active_ = 0;
    } else {
        page.Hide();
    }
    return page;
}

void PageStack::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) throw std::out_of_range("no such page");
    if (index == active_) return;
    // Show first, hide after: the area never flashes the stack's ground.
    Page(index).Show();
    if (active_ >= 0) Page(active_).Hide();
    active_ = index;
}

}  // namespace corvina::ui
