#pragma once
// `TfPSWD_Dlg` apart from its window: its two phases (credentials, then
// in load mode the file choice), what each shows, `ALLKeyPress` and
// `B_OKClick`. The window hands in its fields and draws the answers.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "records/account_text.h"
#include "records/password_backoff.h"
#include "records/record_port.h"
#include "sys/big5.h"
#include "widgets/edit_format.h"

namespace corvina {

enum class RecordMode { Load, Save };
enum class RecordDialogPhase { Credentials, FileChoice };

// Client size; the file choice makes the form taller.
inline constexpr int kRecordDialogWidth = 296;
inline constexpr int kRecordDialogHeight = 142;
inline constexpr int kFileChoiceExtraHeight = 60;

// `Tag` of `T_UID`, `T_PSWD1` and `T_PSWD2`; all three take small letters
// as typed, no display format, at most 12 bytes.
inline constexpr int kAccountFieldTag = 0;
inline constexpr int kPasswordFieldTag = 1;
inline constexpr int kConfirmationFieldTag = 2;
inline constexpr EvStyle kRecordFieldKeyinCase = EvStyle::evLowerCase;
inline constexpr std::size_t kRecordFieldMaxLength = kAccountTextMaxLength;

// The window's state when OK is pressed.
struct RecordDialogInput {
    Big5 account;       // `T_UID`
    Big5 password;      // `T_PSWD1`
    Big5 confirmation;  // `T_PSWD2`, save mode only
    // `FileListBox`: the chosen file's name as the file system spells it,
    // empty for none.
    std::wstring selectedFile;
};

enum class KeyPressAction { None, NextField, Confirm };

class GameRecordDialog {
public:
    GameRecordDialog(RecordMode mode, Big5 remoteSaveFolder, GameRecordPort& port)
        : mode_(mode), remoteSaveFolder_(std::move(remoteSaveFolder)), port_(port) {}

    RecordDialogPhase Phase() const { return phase_; }
    Big5 Title() const;
    // `T_PSWD2` and `LbL_Sure`.
    bool ConfirmationVisible() const { return mode_ == RecordMode::Save; }
    int Height() const;

    // The file choice: `Pnl_Center` covers the fields and lists the folder.
    void EnterFileChoice(Big5 folder, Big5 mask);
    const Big5& FileListFolder() const { return fileListFolder_; }
    const Big5& FileListMask() const { return fileListMask_; }

    // After the field's own filter. Enter is dropped: it moves on to the
    // next field or confirms; other keys outside the alphabet are dropped.
    KeyPressAction ALLKeyPress(int tag, wchar_t& key) const;

    // True: close with OK. Otherwise a warning was shown and the dialog stays.
    // After a wrong password the next try waits (PasswordBackoff), and says so.
    bool B_OKClick(const RecordDialogInput& input);

    // Asked again just before a copy: the account accepted on OK is still
    // the customer's (a free name still free, or opened by his password).
    bool AccountStillHis() const;

    // What OK accepted: normalized credentials, the chosen file.
    const Big5& Account() const { return account_; }
    const Big5& Password() const { return password_; }
    const std::optional<std::wstring>& SelectedFile() const { return selectedFile_; }

private:
    bool CheckCredentials(const RecordDialogInput& input);
    bool PasswordOpens(const Big5& account, const Big5& password) const;
    bool WrongPassword(const Big5& warning);

    RecordMode mode_;
    Big5 remoteSaveFolder_;
    GameRecordPort& port_;
    RecordDialogPhase phase_ = RecordDialogPhase::Credentials;
    Big5 fileListFolder_;
    Big5 fileListMask_;
    Big5 account_;
    Big5 password_;
    std::optional<std::wstring> selectedFile_;
    PasswordBackoff backoff_;
};

}  // namespace corvina
