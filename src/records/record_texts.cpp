#include "records/record_texts.h"

#include <string>

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
Big5 PasswordWaitWarning(int seconds) { return T(u8"密碼錯誤，請於 ") + std::to_string(seconds) + T(u8" 秒後再試。"); }
Big5 RecordCopyFailedWarning() { return T(u8"遊戲記錄複製失敗，\r請洽詢管理者。"); }
Big5 RecordCopyFailedLogLine(std::string_view sourceFolder, std::string_view destinationFolder) {
    return T(u8"遊戲記錄從 ") + Big5(sourceFolder) + T(u8" 複製到 ") + Big5(destinationFolder) + T(u8" 失敗");
}

Big5 RecordRefusalText(RecordRefusal reason) {
    switch (reason) {
        case RecordRefusal::NotAPlainFile:
            return T(u8"不是一般檔案");
        case RecordRefusal::ProgramFile:
            return T(u8"程式或捷徑檔不能複製");
        case RecordRefusal::FileTooLarge:
            return T(u8"檔案超過 256 MB");
        case RecordRefusal::ChoiceTooLarge:
            return T(u8"檔案合計超過 1 GB");
        case RecordRefusal::TargetNotAPlainFile:
            return T(u8"目的地的同名項目不是一般檔案");
    }
    return {};
}

Big5 RecordsLeftOutWarning(const std::vector<LeftOutRecord>& files) {
    Big5 text = T(u8"下列檔案沒有複製：");
    for (const LeftOutRecord& file : files)
        text += "\r" + file.shownName + T(u8"（") + RecordRefusalText(file.reason) + T(u8"）");
    return text;
}

Big5 RecordsLeftOutLogLine(std::string_view sourceFolder, const std::vector<LeftOutRecord>& files) {
    Big5 text = T(u8"遊戲記錄複製略過 ") + Big5(sourceFolder) + T(u8" 的檔案：");
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0) text += T(u8"；");
        text += files[i].shownName + T(u8"（") + RecordRefusalText(files[i].reason) + T(u8"）");
    }
    return text;
}

}  // namespace corvina
