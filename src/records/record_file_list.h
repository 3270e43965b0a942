#pragma once
// The list of record files a customer chooses from: one folder's files
// matching a mask, nothing else (no folders, no other drive, no typing).
// Each line keeps the file's real UTF-16 name; what the line shows may
// differ where the name has no Big5 form. Keys as a list takes them: the
// arrows, Home and End move, Enter chooses, Esc cancels.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sys/big5.h"
#include "ui/list_box.h"

namespace corvina {

class RecordFileList final : public ui::ListBox {
public:
    explicit RecordFileList(ui::WinControl& parent) : ui::ListBox(parent) {}

    // Replaces the lines with the folder's matching files, the first selected.
    void ListFolder(const Big5& folder, const Big5& mask);
    // The selected line's real name; nothing when none is selected.
    std::optional<std::wstring> SelectedName() const;
    const std::vector<std::wstring>& Names() const { return names_; }

    std::function<void()> OnChoose;
    std::function<void()> OnCancel;

protected:
    void KeyDown(WORD& key, ui::ShiftState shift) override;
    void DblClick() override;

private:
    std::vector<std::wstring> names_;
};

}  // namespace corvina
