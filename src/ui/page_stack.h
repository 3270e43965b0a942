#pragma once
// A stack of pages filling one area, one page showing at a time. The pages
// not shown stay visible windows parked outside the stack: under Wine,
// showing and hiding a window with scroll bars costs many times a move.
// The stack places its pages itself: laid out as aligned children, every
// new page would move each of the others in and out again.

#include <vector>

#include "ui/win_control.h"

namespace corvina::ui {

class PageStack : public WinControl {
public:
    explicit PageStack(WinControl& parent);

    // A new page at the end, filling the stack; parked unless it is the
    // first. Its window text is the caption.
    WinControl& AddPage(const Big5& caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    WinControl& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }
    // -1 while there is no page.
    int ActivePageIndex() const { return active_; }
    // Shows that page and hides the one before; an index without a page
    // throws std::out_of_range and changes nothing.
    void SetActivePageIndex(int index);

protected:
    // A page laid out anew goes back to its place: parked unless active.
    void ChildrenChanged() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Every page at the stack's size, parked unless active.
    void Place();
    void Park();

    std::vector<WinControl*> pages_;  // owned as children
    int active_ = -1;
};

}  // namespace corvina::ui
