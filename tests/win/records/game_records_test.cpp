#include "records/game_records_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "records/record_driver.h"
#include "records/record_texts.h"
#include "support/message_box_answerer.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/file_ops.h"
#include "ui/session_scope.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using test::RecordDialogDriver;
using test::TypeInto;

class AnsweredFileDialogs final : public ui::FileDialogs {
public:
    std::optional<Big5> RunSaveDialog(const ui::SaveDialogOptions& options) override {
        asked.push_back(options);
        return answer;
    }
    std::optional<Big5> answer;
    std::vector<ui::SaveDialogOptions> asked;
};

void PasteInto(ui::WinControl& field, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(field.Handle()));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(field.Handle(), WM_PASTE, 0, 0);
}

class GameRecordsTest : public ui::test::UiTest {
protected:
    GameRecordsTest() { settings_.Remote_SavePath = share_.Path(); }

    void WriteItemFile(const Big5& saveFolder, const Big5& extension) {
        WriteFileBytes(program_.File(caption_ + ".ini"),
                       "[Options]\r\nSaveFilePath=" + saveFolder + "\r\nSaveFileExt=" + extension + "\r\n");
    }
    // An account made by hand, with one record of the game.
    void MakeAccount(const Big5& account, const Big5& password, const Big5& game, const Big5& record) {
        ASSERT_TRUE(ForceFolder(share_.File(account + "\\" + game)));
        WriteTextLine(share_.File(account + "\\PSWD.PD"), password, false);
        WriteTextLine(share_.File(account + "\\" + game + "\\" + record), "record", true);
    }
    Big5 RecordFile(const Big5& account, const Big5& name) const {
        return share_.File(account + "\\" + caption_ + "\\" + name);
    }
    // Every box must be a warning.
    std::vector<std::wstring> Warnings() const {
        std::vector<std::wstring> texts;
        for (const auto& box : boxes_) {
            EXPECT_NE(box.icon, nullptr);
            EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_WARNING)) << Utf8FromBig5(Big5FromWide(box.text));
            texts.push_back(box.text);
        }
        return texts;
    }
    static std::wstring W(const Big5& text) { return WideFromBig5(text); }

    // Fills what the phase shows and confirms with Enter in the last field.
    static RecordDialogDriver::Step Credentials(std::wstring account, std::wstring password) {
        return [account, password](TfPSWD_Dlg& dialog) {
            TypeInto(dialog.T_UID, account);
            TypeInto(dialog.T_PSWD1, password);
            if (dialog.T_PSWD2.Visible()) TypeInto(dialog.T_PSWD2, password);
            TypeInto(dialog.T_PSWD2.Visible() ? dialog.T_PSWD2 : dialog.T_PSWD1, L"\r");
        };
    }
    static void Cancel(TfPSWD_Dlg& dialog) { dialog.B_Cancel.Click(); }

    const Big5 caption_ = T(u8"遊戲一");
    test::TempFolder program_;
    test::TempFolder share_;
    test::TempFolder pcA_;
    test::TempFolder pcB_;
    MenuSettings settings_;
    AnsweredFileDialogs dialogs_;
    GameRecords records_{program_.Path(), settings_, dialogs_};
    std::vector<ui::test::SeenBox> boxes_;
    ui::test::BoxAnswerer answerer_{boxes_, IDOK};
    RecordDialogDriver driver_;
};

TEST_F(GameRecordsTest, MissingRemoteFolderStopsBothActionsBeforeTheDialog) {
    settings_.Remote_SavePath = "";
    records_.SaveGameRecord(caption_);
    records_.LoadGameRecord(caption_);
    settings_.Remote_SavePath = share_.File("gone\\");
    records_.SaveGameRecord(caption_);
    const std::wstring missing = W(RemoteFolderMissingWarning());
    EXPECT_EQ(Warnings(), (std::vector<std::wstring>{missing, missing, missing}));
    EXPECT_FALSE(driver_.RanOut());
    EXPECT_TRUE(dialogs_.asked.empty());
}

// The customer's session ends while he types into the dialog: his account
// and password go with it, the dialog closes as cancelled, and nothing is
// copied, so the next customer finds neither.
TEST_F(GameRecordsTest, TheSessionsEndClosesTheDialogAndEmptiesItsFields) {
    WriteItemFile(pcA_.Path(), "sav");
    dialogs_.answer = pcA_.File("slot1.sav");
    bool ended = false;
    driver_.Then([&](TfPSWD_Dlg& dialog) {
        TypeInto(dialog.T_UID, L"player1");
        TypeInto(dialog.T_PSWD1, L"abc");
        ASSERT_NE(ui::CurrentSessionScope(), nullptr);
        ui::CurrentSessionScope()->CloseWindows();
        EXPECT_EQ(dialog.T_UID.Text(), "");
        EXPECT_EQ(dialog.T_PSWD1.Text(), "");
        EXPECT_EQ(dialog.T_PSWD2.Text(), "");
        ended = true;
    });
    records_.SaveGameRecord(caption_);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(driver_.RanOut());
    EXPECT_TRUE(dialogs_.asked.empty());
    EXPECT_FALSE(FolderExists(share_.File("player1")));
    EXPECT_EQ(test::ShownRecordDialog(), nullptr);
}

TEST_F(GameRecordsTest, SavedRecordLoadsOntoAnotherPc) {
    WriteItemFile(pcA_.Path(), "sav");
    WriteTextLine(pcA_.File("slot1.sav"), "level 7", true);
    dialogs_.answer = pcA_.File("slot1.sav");
    driver_
        .Then([&](TfPSWD_Dlg& dialog) {
            EXPECT_EQ(dialog.Pnl_Caption.Caption(), SaveDialogTitle());
            EXPECT_TRUE(dialog.T_PSWD2.Visible());
            EXPECT_TRUE(dialog.LbL_Sure.Visible());
            EXPECT_FALSE(dialog.Pnl_Center.Visible());
            EXPECT_EQ(dialog.ClientWidth(), 296);
            EXPECT_EQ(dialog.ClientHeight(), 142);
            EXPECT_TRUE(dialog.T_UID.Focused());
            TypeInto(dialog.T_UID, L"Player1\r");
        })
        .Then([](TfPSWD_Dlg& dialog) {
            EXPECT_EQ(dialog.T_UID.Text(), "player1");
            EXPECT_TRUE(dialog.T_PSWD1.Focused());
            TypeInto(dialog.T_PSWD1, L"abc\r");
        })
        .Then([](TfPSWD_Dlg& dialog) {
            EXPECT_TRUE(dialog.T_PSWD2.Focused());
            TypeInto(dialog.T_PSWD2, L"abc\r");
        });
    records_.SaveGameRecord(caption_);

    ASSERT_EQ(dialogs_.asked.size(), 1u);
    EXPECT_EQ(dialogs_.asked[0].initialFolder, pcA_.Path());
    EXPECT_EQ(dialogs_.asked[0].filterDescription, caption_ + " files (*.sav)");
    EXPECT_EQ(dialogs_.asked[0].filterPattern, "*.sav");
    EXPECT_EQ(ReadFileBytes(RecordFile("player1", "slot1.sav")), "level 7\r\n");
    EXPECT_EQ(ReadFileBytes(share_.File("player1\\PSWD.PD")), "abc\r\n");

    // The other PC keeps the game's saves elsewhere; only *.sav is offered.
    WriteItemFile(pcB_.Path(), "sav");
    WriteTextLine(RecordFile("player1", "notes.txt"), "", true);
    driver_.Then(Credentials(L"player1", L"abc")).Then([&](TfPSWD_Dlg& dialog) {
        EXPECT_EQ(dialog.Pnl_Caption.Caption(), FileChoiceDialogTitle());
        EXPECT_TRUE(dialog.Pnl_Center.Visible());
        EXPECT_FALSE(dialog.T_PSWD2.Visible());
        EXPECT_EQ(dialog.ClientHeight(), 202);
        ASSERT_EQ(dialog.FileListBox.Count(), 1);
        EXPECT_EQ(dialog.FileListBox.Item(0), "slot1.sav");
        dialog.FileListBox.SetItemIndex(0);
        dialog.B_OK.Click();
    });
    records_.LoadGameRecord(caption_);
    EXPECT_EQ(ReadFileBytes(pcB_.File("slot1.sav")), "level 7\r\n");
    EXPECT_FALSE(FileExists(pcB_.File("notes.txt")));
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, OwnerSavesAgainOthersAreTurnedAway) {
    WriteItemFile(pcA_.Path(), "sav");
    MakeAccount("player1", "abc", caption_, "slot1.sav");
    WriteTextLine(pcA_.File("slot1.sav"), "level 9", true);
    dialogs_.answer = pcA_.File("slot1.sav");
    driver_.Then(Credentials(L"player1", L"abc"));
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(ReadFileBytes(RecordFile("player1", "slot1.sav")), "level 9\r\n");
    EXPECT_EQ(ReadFileBytes(share_.File("player1\\PSWD.PD")), "abc\r\nabc\r\n");

    driver_.Then(Credentials(L"player1", L"xyz")).Then(Cancel);
    records_.SaveGameRecord(caption_);
    driver_.Then(Credentials(L"player1", L"xyz")).Then(Credentials(L"", L"")).Then(Cancel);
    records_.LoadGameRecord(caption_);
    driver_.Then(Credentials(L"nobody", L"abc")).Then(Cancel);
    records_.LoadGameRecord(caption_);

    EXPECT_EQ(Warnings(), (std::vector<std::wstring>{W(AccountTakenWarning()), W(NoSuchAccountWarning()),
                                                     W(NoSuchAccountWarning()), W(NoSuchAccountWarning())}));
    EXPECT_EQ(ReadFileBytes(share_.File("player1\\PSWD.PD")), "abc\r\nabc\r\n");
    EXPECT_EQ(dialogs_.asked.size(), 1u);
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, FailedCopyLeavesTheAccountNameFree) {
    WriteItemFile(pcA_.Path(), "sav");
    dialogs_.answer = pcA_.File("vanished.sav");
    driver_.Then(Credentials(L"newbie", L"pw"));
    records_.SaveGameRecord(caption_);
    EXPECT_TRUE(FolderExists(share_.File("newbie\\" + caption_)));
    EXPECT_FALSE(FileExists(share_.File("newbie\\PSWD.PD")));
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, ItemWithoutItsOwnFileSavesAnyFileButCannotLoad) {
    MakeAccount("acc", "pw", caption_, "a.sav");
    driver_.Then(Credentials(L"acc", L"pw"));
    records_.SaveGameRecord(caption_);  // the save dialog is cancelled
    ASSERT_EQ(dialogs_.asked.size(), 1u);
    EXPECT_EQ(dialogs_.asked[0].initialFolder, "");
    EXPECT_EQ(dialogs_.asked[0].filterDescription, caption_ + " files (*.*)");
    EXPECT_EQ(dialogs_.asked[0].filterPattern, "*.*");
    EXPECT_EQ(ReadFileBytes(share_.File("acc\\PSWD.PD")), "pw\r\n");

    driver_.Then(Credentials(L"acc", L"pw"));
    records_.LoadGameRecord(caption_);
    EXPECT_EQ(Warnings(), std::vector<std::wstring>{W(SaveFolderMissingWarning())});
}

TEST_F(GameRecordsTest, AccountWithRecordsOfOtherGamesOnly) {
    WriteItemFile(pcB_.Path(), "sav");
    MakeAccount("acc", "pw", T(u8"別的遊戲"), "a.sav");
    driver_.Then(Credentials(L"acc", L"pw"));
    records_.LoadGameRecord(caption_);
    EXPECT_EQ(Warnings(), std::vector<std::wstring>{W(NoRecordsWarning())});
}

TEST_F(GameRecordsTest, FileChoiceWithoutSelectionOrCancelledCopiesNothing) {
    WriteItemFile(pcB_.Path(), "");
    MakeAccount("acc", "pw", caption_, "a.sav");
    driver_.Then(Credentials(L"acc", L"pw")).Then([](TfPSWD_Dlg& dialog) {
        EXPECT_EQ(dialog.FileListBox.Count(), 1);
        EXPECT_EQ(dialog.FileListBox.ItemIndex(), -1);
        dialog.B_OK.Click();
    });
    records_.LoadGameRecord(caption_);
    driver_.Then(Credentials(L"acc", L"pw")).Then([](TfPSWD_Dlg& dialog) {
        dialog.FileListBox.SetItemIndex(0);
        Cancel(dialog);
    });
    records_.LoadGameRecord(caption_);
    EXPECT_FALSE(FileExists(pcB_.File("a.sav")));
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, FieldsAreCheckedOnOkAndTheDialogStaysOpen) {
    WriteItemFile(pcA_.Path(), "sav");
    driver_
        .Then([](TfPSWD_Dlg& dialog) {
            TypeInto(dialog.T_UID, L"A-. b");
            EXPECT_EQ(dialog.T_UID.Text(), "ab");
            dialog.B_OK.Click();
        })
        .Then([](TfPSWD_Dlg& dialog) {
            TypeInto(dialog.T_PSWD1, L"abc");
            TypeInto(dialog.T_PSWD2, L"abd");
            dialog.B_OK.Click();
        })
        .Then([](TfPSWD_Dlg& dialog) {
            // Pasted text passes the key filter by.
            dialog.T_UID.SetText("");
            PasteInto(dialog.T_UID, L"..\\x");
            EXPECT_EQ(dialog.T_UID.Text(), "..\\x");
            TypeInto(dialog.T_PSWD2, L"\b");
            TypeInto(dialog.T_PSWD2, L"c\r");
        })
        .Then(Cancel);
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(Warnings(), (std::vector<std::wstring>{W(MustEnterWarning()), W(PasswordMismatchWarning()),
                                                     W(InvalidAccountTextWarning())}));
    EXPECT_TRUE(dialogs_.asked.empty());
    EXPECT_FALSE(driver_.RanOut());
}

}  // namespace
}  // namespace corvina
