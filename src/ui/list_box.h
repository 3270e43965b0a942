#pragma once
// A system list box of Big5 lines with one selected item; also a file list.

#include <vector>

#include "ui/native_control.h"

namespace corvina::ui {

class ListBox : public NativeControl {
public:
    explicit ListBox(WinControl& parent, bool sorted = false);

    int Count() const;
    Big5 Item(int index) const;
    // The index the item got.
    int AddItem(const Big5& text);
    void SetItems(const std::vector<Big5>& items);
    void Clear();
    // The names of the files (not folders) that match a path with wildcards,
    // such as "D:\\Records\\*.sav"; replaces the items.
    void ListFiles(const Big5& pattern);
    void SetItemHeight(int height);
    // -1 when none is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    void Command(WORD code) override;
};

}  // namespace corvina::ui
