#pragma once
// The game-record store on this PC: the flow of records/record_flow.h
// against the real share and disk, warning boxes, the account dialog and
// the system's save dialog. The record button of an item frame calls
// SaveGameRecord or LoadGameRecord with the item's caption.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "records/record_port.h"
#include "settings/settings.h"
#include "sys/big5.h"
#include "ui/save_file_dialog.h"

namespace corvina {

// [Options] of ProgramFolder + caption + ".ini"; both blank when the file is missing.
SaveFileOptions ReadItemSaveSettings(std::string_view programFolder, std::string_view caption);

class WindowsGameRecordPort final : public GameRecordPort {
public:
    WindowsGameRecordPort(Big5 programFolder, ui::FileDialogs& dialogs)
        : programFolder_(std::move(programFolder)), dialogs_(dialogs) {}

    bool FolderExists(const Big5& path) override;
    bool FileExists(const Big5& path) override;
    std::optional<std::string> ReadFileBytes(const Big5& path) override;
    void AppendToFile(const Big5& path, std::string_view bytes) override;
    bool ForceFolder(const Big5& path) override;
    bool CopyFilesTo(const Big5& source, const Big5& destinationFolder) override;
    void ShowWarning(const Big5& text) override;
    std::unique_ptr<RecordDialogView> CreateRecordDialog(GameRecordDialog& dialog) override;
    std::optional<Big5> RunSaveDialog(const Big5& initialFolder, const FileFilter& filter) override;
    SaveFileOptions ReadItemSaveSettings(const Big5& caption) override;

private:
    Big5 programFolder_;
    ui::FileDialogs& dialogs_;
};

// `SaveGameRecord` and `LoadGameRecord` with what they need from the menu:
// the program folder and the settings' remote save folder.
class GameRecords {
public:
    GameRecords(Big5 programFolder, const MenuSettings& settings, ui::FileDialogs& dialogs)
        : settings_(settings), port_(std::move(programFolder), dialogs) {}

    void SaveGameRecord(const Big5& caption);
    void LoadGameRecord(const Big5& caption);

private:
    const MenuSettings& settings_;
    WindowsGameRecordPort port_;
};

}  // namespace corvina
