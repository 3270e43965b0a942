#pragma once
// A stack of pages filling one area, one page showing at a time. The pages
// not shown stay visible windows parked outside the stack: under Wine,
// showing and hiding a window with scroll bars costs many times a move.
// The stack places its pages itself: laid out as aligned children, every
// new page would move each of the others in and out again.
//
// A page may be added for later: its window is made when it is first
// needed, so that many pages cost nothing until they are used.

#include <functional>
#include <vector>

#include "sys/big5.h"
#include "ui/win_control.h"

namespace corvina::ui {

class PageStack : public WinControl {
public:
    // Gives a page made later its contents, right after its window is made.
    using PageFiller = std::function<void(WinControl& page)>;

    explicit PageStack(WinControl& parent);

    // A new page at the end, filling the stack; parked unless it is the
    // first. Its window text is the caption.
    WinControl& AddPage(const Big5& caption);
    // A new page at the end whose window is made, and then filled, when
    // Page() or SetActivePageIndex() first asks for it.
    void AddPageLater(const Big5& caption, PageFiller fill);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    bool PageMade(int index) const;
    // Makes the page first if it was added for later; an index without a
    // page throws std::out_of_range.
    WinControl& Page(int index);
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
    struct Slot {
        WinControl* page = nullptr;  // owned as a child; null until made
        Big5 caption;
        PageFiller fill;
    };

    WinControl& Make(int index);
    Rect PlaceOf(int index) const;
    // Every page made at the stack's size, parked unless active.
    void Place();
    void Park();

    std::vector<Slot> pages_;
    int active_ = -1;
};

}  // namespace corvina::ui
