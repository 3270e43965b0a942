// `TfPSWD_Dlg`'s model: phases, Enter and the key alphabet, and every
// check of `B_OKClick` with its warning.

#include <gtest/gtest.h>

#include "fake_record_port.h"
#include "records/account_file.h"
#include "records/record_dialog.h"
#include "records/record_texts.h"

namespace corvina {
namespace {

constexpr std::string_view kRemote = R"(S:\rec\)";

RecordDialogInput Credentials(Big5 account, Big5 password, Big5 confirmation = {}) {
    return {std::move(account), std::move(password), std::move(confirmation), {}};
}

class RecordDialogTest : public ::testing::Test {
protected:
    void AddAccount(std::string_view account, std::string contents) {
        port.files[AccountFileName(kRemote, account)] = std::move(contents);
    }
    // The warning OK gave, or "" when it closed the dialog.
    Big5 Ok(GameRecordDialog& dialog, const RecordDialogInput& input) {
        port.warnings.clear();
        const bool closed = dialog.B_OKClick(input);
        EXPECT_EQ(closed, port.warnings.empty());
        return closed ? Big5{} : port.warnings.at(0);
    }

    test::FakeRecordPort port;
    GameRecordDialog save{RecordMode::Save, Big5(kRemote), port};
    GameRecordDialog load{RecordMode::Load, Big5(kRemote), port};
};

TEST_F(RecordDialogTest, PhasesDecideTitleConfirmationAndHeight) {
    EXPECT_EQ(save.Title(), SaveDialogTitle());
    EXPECT_TRUE(save.ConfirmationVisible());
    EXPECT_EQ(load.Title(), LoadDialogTitle());
    EXPECT_FALSE(load.ConfirmationVisible());
    EXPECT_EQ(load.Height(), 142);
    load.EnterFileChoice(R"(S:\rec\joe\Game)", "*.sav");
    EXPECT_EQ(load.Phase(), RecordDialogPhase::FileChoice);
    EXPECT_EQ(load.Title(), FileChoiceDialogTitle());
    EXPECT_EQ(load.Height(), 202);
    EXPECT_EQ(load.FileListFolder(), R"(S:\rec\joe\Game)");
    EXPECT_EQ(load.FileListMask(), "*.sav");
}

TEST_F(RecordDialogTest, EnterMovesOnUntilTheLastFieldOfTheMode) {
    const auto press = [](const GameRecordDialog& dialog, int tag) {
        wchar_t key = L'\r';
        const KeyPressAction action = dialog.ALLKeyPress(tag, key);
        EXPECT_EQ(key, 0);
        return action;
    };
    EXPECT_EQ(press(save, kAccountFieldTag), KeyPressAction::NextField);
    EXPECT_EQ(press(save, kPasswordFieldTag), KeyPressAction::NextField);
    EXPECT_EQ(press(save, kConfirmationFieldTag), KeyPressAction::Confirm);
    EXPECT_EQ(press(load, kAccountFieldTag), KeyPressAction::NextField);
    EXPECT_EQ(press(load, kPasswordFieldTag), KeyPressAction::Confirm);
}

TEST_F(RecordDialogTest, OtherKeysOutsideTheAlphabetAreDropped) {
    for (const wchar_t typed : {L'A', L'-', L'.', L' '}) {
        // The field's own filter runs first.
        wchar_t key = FilterKey(kRecordFieldKeyinCase, typed, L"", 0).key;
        EXPECT_EQ(save.ALLKeyPress(kAccountFieldTag, key), KeyPressAction::None);
        EXPECT_EQ(key, typed == L'A' ? L'a' : 0) << static_cast<int>(typed);
    }
}

TEST_F(RecordDialogTest, EmptyFieldsMustBeEntered) {
    EXPECT_EQ(Ok(save, Credentials("", "pw", "pw")), MustEnterWarning());
    EXPECT_EQ(Ok(save, Credentials("joe", "", "pw")), MustEnterWarning());
    EXPECT_EQ(Ok(save, Credentials("joe", "pw", "")), MustEnterWarning());
    EXPECT_EQ(Ok(load, Credentials("joe", "")), MustEnterWarning());
    // Load mode has no confirmation to ask for.
    AddAccount("joe", "pw\r\n");
    EXPECT_EQ(Ok(load, Credentials("joe", "pw")), "");
}

TEST_F(RecordDialogTest, PastedTextOutsideTheAlphabetIsRefused) {
    // ..\x would read and write beside the account folders on the share.
    port.files[R"(S:\rec\..\x\PSWD.PD)"] = "pw\r\n";
    EXPECT_EQ(Ok(load, Credentials("..\\x", "pw")), InvalidAccountTextWarning());
    EXPECT_EQ(Ok(save, Credentials("..\\x", "pw", "pw")), InvalidAccountTextWarning());
    EXPECT_EQ(Ok(save, Credentials("joe", "p w", "p w")), InvalidAccountTextWarning());
    EXPECT_EQ(Ok(save, Credentials("joe", "pw", "pw.")), InvalidAccountTextWarning());
    EXPECT_EQ(Ok(save, Credentials("joejoejoejoe1", "pw", "pw")), InvalidAccountTextWarning());
}

TEST_F(RecordDialogTest, PastedCapitalsAreSmallLetters) {
    EXPECT_EQ(Ok(save, Credentials("JOE", "PW", "pw")), "");
    EXPECT_EQ(save.Account(), "joe");
    EXPECT_EQ(save.Password(), "pw");
}

TEST_F(RecordDialogTest, SaveTakesAFreeNameOrTheOwnersPassword) {
    EXPECT_EQ(Ok(save, Credentials("joe", "pw", "px")), PasswordMismatchWarning());
    // A folder without PSWD.PD is no account.
    port.AddFolder(R"(S:\rec\joe\)");
    EXPECT_EQ(Ok(save, Credentials("joe", "pw", "pw")), "");
    AddAccount("ann", "secret\r\n");
    EXPECT_EQ(Ok(save, Credentials("ann", "pw", "pw")), AccountTakenWarning());
    EXPECT_EQ(Ok(save, Credentials("ann", "secret", "secret")), "");
    EXPECT_EQ(save.Account(), "ann");
    // An empty PSWD.PD: taken, and nobody can open it.
    AddAccount("bob", "");
    EXPECT_EQ(Ok(save, Credentials("bob", "pw", "pw")), AccountTakenWarning());
    // An unreadable one counts as another's.
    AddAccount("cat", "pw\r\n");
    port.unreadable.insert(AccountFileName(kRemote, "cat"));
    EXPECT_EQ(Ok(save, Credentials("cat", "pw", "pw")), AccountTakenWarning());
    EXPECT_EQ(Ok(save, Credentials("nul", "pw", "pw")), AccountTakenWarning());
}

TEST_F(RecordDialogTest, LoadNeedsTheAccountsPassword) {
    EXPECT_EQ(Ok(load, Credentials("joe", "pw")), NoSuchAccountWarning());
    AddAccount("joe", "  pw  \r\nother\r\n");
    EXPECT_EQ(Ok(load, Credentials("joe", "other")), NoSuchAccountWarning());
    EXPECT_EQ(Ok(load, Credentials("joe", "pw")), "");
    AddAccount("ann", "PW\r\n");
    EXPECT_EQ(Ok(load, Credentials("ann", "PW")), NoSuchAccountWarning());
    EXPECT_EQ(Ok(load, Credentials("con", "pw")), NoSuchAccountWarning());
}

TEST_F(RecordDialogTest, FileChoiceClosesWithOrWithoutASelection) {
    load.EnterFileChoice(R"(S:\rec\joe\Game)", "*.*");
    EXPECT_EQ(Ok(load, {"", "", "", L"a.sav"}), "");
    EXPECT_EQ(load.SelectedFile(), L"a.sav");
    EXPECT_EQ(Ok(load, {}), "");
    EXPECT_EQ(load.SelectedFile(), std::nullopt);
}

}  // namespace
}  // namespace corvina
