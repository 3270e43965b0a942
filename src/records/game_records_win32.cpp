#include "records/game_records_win32.h"

#include <windows.h>

#include "records/account_file.h"
#include "records/pswd_dlg.h"
#include "records/record_chooser.h"
#include "records/record_files_win32.h"
#include "records/record_flow.h"
#include "settings/item_file.h"
#include "sys/files.h"
#include "sys/folder_probe.h"
#include "sys/profile_file.h"
#include "sys/text.h"
#include "sys/win32/file_ops.h"
#include "ui/message_box.h"
#include "ui/session_scope.h"

namespace corvina {

SaveFileOptions ReadItemSaveSettings(std::string_view programFolder, std::string_view caption) {
    return ReadSaveFileOptions(LoadProfile(ItemFilePath(programFolder, caption)), programFolder);
}

// The share is on the network: one that does not answer costs the
// customer at most the probe's deadline, and the administrator hears of it.
bool WindowsGameRecordPort::FolderExists(const Big5& path) {
    const FolderProbe probe = ProbeFolder(path);
    if (probe == FolderProbe::NoAnswer) {
        log_.Write(T(u8"遊戲存檔的資料夾 ") + path + T(u8" 沒有回應，存檔或讀檔未進行。"));
    }
    return probe == FolderProbe::Reachable;
}

bool WindowsGameRecordPort::FileExists(const Big5& path) { return corvina::FileExists(path); }

std::optional<std::string> WindowsGameRecordPort::ReadAccountFile(const Big5& path) {
    return ReadFileHead(path, kAccountFileReadLimit);
}

void WindowsGameRecordPort::AppendToFile(const Big5& path, std::string_view bytes) { AppendFileBytes(path, bytes); }

bool WindowsGameRecordPort::ForceFolder(const Big5& path) { return corvina::ForceFolder(path); }

namespace {

struct SessionWorkHold final : SessionHold {
    ui::SessionWork work;
};

}  // namespace

std::unique_ptr<SessionHold> WindowsGameRecordPort::HoldSession() { return std::make_unique<SessionWorkHold>(); }

std::vector<RecordFileFacts> WindowsGameRecordPort::InspectRecords(const Big5& sourceFolder,
                                                                   const std::vector<std::wstring>& names,
                                                                   const Big5& destinationFolder) {
    return InspectRecordFiles(sourceFolder, names, destinationFolder);
}

bool WindowsGameRecordPort::CopyRecords(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                                        const Big5& destinationFolder) {
    // A share may answer slowly: the window stays alive meanwhile.
    return RunOffWindowThread(
        [sourceFolder, names, destinationFolder] { return CopyRecordFiles(sourceFolder, names, destinationFolder); });
}

void WindowsGameRecordPort::ShowWarning(const Big5& text) { ui::ShowWarning(text); }

std::unique_ptr<RecordDialogView> WindowsGameRecordPort::CreateRecordDialog(GameRecordDialog& dialog) {
    return std::make_unique<RecordDialogWindow>(dialog);
}

std::optional<std::wstring> WindowsGameRecordPort::ChooseRecordToSave(const Big5& folder, const FileFilter& filter) {
    return ChooseRecordFile(folder, filter);
}

Big5 WindowsGameRecordPort::ShownRecordName(const std::wstring& name) { return corvina::ShownRecordName(name); }

void WindowsGameRecordPort::WriteAdminLog(std::string_view text) { log_.Write(text); }

std::uint64_t WindowsGameRecordPort::NowMs() { return clock_(); }

SaveFileOptions WindowsGameRecordPort::ReadItemSaveSettings(const Big5& caption) {
    return corvina::ReadItemSaveSettings(programFolder_, caption);
}

WindowsGameRecordPort::Clock GameRecords::SystemClock() {
    return [] { return static_cast<std::uint64_t>(GetTickCount64()); };
}

void GameRecords::SaveGameRecord(const Big5& caption) {
    RunGameRecordDialog(RecordMode::Save, settings_.Remote_SavePath, caption, port_);
}

void GameRecords::LoadGameRecord(const Big5& caption) {
    RunGameRecordDialog(RecordMode::Load, settings_.Remote_SavePath, caption, port_);
}

}  // namespace corvina
