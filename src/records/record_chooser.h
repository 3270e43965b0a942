#pragma once
// `TfRecordChooser`: the program's own choice of the save-file to store.
// It lists the game's save folder and nothing else: no other folder, no
// typed name, no menu of the shell. It closes with the session.

#include <optional>
#include <string>

#include "records/record_file_list.h"
#include "records/record_paths.h"
#include "ui/bevel.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/session_scope.h"
#include "widgets/ev_btn.h"

namespace corvina {

// Client size: room for a dozen names, well inside 800 x 600.
inline constexpr int kRecordChooserWidth = 360;
inline constexpr int kRecordChooserHeight = 260;

class TfRecordChooser final : public ui::Form {
public:
    // The title line is the filter's description: caption + " files (*.ext)".
    TfRecordChooser(const Big5& folder, const FileFilter& filter);

    // The file chosen with OK; nothing after Cancel.
    const std::optional<std::wstring>& Chosen() const { return chosen_; }

    void B_OKClick(ui::Control& sender);
    void B_CancelClick(ui::Control& sender);

    ui::Panel& Pnl_Clt;
    ui::Panel& Pnl_Caption;
    ui::Panel& Pnl_Bottom;
    TEvBtn& B_Cancel;
    TEvBtn& B_OK;
    ui::Bevel& Bevel1;
    RecordFileList& FileListBox;

protected:
    void DoActivate() override;

private:
    std::optional<std::wstring> chosen_;
    bool focusPending_ = true;
    ui::SessionWindow session_{[this] { B_CancelClick(B_Cancel); }};
};

// Shows the chooser modally; the chosen file's real name, nothing on cancel.
std::optional<std::wstring> ChooseRecordFile(const Big5& folder, const FileFilter& filter);

}  // namespace corvina
