#pragma once
// Everything the game-record flow does beyond deciding: the share, the
// local disk, the warning boxes, the dialogs, the copy and the clock. The
// Win32 layer implements it; tests answer it. Record file names stay the
// file system's UTF-16 from the listing to the copy.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_paths.h"
#include "records/record_rules.h"
#include "settings/item_file.h"
#include "sys/big5.h"

namespace corvina {

class GameRecordDialog;

// `TfPSWD_Dlg` on the screen, drawn from its model; freed with the flow.
class RecordDialogView {
public:
    virtual ~RecordDialogView() = default;
    // Modal; true when it closed with OK. Shown again after a phase change.
    virtual bool ShowModal() = 0;
};

// Held while a copy and the account line that completes it run: the end
// of the customer's session waits for it to go.
class SessionHold {
public:
    virtual ~SessionHold() = default;
};

class GameRecordPort {
public:
    virtual bool FolderExists(const Big5& path) = 0;
    virtual bool FileExists(const Big5& path) = 0;
    // At most the first kAccountFileReadLimit bytes of the account file;
    // nothing when it is missing or cannot be read.
    virtual std::optional<std::string> ReadAccountFile(const Big5& path) = 0;
    // Appends, creating the file when missing (`WriteTextLine` with overwrite
    // off); failures throw to the default error report.
    virtual void AppendToFile(const Big5& path, std::string_view bytes) = 0;
    // `ForceFolder`: every missing folder of the path; true when it exists at the end.
    virtual bool ForceFolder(const Big5& path) = 0;
    // The chosen files as they are now, and whether their targets in
    // `destinationFolder` may be replaced.
    virtual std::vector<RecordFileFacts> InspectRecords(const Big5& sourceFolder,
                                                        const std::vector<std::wstring>& names,
                                                        const Big5& destinationFolder) = 0;
    virtual std::unique_ptr<SessionHold> HoldSession() = 0;
    // Each file by its exact name, replacing one of the same name, off the
    // window's thread; the session's end waits for it. True when all were copied.
    virtual bool CopyRecords(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                             const Big5& destinationFolder) = 0;

    virtual void ShowWarning(const Big5& text) = 0;
    virtual std::unique_ptr<RecordDialogView> CreateRecordDialog(GameRecordDialog& dialog) = 0;
    // The program's own chooser of a file of `folder` matching the filter,
    // confined to that folder; nothing on cancel.
    virtual std::optional<std::wstring> ChooseRecordToSave(const Big5& folder, const FileFilter& filter) = 0;

    // A file name as lists and messages show it: exact when it converts to
    // Big5, else with a visible stand-in (never a wildcard) for what does not.
    virtual Big5 ShownRecordName(const std::wstring& name) = 0;

    // Faults the customer cannot act on, for the administrator.
    virtual void WriteAdminLog(std::string_view text) = 0;
    // Milliseconds of a monotonic clock: the wait after wrong passwords.
    virtual std::uint64_t NowMs() = 0;

    // [Options] of the item's own file; blank values when it is missing.
    virtual SaveFileOptions ReadItemSaveSettings(const Big5& caption) = 0;

protected:
    ~GameRecordPort() = default;
};

}  // namespace corvina
