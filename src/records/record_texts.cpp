#include "records/record_texts.h"

#include "sys/text.h"

namespace corvina {

Big5 LoadRecordEntry() { return T(u8"讀取遊戲記錄"); }
Big5 SaveRecordEntry() { return T(u8"儲存遊戲記錄"); }

Big5 SaveDialogTitle() { return T(u8"請設置屬於自己的帳號及密碼"); }
Big5 LoadDialogTitle() { return T(u8"請輸入上次記錄的帳號及密碼"); }
Big5 FileChoiceDialogTitle() { return T(u8"請選擇遊戲記錄之檔名"); }

Big5 AccountLabel() { return T(u8"使用者帳號："); }
Big5 PasswordLabel() { return T(u8"使用者密碼："); }
Big5 ConfirmationLabel() { return T(u8"再確認密碼："); }
Big5 OkCaption() { return T(u8"確認"); }
Big5 CancelCaption() { return T(u8"取消"); }
Big5 RecordDialogFontName() { return T(u8"新細明體"); }

Big5 RemoteFolderMissingWarning() { return T(u8"遠端存檔路徑不存在，\r請洽詢管理者。"); }
Big5 MustEnterWarning() { return T(u8"必須輸入！"); }
Big5 PasswordMismatchWarning() { return T(u8"密碼與確認密碼不符！"); }
Big5 AccountTakenWarning() { return T(u8"此帳號已有人使用！"); }
Big5 NoSuchAccountWarning() { return T(u8"無此帳號及密碼！"); }
Big5 SaveFolderMissingWarning() { return T(u8"遊戲存檔路徑不存在，\r請洽詢管理者。"); }
Big5 NoRecordsWarning() { return T(u8"非常抱歉！\r此遊戲沒有任何記錄檔。"); }
Big5 InvalidAccountTextWarning() { return T(u8"帳號及密碼只能使用 1 至 12 個英文字母或數字！"); }

}  // namespace corvina
