#include "records/game_records_win32.h"

#include "records/pswd_dlg.h"
#include "records/record_flow.h"
#include "settings/item_file.h"
#include "sys/files.h"
#include "sys/profile_file.h"
#include "sys/win32/file_ops.h"
#include "ui/message_box.h"

namespace corvina {

SaveFileOptions ReadItemSaveSettings(std::string_view programFolder, std::string_view caption) {
    return ReadSaveFileOptions(LoadProfile(ItemFilePath(programFolder, caption)), programFolder);
}

bool WindowsGameRecordPort::FolderExists(const Big5& path) { return corvina::FolderExists(path); }

bool WindowsGameRecordPort::FileExists(const Big5& path) { return corvina::FileExists(path); }

std::optional<std::string> WindowsGameRecordPort::ReadFileBytes(const Big5& path) {
    return corvina::ReadFileBytes(path);
}

void WindowsGameRecordPort::AppendToFile(const Big5& path, std::string_view bytes) { AppendFileBytes(path, bytes); }

bool WindowsGameRecordPort::ForceFolder(const Big5& path) { return corvina::ForceFolder(path); }

bool WindowsGameRecordPort::CopyFilesTo(const Big5& source, const Big5& destinationFolder) {
    return corvina::CopyFilesTo(source, destinationFolder, false);
}

void WindowsGameRecordPort::ShowWarning(const Big5& text) { ui::ShowWarning(text); }

std::unique_ptr<RecordDialogView> WindowsGameRecordPort::CreateRecordDialog(GameRecordDialog& dialog) {
    return std::make_unique<RecordDialogWindow>(dialog);
}

std::optional<Big5> WindowsGameRecordPort::RunSaveDialog(const Big5& initialFolder, const FileFilter& filter) {
    return dialogs_.RunSaveDialog({initialFolder, filter.description, filter.pattern});
}

SaveFileOptions WindowsGameRecordPort::ReadItemSaveSettings(const Big5& caption) {
    return corvina::ReadItemSaveSettings(programFolder_, caption);
}

void GameRecords::SaveGameRecord(const Big5& caption) {
    RunGameRecordDialog(RecordMode::Save, settings_.Remote_SavePath, caption, port_);
}

void GameRecords::LoadGameRecord(const Big5& caption) {
    RunGameRecordDialog(RecordMode::Load, settings_.Remote_SavePath, caption, port_);
}

}  // namespace corvina
