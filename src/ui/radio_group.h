#pragma once
// A framed group of system radio buttons, one per item, laid out in
// columns; ItemIndex is the checked one and OnClick follows its changes.

#include <vector>

#include "ui/win_control.h"

namespace corvina::ui {

class RadioGroup : public WinControl {
public:
    explicit RadioGroup(WinControl& parent, const Big5& caption = {});

    Big5 Caption() const { return Text(); }
    void SetCaption(const Big5& caption) { SetText(caption); }
    const std::vector<Big5>& Items() const { return items_; }
    void SetItems(const std::vector<Big5>& items);
    // -1 when none is checked.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    void SetColumns(int columns);

    // The radio button of an item.
    WinControl& Button(int index) const { return *buttons_.at(static_cast<std::size_t>(index)); }

protected:
    void Paint(Canvas& canvas) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class Item;
    void Arrange();

    std::vector<Big5> items_;
    std::vector<WinControl*> buttons_;  // owned as children
    int itemIndex_ = -1;
    int columns_ = 1;
};

}  // namespace corvina::ui
