#pragma once
// The game-record store's own texts, in Big5: the dialog's title lines,
// labels and buttons, the record button's two entries, and every warning.
// "\r" breaks a message box line.

#include <string_view>
#include <utility>
#include <vector>

#include "records/record_rules.h"
#include "sys/big5.h"

namespace corvina {

// The record button's popup entries: 0 loads, 1 saves.
Big5 LoadRecordEntry();  // "讀取遊戲記錄"
Big5 SaveRecordEntry();  // "儲存遊戲記錄"

// `Pnl_Caption` of `TfPSWD_Dlg`.
Big5 SaveDialogTitle();        // "請設置屬於自己的帳號及密碼"
Big5 LoadDialogTitle();        // "請輸入上次記錄的帳號及密碼"
Big5 FileChoiceDialogTitle();  // "請選擇遊戲記錄之檔名"

Big5 AccountLabel();       // `Label1`
Big5 PasswordLabel();      // `Label2`
Big5 ConfirmationLabel();  // `LbL_Sure`
Big5 OkCaption();          // `B_OK`
Big5 CancelCaption();      // `B_Cancel`
Big5 RecordDialogFontName();

Big5 RemoteFolderMissingWarning();  // before the dialog
Big5 MustEnterWarning();            // a required field is empty
Big5 PasswordMismatchWarning();     // save: password and confirmation differ
Big5 AccountTakenWarning();         // save: another's account
Big5 NoSuchAccountWarning();        // load: no account or wrong password
Big5 SaveFolderMissingWarning();    // load: the item's save folder is missing
Big5 NoRecordsWarning();            // load: no record folder for the item
// A field holding more than the typed alphabet allows (pasted text).
Big5 InvalidAccountTextWarning();
// OK pressed again too soon after a wrong password.
Big5 PasswordWaitWarning(int seconds);
// A record copy that failed, told instead of reported as done.
Big5 RecordCopyFailedWarning();
Big5 RecordCopyFailedLogLine(std::string_view sourceFolder, std::string_view destinationFolder);

// A chosen file, its name as the list shows it, that a copy left out.
struct LeftOutRecord {
    Big5 shownName;
    RecordRefusal reason;
};
Big5 RecordRefusalText(RecordRefusal reason);
// One box: which files were left out and why, one line each.
Big5 RecordsLeftOutWarning(const std::vector<LeftOutRecord>& files);
// The administrator's one line for the same copy: the folder and the files.
Big5 RecordsLeftOutLogLine(std::string_view sourceFolder, const std::vector<LeftOutRecord>& files);

}  // namespace corvina
