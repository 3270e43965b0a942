#include "records/game_records_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "records/record_driver.h"
#include "records/record_files_win32.h"
#include "records/record_rules.h"
#include "records/record_texts.h"
#include "support/message_box_answerer.h"
#include "support/temp_folder.h"
#include "sys/admin_log.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/file_ops.h"
#include "ui/session_scope.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using test::PressKey;
using test::RecordChooserDriver;
using test::RecordDialogDriver;
using test::TypeInto;

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
    // Takes the chooser's first line with Enter.
    RecordChooserDriver::Step ChooseFirst() {
        return [this](TfRecordChooser& chooser) {
            ++choosersShown_;
            PressKey(chooser.FileListBox, VK_RETURN);
        };
    }
    // The names in a folder as the file system has them.
    static std::vector<std::wstring> NamesIn(const Big5& folder) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found{};
        const HANDLE find = FindFirstFileW((WideFromBig5(folder) + L"\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
        } while (FindNextFileW(find, &found));
        FindClose(find);
        std::sort(names.begin(), names.end());
        return names;
    }
    static void WriteWide(const Big5& folder, const std::wstring& name, std::string_view bytes) {
        const HANDLE file = CreateFileW((WideFromBig5(folder) + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    // A sparse file of `size` bytes that starts with `head`.
    static void WriteLarge(const Big5& path, std::string_view head, std::int64_t size) {
        const HANDLE file = CreateFileW(WideFromBig5(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
        LARGE_INTEGER end{};
        end.QuadPart = size;
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    std::vector<std::string> LogLines() const {
        const std::optional<std::string> log = ReadFileBytes(log_.Path());
        std::vector<std::string> lines;
        if (!log) return lines;
        for (std::size_t start = 0; start < log->size();) {
            const std::size_t end = log->find("\r\n", start);
            lines.push_back(log->substr(start + 20, end - start - 20));  // without the time
            start = end + 2;
        }
        return lines;
    }

    const Big5 caption_ = T(u8"遊戲一");
    test::TempFolder program_;
    test::TempFolder share_;
    test::TempFolder pcA_;
    test::TempFolder pcB_;
    MenuSettings settings_;
    AdminLog log_{program_.Path(), [] { return CalendarTime{2026, 3, 7, 9, 5, 4}; }};
    std::uint64_t nowMs_ = 100000;  // the account dialog's clock, moved by the tests
    GameRecords records_{program_.Path(), settings_, log_, [this] { return nowMs_; }};
    std::vector<ui::test::SeenBox> boxes_;
    ui::test::BoxAnswerer answerer_{boxes_, IDOK};
    RecordDialogDriver driver_;
    RecordChooserDriver chooser_;
    int choosersShown_ = 0;
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
    EXPECT_EQ(choosersShown_, 0);
}

// The customer's session ends while he types into the dialog: his account
// and password go with it, the dialog closes as cancelled, and nothing is
// copied, so the next customer finds neither.
TEST_F(GameRecordsTest, TheSessionsEndClosesTheDialogAndEmptiesItsFields) {
    WriteItemFile(pcA_.Path(), "sav");
    WriteTextLine(pcA_.File("slot1.sav"), "level 7", true);
    chooser_.Then(ChooseFirst());
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
    EXPECT_FALSE(FolderExists(share_.File("player1")));
    EXPECT_EQ(test::ShownWindowOfClass(L"TfPSWD_Dlg"), nullptr);
}

TEST_F(GameRecordsTest, SavedRecordLoadsOntoAnotherPc) {
    WriteItemFile(pcA_.Path(), "sav");
    WriteTextLine(pcA_.File("slot1.sav"), "level 7", true);
    chooser_.Then([&](TfRecordChooser& chooser) {
        EXPECT_EQ(chooser.Pnl_Caption.Caption(), caption_ + " files (*.sav)");
        ASSERT_EQ(chooser.FileListBox.Count(), 1);
        EXPECT_EQ(chooser.FileListBox.ItemIndex(), 0);
        EXPECT_TRUE(chooser.FileListBox.Focused());
        // The program's own window, never the system's file dialog.
        EXPECT_EQ(test::ShownWindowOfClass(L"#32770"), nullptr);
        chooser.B_OK.Click();
    });
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

    EXPECT_FALSE(chooser_.RanOut());
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
        EXPECT_EQ(dialog.FileListBox.ItemIndex(), 0);
        EXPECT_TRUE(dialog.FileListBox.Focused());
        PressKey(dialog.FileListBox, VK_RETURN);
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
    chooser_.Then(ChooseFirst());
    driver_.Then(Credentials(L"player1", L"abc"));
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(ReadFileBytes(RecordFile("player1", "slot1.sav")), "level 9\r\n");
    EXPECT_EQ(ReadFileBytes(share_.File("player1\\PSWD.PD")), "abc\r\nabc\r\n");

    driver_.Then(Credentials(L"player1", L"xyz")).Then(Cancel);
    records_.SaveGameRecord(caption_);
    nowMs_ += 60000;
    driver_.Then(Credentials(L"player1", L"xyz"))
        .Then([this](TfPSWD_Dlg& dialog) {
            nowMs_ += 60000;
            Credentials(L"", L"")(dialog);
        })
        .Then(Cancel);
    records_.LoadGameRecord(caption_);
    nowMs_ += 60000;
    driver_.Then(Credentials(L"nobody", L"abc")).Then(Cancel);
    records_.LoadGameRecord(caption_);

    EXPECT_EQ(Warnings(), (std::vector<std::wstring>{W(AccountTakenWarning()), W(NoSuchAccountWarning()),
                                                     W(NoSuchAccountWarning()), W(NoSuchAccountWarning())}));
    EXPECT_EQ(ReadFileBytes(share_.File("player1\\PSWD.PD")), "abc\r\nabc\r\n");
    EXPECT_EQ(choosersShown_, 1);
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, FailedCopyLeavesTheAccountNameFree) {
    WriteItemFile(pcA_.Path(), "sav");
    WriteTextLine(pcA_.File("vanished.sav"), "", true);
    chooser_.Then([&](TfRecordChooser& chooser) {
        ASSERT_TRUE(DeleteFileAt(pcA_.File("vanished.sav")));
        chooser.B_OK.Click();
    });
    driver_.Then(Credentials(L"newbie", L"pw"));
    records_.SaveGameRecord(caption_);
    EXPECT_FALSE(FileExists(share_.File("newbie\\PSWD.PD")));
    EXPECT_EQ(Warnings().size(), 1u);
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, ItemWithoutItsOwnFileCanNeitherSaveNorLoad) {
    MakeAccount("acc", "pw", caption_, "a.sav");
    driver_.Then(Credentials(L"acc", L"pw"));
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(choosersShown_, 0);
    EXPECT_EQ(ReadFileBytes(share_.File("acc\\PSWD.PD")), "pw\r\n");

    driver_.Then(Credentials(L"acc", L"pw"));
    records_.LoadGameRecord(caption_);
    EXPECT_EQ(Warnings(), std::vector<std::wstring>(2, W(SaveFolderMissingWarning())));
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
        dialog.FileListBox.SetItemIndex(-1);
        dialog.B_OK.Click();
    });
    records_.LoadGameRecord(caption_);
    driver_.Then(Credentials(L"acc", L"pw")).Then([](TfPSWD_Dlg& dialog) {
        EXPECT_EQ(dialog.FileListBox.ItemIndex(), 0);
        PressKey(dialog.FileListBox, VK_ESCAPE);
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
    EXPECT_EQ(choosersShown_, 0);
    EXPECT_FALSE(driver_.RanOut());
}

// Selects the line showing `shown` and takes it with Enter.
RecordDialogDriver::Step PickLine(const Big5& shown) {
    return [shown](TfPSWD_Dlg& dialog) {
        for (int i = 0; i < dialog.FileListBox.Count(); ++i) {
            if (dialog.FileListBox.Item(i) == shown) dialog.FileListBox.SetItemIndex(i);
        }
        EXPECT_EQ(dialog.FileListBox.Item(dialog.FileListBox.ItemIndex()), shown);
        PressKey(dialog.FileListBox, VK_RETURN);
    };
}

TEST_F(GameRecordsTest, ChooserListsTheSaveFolderOnlyAndTakesTheKeyboard) {
    WriteItemFile(pcA_.Path(), "sav");
    for (const char* name : {"b.sav", "a.sav", "c.sav", "d.txt"}) WriteTextLine(pcA_.File(name), name, true);
    ASSERT_TRUE(ForceFolder(pcA_.File("sub.sav")));
    chooser_.Then([&](TfRecordChooser& chooser) {
        RecordFileList& list = chooser.FileListBox;
        ASSERT_EQ(list.Count(), 3);
        EXPECT_EQ(list.Item(0), "a.sav");
        EXPECT_EQ(list.Item(2), "c.sav");
        EXPECT_EQ(list.ItemIndex(), 0);
        PressKey(list, VK_END);
        EXPECT_EQ(list.ItemIndex(), 2);
        PressKey(list, VK_HOME);
        EXPECT_EQ(list.ItemIndex(), 0);
        PressKey(list, VK_DOWN);
        EXPECT_EQ(list.ItemIndex(), 1);
        RECT bounds{};
        GetWindowRect(chooser.Handle(), &bounds);
        EXPECT_LE(bounds.right - bounds.left, 800);
        EXPECT_LE(bounds.bottom - bounds.top, 600);
        PressKey(list, VK_RETURN);
    });
    driver_.Then(Credentials(L"acc", L"pw"));
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(NamesIn(share_.File("acc\\" + caption_)), std::vector<std::wstring>{L"b.sav"});

    // Esc cancels, and so does the end of the customer's session.
    chooser_.Then([](TfRecordChooser& chooser) { PressKey(chooser.FileListBox, VK_ESCAPE); });
    driver_.Then(Credentials(L"acc", L"pw"));
    records_.SaveGameRecord(caption_);
    chooser_.Then([this](TfRecordChooser&) { app_.Session().CloseWindows(); });
    driver_.Then(Credentials(L"acc", L"pw"));
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(ReadFileBytes(share_.File("acc\\PSWD.PD")), "pw\r\n");
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(chooser_.RanOut());
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, PlantedProgramsAndOversizedFilesAreLeftOutAndReported) {
    WriteItemFile(pcB_.Path(), "");  // every file matches
    MakeAccount("acc", "pw", caption_, "a.sav");
    WriteTextLine(RecordFile("acc", "version.dll"), "MZ", true);
    WriteTextLine(RecordFile("acc", "start.lnk"), "L", true);
    WriteLarge(RecordFile("acc", "huge.sav"), "x", static_cast<std::int64_t>(kRecordFileLimitBytes) + 1);
    for (const char* name : {"version.dll", "start.lnk", "huge.sav"}) {
        driver_.Then(Credentials(L"acc", L"pw")).Then(PickLine(name));
        records_.LoadGameRecord(caption_);
    }
    EXPECT_TRUE(NamesIn(pcB_.Path()).empty());
    const auto leftOut = [](const char* name, RecordRefusal reason) {
        return std::vector<LeftOutRecord>{{name, reason}};
    };
    EXPECT_EQ(Warnings(),
              (std::vector<std::wstring>{W(RecordsLeftOutWarning(leftOut("version.dll", RecordRefusal::ProgramFile))),
                                         W(RecordsLeftOutWarning(leftOut("start.lnk", RecordRefusal::ProgramFile))),
                                         W(RecordsLeftOutWarning(leftOut("huge.sav", RecordRefusal::FileTooLarge)))}));
    const Big5 folder = share_.File("acc\\" + caption_);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              RecordsLeftOutLogLine(folder, leftOut("version.dll", RecordRefusal::ProgramFile)),
                              RecordsLeftOutLogLine(folder, leftOut("start.lnk", RecordRefusal::ProgramFile)),
                              RecordsLeftOutLogLine(folder, leftOut("huge.sav", RecordRefusal::FileTooLarge))}));
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, NameOutsideBig5IsCopiedOnceByItsRealName) {
    WriteItemFile(pcA_.Path(), "sav");
    const std::wstring odd = L"a\u0E01.sav";  // "a?.sav" as a pattern would take ax.sav too
    WriteWide(pcA_.Path(), odd, "odd");
    WriteWide(pcA_.Path(), L"ax.sav", "plain");
    chooser_.Then([&](TfRecordChooser& chooser) {
        ASSERT_EQ(chooser.FileListBox.Count(), 2);
        EXPECT_EQ(chooser.FileListBox.Item(0), "ax.sav");
        EXPECT_EQ(chooser.FileListBox.Item(1), "a" + T(u8"□") + ".sav");
        PressKey(chooser.FileListBox, VK_DOWN);
        PressKey(chooser.FileListBox, VK_RETURN);
    });
    driver_.Then(Credentials(L"acc", L"pw"));
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(NamesIn(share_.File("acc\\" + caption_)), std::vector<std::wstring>{odd});

    WriteItemFile(pcB_.Path(), "sav");
    WriteWide(share_.File("acc\\" + caption_ + "\\"), L"ax.sav", "plain");
    driver_.Then(Credentials(L"acc", L"pw")).Then(PickLine("a" + T(u8"□") + ".sav"));
    records_.LoadGameRecord(caption_);
    EXPECT_EQ(NamesIn(pcB_.Path()), std::vector<std::wstring>{odd});
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(GameRecordsTest, HugeAccountFileIsReadOnlyAtItsHead) {
    WriteItemFile(pcB_.Path(), "sav");
    MakeAccount("acc", "pw", caption_, "a.sav");
    WriteLarge(share_.File("acc\\PSWD.PD"), "pw\r\n", 3ll * 1024 * 1024 * 1024);
    bool listed = false;
    driver_.Then(Credentials(L"acc", L"pw")).Then([&](TfPSWD_Dlg& dialog) {
        listed = dialog.Pnl_Center.Visible();
        Cancel(dialog);
    });
    records_.LoadGameRecord(caption_);
    EXPECT_TRUE(listed);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(GameRecordsTest, AccountMadeElsewhereWhileChoosingIsNotWritten) {
    WriteItemFile(pcA_.Path(), "sav");
    WriteTextLine(pcA_.File("slot1.sav"), "mine", true);
    chooser_.Then([&](TfRecordChooser& chooser) {
        ASSERT_TRUE(ForceFolder(share_.File("newbie")));
        WriteTextLine(share_.File("newbie\\PSWD.PD"), "other", false);
        PressKey(chooser.FileListBox, VK_RETURN);
    });
    driver_.Then(Credentials(L"newbie", L"pw"));
    records_.SaveGameRecord(caption_);
    EXPECT_EQ(Warnings(), std::vector<std::wstring>{W(AccountTakenWarning())});
    EXPECT_FALSE(FolderExists(share_.File("newbie\\" + caption_)));
    EXPECT_EQ(ReadFileBytes(share_.File("newbie\\PSWD.PD")), "other\r\n");
}

TEST_F(GameRecordsTest, WrongPasswordMakesTheNextTryWait) {
    WriteItemFile(pcB_.Path(), "sav");
    MakeAccount("acc", "pw", caption_, "a.sav");
    const auto tryWith = [this](const char* password, std::uint64_t later) {
        return [this, password, later](TfPSWD_Dlg& dialog) {
            nowMs_ += later;
            dialog.T_UID.SetText("acc");
            dialog.T_PSWD1.SetText(password);
            dialog.B_OK.Click();
        };
    };
    bool listed = false;
    driver_.Then(tryWith("no", 0))
        .Then(tryWith("pw", 0))
        .Then(tryWith("pw", 999))
        .Then(tryWith("pw", 1))
        .Then([&](TfPSWD_Dlg& dialog) {
            listed = dialog.Pnl_Center.Visible();
            Cancel(dialog);
        });
    records_.LoadGameRecord(caption_);
    EXPECT_TRUE(listed);
    EXPECT_EQ(Warnings(), (std::vector<std::wstring>{W(NoSuchAccountWarning()), W(PasswordWaitWarning(1)),
                                                     W(PasswordWaitWarning(1))}));
    EXPECT_FALSE(driver_.RanOut());
}

TEST_F(GameRecordsTest, CopyRunsOffTheWindowThreadAndTheSessionWaitsForIt) {
    std::atomic<bool> windowAlive{false};
    bool workSeen = false;
    bool sessionEnded = false;
    bool endedWhileWorking = true;
    ui::Timer timer(10);
    timer.OnTimer = [&](ui::Timer& sender) {
        sender.SetEnabled(false);
        workSeen = app_.Session().WorkRunning();
        // The session ends now, as the café client may end it mid-copy.
        app_.Session().WhenWorkDone([&] { sessionEnded = true; });
        endedWhileWorking = sessionEnded;
        windowAlive = true;
    };
    const bool answer = RunOffWindowThread([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!windowAlive && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
        return windowAlive.load();
    });
    EXPECT_TRUE(answer);
    EXPECT_TRUE(workSeen);
    EXPECT_FALSE(endedWhileWorking);
    EXPECT_TRUE(sessionEnded);
    EXPECT_FALSE(app_.Session().WorkRunning());
}

}  // namespace
}  // namespace corvina
