#pragma once
// The game-record store on this PC: the flow of records/record_flow.h
// against the real share and disk, warning boxes, the account dialog and
// the program's own file chooser. The record button of an item frame calls
// SaveGameRecord or LoadGameRecord with the item's caption.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/record_port.h"
#include "settings/settings.h"
#include "sys/admin_log.h"
#include "sys/big5.h"

namespace corvina {

// [Options] of ProgramFolder + caption + ".ini"; both blank when the file is missing.
SaveFileOptions ReadItemSaveSettings(std::string_view programFolder, std::string_view caption);

class WindowsGameRecordPort final : public GameRecordPort {
public:
    // Milliseconds of a monotonic clock; tests hand in their own.
    using Clock = std::function<std::uint64_t()>;

    WindowsGameRecordPort(Big5 programFolder, AdminLog& log, Clock clock)
        : programFolder_(std::move(programFolder)), log_(log), clock_(std::move(clock)) {}

    bool FolderExists(const Big5& path) override;
    bool FileExists(const Big5& path) override;
    std::optional<std::string> ReadAccountFile(const Big5& path) override;
    void AppendToFile(const Big5& path, std::string_view bytes) override;
    bool ForceFolder(const Big5& path) override;
    std::unique_ptr<SessionHold> HoldSession() override;
    std::vector<RecordFileFacts> InspectRecords(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                                                const Big5& destinationFolder) override;
    bool CopyRecords(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                     const Big5& destinationFolder) override;
    void ShowWarning(const Big5& text) override;
    std::unique_ptr<RecordDialogView> CreateRecordDialog(GameRecordDialog& dialog) override;
    std::optional<std::wstring> ChooseRecordToSave(const Big5& folder, const FileFilter& filter) override;
    Big5 ShownRecordName(const std::wstring& name) override;
    void WriteAdminLog(std::string_view text) override;
    std::uint64_t NowMs() override;
    SaveFileOptions ReadItemSaveSettings(const Big5& caption) override;

private:
    Big5 programFolder_;
    AdminLog& log_;
    Clock clock_;
};

// `SaveGameRecord` and `LoadGameRecord` with what they need from the menu:
// the program folder, the settings' remote save folder, the log.
class GameRecords {
public:
    GameRecords(Big5 programFolder, const MenuSettings& settings, AdminLog& log,
                WindowsGameRecordPort::Clock clock = SystemClock())
        : settings_(settings), port_(std::move(programFolder), log, std::move(clock)) {}

    void SaveGameRecord(const Big5& caption);
    void LoadGameRecord(const Big5& caption);

private:
    static WindowsGameRecordPort::Clock SystemClock();

    const MenuSettings& settings_;
    WindowsGameRecordPort port_;
};

}  // namespace corvina
