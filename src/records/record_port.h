#pragma once
// Everything the game-record flow does beyond deciding: the share, the
// local disk, the warning boxes, the dialogs and the shell copy. The Win32
// layer implements it; tests answer it.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "records/record_paths.h"
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

class GameRecordPort {
public:
    virtual bool FolderExists(const Big5& path) = 0;
    virtual bool FileExists(const Big5& path) = 0;
    // Nothing when the file is missing or cannot be read.
    virtual std::optional<std::string> ReadFileBytes(const Big5& path) = 0;
    // Appends, creating the file when missing (`WriteTextLine` with overwrite
    // off); failures throw to the default error report.
    virtual void AppendToFile(const Big5& path, std::string_view bytes) = 0;
    // `ForceFolder`: every missing folder of the path; true when it exists at the end.
    virtual bool ForceFolder(const Big5& path) = 0;
    // `CopyFilesTo` in its files-only mode: no questions, same names replaced.
    virtual bool CopyFilesTo(const Big5& source, const Big5& destinationFolder) = 0;

    virtual void ShowWarning(const Big5& text) = 0;
    virtual std::unique_ptr<RecordDialogView> CreateRecordDialog(GameRecordDialog& dialog) = 0;
    // The system's save dialog; the chosen file's full path, nothing on cancel.
    virtual std::optional<Big5> RunSaveDialog(const Big5& initialFolder, const FileFilter& filter) = 0;

    // [Options] of the item's own file; blank values when it is missing.
    virtual SaveFileOptions ReadItemSaveSettings(const Big5& caption) = 0;

protected:
    ~GameRecordPort() = default;
};

}  // namespace corvina
