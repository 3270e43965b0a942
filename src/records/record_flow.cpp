#include "records/record_flow.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "records/account_file.h"
#include "records/record_paths.h"
#include "records/record_rules.h"
#include "records/record_texts.h"
#include "sys/strings.h"

namespace corvina {

namespace {

bool FolderPresent(GameRecordPort& port, const Big5& folder) {
    return !TrimControlAndBlanks(folder).empty() && port.FolderExists(folder);
}

// Copies what the rules let through and tells what they left out; true
// when something was copied and nothing failed.
bool CopyChosenRecords(GameRecordPort& port, const Big5& sourceFolder, const std::vector<std::wstring>& names,
                       const Big5& destinationFolder) {
    const RecordCopyPlan plan = PlanRecordCopy(port.InspectRecords(sourceFolder, names, destinationFolder));
    if (!plan.refused.empty()) {
        std::vector<LeftOutRecord> leftOut;
        for (const RefusedRecord& file : plan.refused)
            leftOut.push_back({port.ShownRecordName(file.name), file.reason});
        port.WriteAdminLog(RecordsLeftOutLogLine(sourceFolder, leftOut));
        port.ShowWarning(RecordsLeftOutWarning(leftOut));
    }
    if (plan.copied.empty()) return false;
    if (!port.CopyRecords(sourceFolder, plan.copied, destinationFolder)) {
        port.WriteAdminLog(RecordCopyFailedLogLine(sourceFolder, destinationFolder));
        port.ShowWarning(RecordCopyFailedWarning());
        return false;
    }
    return true;
}

void SaveRecord(const GameRecordDialog& dialog, std::string_view remoteSaveFolder, std::string_view caption,
                const SaveFileOptions& item, GameRecordPort& port) {
    // The chooser shows this folder and nothing else.
    if (!FolderPresent(port, item.SaveFilePath)) {
        port.ShowWarning(SaveFolderMissingWarning());
        return;
    }
    const Big5 extension = RecordExtension(item.SaveFileExt);
    const std::optional<std::wstring> chosen =
        port.ChooseRecordToSave(item.SaveFilePath, SaveDialogFilter(caption, extension));
    if (!chosen || chosen->empty()) return;
    // Another PC may have made the free name its account since OK.
    if (!dialog.AccountStillHis()) {
        port.ShowWarning(AccountTakenWarning());
        return;
    }
    // The share may have gone while he chose: asked again within the
    // probe's deadline rather than left to the copy, which would hang.
    if (!FolderPresent(port, Big5(remoteSaveFolder))) {
        port.ShowWarning(RemoteFolderMissingWarning());
        return;
    }
    const Big5 recordFolder = RecordFolder(remoteSaveFolder, dialog.Account(), caption);
    const std::unique_ptr<SessionHold> hold = port.HoldSession();
    // A failure here makes the copy fail, which is what counts.
    port.ForceFolder(AddTrailingBackslash(recordFolder));
    // The account comes to exist only with its first record.
    if (CopyChosenRecords(port, item.SaveFilePath, {*chosen}, recordFolder)) {
        port.AppendToFile(AccountFileName(remoteSaveFolder, dialog.Account()), AccountFileLine(dialog.Password()));
    }
}

void LoadRecord(GameRecordDialog& dialog, RecordDialogView& view, std::string_view remoteSaveFolder,
                std::string_view caption, const SaveFileOptions& item, GameRecordPort& port) {
    if (!FolderPresent(port, item.SaveFilePath)) {
        port.ShowWarning(SaveFolderMissingWarning());
        return;
    }
    const Big5 recordFolder = RecordFolder(remoteSaveFolder, dialog.Account(), caption);
    if (!port.FolderExists(recordFolder)) {
        port.ShowWarning(NoRecordsWarning());
        return;
    }
    dialog.EnterFileChoice(recordFolder, RecordFileMask(RecordExtension(item.SaveFileExt)));
    if (!view.ShowModal() || !dialog.SelectedFile()) return;
    if (!dialog.AccountStillHis()) {
        port.ShowWarning(NoSuchAccountWarning());
        return;
    }
    const std::unique_ptr<SessionHold> hold = port.HoldSession();
    CopyChosenRecords(port, recordFolder, {*dialog.SelectedFile()}, item.SaveFilePath);
}

}  // namespace

void RunGameRecordDialog(RecordMode mode, std::string_view remoteSaveFolder, std::string_view caption,
                         GameRecordPort& port) {
    if (!FolderPresent(port, Big5(remoteSaveFolder))) {
        port.ShowWarning(RemoteFolderMissingWarning());
        return;
    }
    GameRecordDialog dialog(mode, Big5(remoteSaveFolder), port);
    const std::unique_ptr<RecordDialogView> view = port.CreateRecordDialog(dialog);
    if (!view->ShowModal()) return;
    const SaveFileOptions item = port.ReadItemSaveSettings(Big5(caption));
    if (mode == RecordMode::Save) {
        SaveRecord(dialog, remoteSaveFolder, caption, item, port);
    } else {
        LoadRecord(dialog, *view, remoteSaveFolder, caption, item, port);
    }
}

}  // namespace corvina
