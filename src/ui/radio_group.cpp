#include "ui/radio_group.h"

#include <algorithm>

#include "ui/canvas.h"
#include "ui/frame3d.h"
#include "ui/native_control.h"

namespace corvina::ui {

namespace {}  // namespace

class RadioGroup::Item : public NativeControl {
public:
    Item(WinControl& parent, RadioGroup& group, int index, const Big5& caption)
        : NativeControl(parent, L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, {0, 0, 10, 10}, caption),
          group_(group),
          index_(index) {}

protected:
    void Command(WORD code) override {
        if (code == BN_CLICKED) group_.SetItemIndex(index_);
    }

private:
    RadioGroup& group_;
    int index_;
};

RadioGroup::RadioGroup(WinControl& parent, const Big5& caption)
    : WinControl(&parent, ContainerParams(caption, {0, 0, 185, 105})) {}

void RadioGroup::SetItems(const std::vector<Big5>& items) {
    if (items == items_) return;
    for (WinControl* button : buttons_) Remove(*button);
    buttons_.clear();
    items_ = items;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        buttons_.push_back(&Add<Item>(*this, static_cast<int>(i), items_[i]));
    }
    if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
    if (itemIndex_ >= 0) SendMessageW(Button(itemIndex_).Handle(), BM_SETCHECK, BST_CHECKED, 0);
    Arrange();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (index == itemIndex_) return;
    if (itemIndex_ >= 0) SendMessageW(Button(itemIndex_).Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    itemIndex_ = index;
    if (itemIndex_ >= 0) SendMessageW(Button(itemIndex_).Handle(), BM_SETCHECK, BST_CHECKED, 0);
    Click();
}

void RadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, 16);
    if (columns == columns_) return;
    columns_ = columns;
    Arrange();
}

void RadioGroup::Arrange() {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int perColumn = (count + columns_ - 1) / columns_;
    const int textHeight = std::abs(Font().height);
    const int buttonWidth = (ClientWidth() - 10) / columns_;
    const int space = ClientHeight() - textHeight - 5;
    const int buttonHeight = space / perColumn;
    const int topMargin = textHeight + 1 + (space % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<std::size_t>(i)]->SetBounds(
            {(i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight});
    }
}

LRESULT RadioGroup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = WinControl::HandleMessage(message, wParam, lParam);
    if (message == WM_SIZE) Arrange();
    return result;
}

void RadioGroup::Paint(Canvas& canvas) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    canvas.SetBrushColor(Color());
    canvas.FillRect({0, 0, width, height});
    canvas.SetFont(Font());
    const int textHeight = canvas.TextHeight("0");
    EdgeRect frame{0, textHeight / 2 - 1, width, height};
    Frame3D(canvas, frame, kShadow, kHighlight, 1);
    Frame3D(canvas, frame, kHighlight, kShadow, 1);
    const Big5 caption = Caption();
    if (caption.empty()) return;
    EdgeRect text{8, 0, width - 8, textHeight};
    canvas.SetBrushColor(Color());
    canvas.TextRect(text, caption, TextFormat::SingleLine | TextFormat::CalcRect);
    canvas.TextRect(text, caption, TextFormat::SingleLine);
}

}  // namespace corvina::ui
