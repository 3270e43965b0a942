#include "records/record_dialog.h"

#include <algorithm>
#include <array>

#include "records/account_file.h"
#include "records/record_texts.h"

namespace corvina {

Big5 GameRecordDialog::Title() const {
    if (phase_ == RecordDialogPhase::FileChoice) return FileChoiceDialogTitle();
    return mode_ == RecordMode::Save ? SaveDialogTitle() : LoadDialogTitle();
}

int GameRecordDialog::Height() const {
    return kRecordDialogHeight + (phase_ == RecordDialogPhase::FileChoice ? kFileChoiceExtraHeight : 0);
}

void GameRecordDialog::EnterFileChoice(Big5 folder, Big5 mask) {
    phase_ = RecordDialogPhase::FileChoice;
    fileListFolder_ = std::move(folder);
    fileListMask_ = std::move(mask);
}

KeyPressAction GameRecordDialog::ALLKeyPress(int tag, wchar_t& key) const {
    if (key == L'\r') {
        key = 0;
        const int lastTag = mode_ == RecordMode::Save ? kConfirmationFieldTag : kPasswordFieldTag;
        return tag < lastTag ? KeyPressAction::NextField : KeyPressAction::Confirm;
    }
    if (!IsAccountKey(key)) key = 0;
    return KeyPressAction::None;
}

bool GameRecordDialog::B_OKClick(const RecordDialogInput& input) {
    if (phase_ == RecordDialogPhase::FileChoice) {
        // Nothing chosen copies nothing: the shell must never get an empty source.
        selectedFile_ = input.selectedFile.empty() ? std::nullopt : std::optional<std::wstring>(input.selectedFile);
        return true;
    }
    if (const int wait = backoff_.WaitLeftSeconds(port_.NowMs()); wait > 0) {
        port_.ShowWarning(PasswordWaitWarning(wait));
        return false;
    }
    return CheckCredentials(input);
}

bool GameRecordDialog::CheckCredentials(const RecordDialogInput& input) {
    const bool save = mode_ == RecordMode::Save;
    const Big5 account = NormalizeAccountText(input.account);
    const Big5 password = NormalizeAccountText(input.password);
    const Big5 confirmation = NormalizeAccountText(input.confirmation);
    const std::array<AccountTextCheck, 3> checks = {CheckAccountText(account), CheckAccountText(password),
                                                    save ? CheckAccountText(confirmation) : AccountTextCheck::Valid};
    if (std::ranges::find(checks, AccountTextCheck::Empty) != checks.end()) {
        port_.ShowWarning(MustEnterWarning());
        return false;
    }
    if (std::ranges::find(checks, AccountTextCheck::Invalid) != checks.end()) {
        port_.ShowWarning(InvalidAccountTextWarning());
        return false;
    }
    if (save && password != confirmation) {
        port_.ShowWarning(PasswordMismatchWarning());
        return false;
    }
    if (save) {
        // A device name can hold no file, yet is no free account either.
        const bool taken = IsDeviceName(account) || port_.FileExists(AccountFileName(remoteSaveFolder_, account));
        if (taken && !PasswordOpens(account, password)) return WrongPassword(AccountTakenWarning());
    } else if (!PasswordOpens(account, password)) {
        return WrongPassword(NoSuchAccountWarning());
    }
    account_ = account;
    password_ = password;
    return true;
}

bool GameRecordDialog::WrongPassword(const Big5& warning) {
    backoff_.WrongPassword(port_.NowMs());
    port_.ShowWarning(warning);
    return false;
}

bool GameRecordDialog::AccountStillHis() const {
    if (mode_ == RecordMode::Save && !port_.FileExists(AccountFileName(remoteSaveFolder_, account_))) {
        return !IsDeviceName(account_);
    }
    return PasswordOpens(account_, password_);
}

bool GameRecordDialog::PasswordOpens(const Big5& account, const Big5& password) const {
    if (IsDeviceName(account)) return false;
    return CheckAccountPassword(port_.ReadAccountFile(AccountFileName(remoteSaveFolder_, account)), password);
}

}  // namespace corvina
