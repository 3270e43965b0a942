#include "records/record_file_list.h"

#include "records/record_files_win32.h"

namespace corvina {

void RecordFileList::ListFolder(const Big5& folder, const Big5& mask) {
    names_ = ListRecordFolder(folder, mask);
    Clear();
    for (const std::wstring& name : names_) AddItem(ShownRecordName(name));
    SetItemIndex(names_.empty() ? -1 : 0);
}

std::optional<std::wstring> RecordFileList::SelectedName() const {
    const int selected = ItemIndex();
    if (selected < 0 || static_cast<std::size_t>(selected) >= names_.size()) return std::nullopt;
    return names_[static_cast<std::size_t>(selected)];
}

void RecordFileList::KeyDown(WORD& key, ui::ShiftState shift) {
    ui::ListBox::KeyDown(key, shift);
    if (key == VK_RETURN && OnChoose) {
        key = 0;
        OnChoose();
    } else if (key == VK_ESCAPE && OnCancel) {
        key = 0;
        OnCancel();
    }
}

void RecordFileList::DblClick() {
    ui::ListBox::DblClick();
    if (OnChoose && SelectedName()) OnChoose();
}

}  // namespace corvina
