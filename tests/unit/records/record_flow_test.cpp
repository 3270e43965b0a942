// `RunGameRecordDialog` over an in-memory share: what is copied, what is
// written to PSWD.PD, and which warning stops each failing action.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_record_port.h"
#include "records/account_file.h"
#include "records/record_flow.h"
#include "records/record_rules.h"
#include "records/record_texts.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::string_view kRemote = R"(S:\rec\)";
constexpr std::string_view kSaveFolder = R"(C:\Game\Save)";
const Big5 kPswd = AccountFileName(kRemote, "joe");
const Big5 kRecords = R"(S:\rec\joe\Game)";

RecordDialogInput Credentials(Big5 account, Big5 password, Big5 confirmation = {}) {
    return {std::move(account), std::move(password), std::move(confirmation), {}};
}

RecordDialogInput Chosen(std::wstring file) { return {{}, {}, {}, std::move(file)}; }

class RecordFlowTest : public ::testing::Test {
protected:
    RecordFlowTest() {
        port.AddFolder(Big5(kRemote));
        port.AddFolder(Big5(kSaveFolder));
        port.item = {Big5(kSaveFolder), "sav"};
        port.files[R"(C:\Game\Save\a.sav)"] = "progress";
    }
    void Save(std::string_view remote = kRemote) { RunGameRecordDialog(RecordMode::Save, remote, "Game", port); }
    void Load(std::string_view remote = kRemote) { RunGameRecordDialog(RecordMode::Load, remote, "Game", port); }
    void SaveAs(Big5 account, Big5 password) {
        port.dialogAnswers.push_back(Credentials(std::move(account), password, password));
        port.saveAnswer = L"a.sav";
        Save();
    }

    test::FakeRecordPort port;
};

TEST_F(RecordFlowTest, MissingRemoteFolderStopsBeforeTheDialog) {
    for (const std::string_view remote : {std::string_view(""), std::string_view(R"(S:\gone\)")}) {
        Save(remote);
        Load(remote);
    }
    EXPECT_EQ(port.dialogsCreated, 0);
    EXPECT_EQ(port.warnings, std::vector<Big5>(4, RemoteFolderMissingWarning()));
}

TEST_F(RecordFlowTest, CancelStopsSilently) {
    port.dialogAnswers.push_back(std::nullopt);
    Save();
    port.dialogAnswers.push_back(Credentials("joe", "pw", "pw"));
    Save();  // the save dialog is cancelled
    EXPECT_EQ(port.saveDialogs.size(), 1u);
    EXPECT_THAT(port.warnings, IsEmpty());
    EXPECT_THAT(port.copies, IsEmpty());
}

TEST_F(RecordFlowTest, NewAccountIsCreatedWithItsFirstRecord) {
    SaveAs("joe", "pw");
    EXPECT_THAT(port.titles, ElementsAre(SaveDialogTitle()));
    ASSERT_EQ(port.saveDialogs.size(), 1u);
    EXPECT_EQ(port.saveDialogs[0].initialFolder, kSaveFolder);
    EXPECT_EQ(FilterText(port.saveDialogs[0].filter), "Game files (*.sav)|*.sav");
    EXPECT_THAT(port.forced, ElementsAre(kRecords + "\\"));
    EXPECT_EQ(port.files[kRecords + R"(\a.sav)"], "progress");
    EXPECT_EQ(port.files[kPswd], "pw\r\n");
    EXPECT_THAT(port.warnings, IsEmpty());
    // The session's end waits for the copy and the line that completes it.
    EXPECT_TRUE(port.copies.at(0).held);
    EXPECT_THAT(port.appendedWhileHeld, ElementsAre(true));
    EXPECT_EQ(port.holds, 0);
}

TEST_F(RecordFlowTest, FailedCopyLeavesTheNameFreeAndIsTold) {
    port.failCopies = true;
    SaveAs("joe", "pw");
    EXPECT_TRUE(port.FolderExists(kRecords));
    EXPECT_FALSE(port.FileExists(kPswd));
    EXPECT_THAT(port.warnings, ElementsAre(RecordCopyFailedWarning()));
    EXPECT_THAT(port.adminLog, ElementsAre(RecordCopyFailedLogLine(kSaveFolder, kRecords)));
}

TEST_F(RecordFlowTest, AShareGoneWhileHeChoseIsToldAndNothingIsCopied) {
    port.whileChoosing = [&] { port.folders.erase(Big5(R"(S:\rec)")); };
    SaveAs("joe", "pw");
    EXPECT_THAT(port.warnings, ElementsAre(RemoteFolderMissingWarning()));
    EXPECT_THAT(port.forced, IsEmpty());
    EXPECT_THAT(port.copies, IsEmpty());
    EXPECT_FALSE(port.FileExists(kPswd));
}

TEST_F(RecordFlowTest, OwnerSavesAgainReplacingTheFileAndAddingALine) {
    SaveAs("joe", "pw");
    port.files[R"(C:\Game\Save\a.sav)"] = "further";
    SaveAs("JOE", "PW");
    EXPECT_EQ(port.files[kRecords + R"(\a.sav)"], "further");
    SaveAs("joe", "pw");
    EXPECT_EQ(port.files[kPswd], "pw\r\npw\r\npw\r\n");
}

TEST_F(RecordFlowTest, WrongPasswordsAreWarnedAndNothingMoves) {
    SaveAs("joe", "pw");
    port.copies.clear();
    port.dialogAnswers = {Credentials("joe", "xx", "xx"), std::nullopt};
    Save();
    port.dialogAnswers = {Credentials("joe", "xx"), std::nullopt};
    Load();
    EXPECT_THAT(port.warnings, ElementsAre(AccountTakenWarning(), NoSuchAccountWarning()));
    EXPECT_THAT(port.copies, IsEmpty());
    EXPECT_EQ(port.files[kPswd], "pw\r\n");
}

TEST_F(RecordFlowTest, ItemWithoutItsOwnFileCanNeitherSaveNorLoad) {
    // The chooser is confined to the save folder: without one there is none.
    port.item = {};
    port.dialogAnswers.push_back(Credentials("joe", "pw", "pw"));
    Save();
    EXPECT_THAT(port.saveDialogs, IsEmpty());

    port.item = {Big5(kSaveFolder), "sav"};
    SaveAs("joe", "pw");
    port.item = {};
    port.dialogAnswers.push_back(Credentials("joe", "pw"));
    Load();
    EXPECT_THAT(port.warnings, ElementsAre(SaveFolderMissingWarning(), SaveFolderMissingWarning()));
}

TEST_F(RecordFlowTest, BlankExtensionOffersEveryFile) {
    port.item.SaveFileExt = " ";
    SaveAs("joe", "pw");
    ASSERT_EQ(port.saveDialogs.size(), 1u);
    EXPECT_EQ(FilterText(port.saveDialogs[0].filter), "Game files (*.*)|*.*");
}

TEST_F(RecordFlowTest, AccountWithRecordsOfOtherGamesOnly) {
    SaveAs("joe", "pw");
    port.dialogAnswers.push_back(Credentials("joe", "pw"));
    RunGameRecordDialog(RecordMode::Load, kRemote, "Other", port);
    EXPECT_THAT(port.warnings, ElementsAre(NoRecordsWarning()));
}

TEST_F(RecordFlowTest, LoadCopiesTheChosenRecordIntoTheSaveFolder) {
    SaveAs("joe", "pw");
    port.files.erase(R"(C:\Game\Save\a.sav)");
    port.copies.clear();
    port.dialogAnswers = {Credentials("joe", "pw"), Chosen(L"a.sav")};
    Load();
    EXPECT_THAT(port.titles, ElementsAre(SaveDialogTitle(), LoadDialogTitle(), FileChoiceDialogTitle()));
    EXPECT_EQ(port.dialogsCreated, 2);  // one per action, shown twice when loading
    ASSERT_EQ(port.copies.size(), 1u);
    EXPECT_EQ(port.copies[0].source, kRecords + R"(\a.sav)");
    EXPECT_EQ(port.copies[0].destination, kSaveFolder);
    EXPECT_EQ(port.files[R"(C:\Game\Save\a.sav)"], "progress");
    EXPECT_TRUE(port.copies[0].held);
    EXPECT_THAT(port.warnings, IsEmpty());
}

TEST_F(RecordFlowTest, LoadWithNothingChosenOrCancelledCopiesNothing) {
    SaveAs("joe", "pw");
    port.copies.clear();
    port.dialogAnswers = {Credentials("joe", "pw"), Chosen(L"")};
    Load();
    port.dialogAnswers = {Credentials("joe", "pw"), std::nullopt};
    Load();
    EXPECT_THAT(port.copies, IsEmpty());
}

TEST_F(RecordFlowTest, PastedPathInTheAccountNeverReachesTheShare) {
    port.files[R"(S:\rec\..\x\PSWD.PD)"] = "pw\r\n";
    port.AddFolder(R"(S:\rec\..\x\Game)");
    port.dialogAnswers = {Credentials("..\\x", "pw"), std::nullopt};
    Load();
    port.dialogAnswers = {Credentials("..\\x", "pw", "pw"), std::nullopt};
    Save();
    EXPECT_THAT(port.warnings, ElementsAre(InvalidAccountTextWarning(), InvalidAccountTextWarning()));
    EXPECT_THAT(port.forced, IsEmpty());
    EXPECT_THAT(port.copies, IsEmpty());
}

TEST_F(RecordFlowTest, ProgramsAndOversizedFilesAreLeftOutAndReported) {
    port.item.SaveFileExt = "";
    for (const char* name : {"version.dll", "start.lnk", "huge.sav"}) port.files[Big5(kSaveFolder) + "\\" + name] = "x";
    port.sizes[Big5(kSaveFolder) + "\\huge.sav"] = kRecordFileLimitBytes + 1;
    for (const wchar_t* name : {L"version.dll", L"start.lnk", L"huge.sav"}) {
        port.dialogAnswers.push_back(Credentials("joe", "pw", "pw"));
        port.saveAnswer = name;
        Save();
    }
    EXPECT_THAT(port.copies, IsEmpty());
    EXPECT_FALSE(port.FileExists(kPswd));
    const auto leftOut = [](const char* name, RecordRefusal reason) { return RecordsLeftOutWarning({{name, reason}}); };
    EXPECT_THAT(port.warnings, ElementsAre(leftOut("version.dll", RecordRefusal::ProgramFile),
                                           leftOut("start.lnk", RecordRefusal::ProgramFile),
                                           leftOut("huge.sav", RecordRefusal::FileTooLarge)));
    ASSERT_EQ(port.adminLog.size(), 3u);
    EXPECT_EQ(port.adminLog[0], RecordsLeftOutLogLine(kSaveFolder, {{"version.dll", RecordRefusal::ProgramFile}}));

    // Loading refuses the same, planted on the share by someone else.
    SaveAs("joe", "pw");
    port.copies.clear();
    port.warnings.clear();
    port.files[kRecords + "\\ddraw.dll"] = "x";
    port.dialogAnswers = {Credentials("joe", "pw"), Chosen(L"ddraw.dll")};
    Load();
    EXPECT_THAT(port.copies, IsEmpty());
    EXPECT_THAT(port.warnings, ElementsAre(leftOut("ddraw.dll", RecordRefusal::ProgramFile)));
}

TEST_F(RecordFlowTest, AccountTakenBetweenOkAndTheCopyIsNotWritten) {
    port.dialogAnswers.push_back(Credentials("joe", "pw", "pw"));
    port.saveAnswer = L"a.sav";
    // Another PC creates "joe" while this customer picks his file.
    port.whileChoosing = [this] { port.files[kPswd] = "other\r\n"; };
    Save();
    EXPECT_THAT(port.warnings, ElementsAre(AccountTakenWarning()));
    EXPECT_THAT(port.forced, IsEmpty());
    EXPECT_THAT(port.copies, IsEmpty());
    EXPECT_EQ(port.files[kPswd], "other\r\n");
}

TEST_F(RecordFlowTest, SameAccountMadeMeanwhileWithTheSamePasswordIsHis) {
    port.dialogAnswers.push_back(Credentials("joe", "pw", "pw"));
    port.saveAnswer = L"a.sav";
    port.whileChoosing = [this] { port.files[kPswd] = "pw\r\n"; };  // his own save from another PC
    Save();
    EXPECT_THAT(port.warnings, IsEmpty());
    EXPECT_EQ(port.files[kPswd], "pw\r\npw\r\n");
}

TEST_F(RecordFlowTest, OnlyTheHeadOfAHugeAccountFileIsRead) {
    port.files[kPswd] = "pw\r\n" + std::string(64 * 1024, 'x');
    port.dialogAnswers = {Credentials("joe", "pw"), std::nullopt};
    Load();
    EXPECT_THAT(port.warnings, ElementsAre(NoRecordsWarning()));
    port.files[kPswd] = std::string(kAccountFileReadLimit, ' ') + "pw\r\n";
    port.dialogAnswers = {Credentials("joe", "pw"), std::nullopt};
    Load();
    EXPECT_EQ(port.warnings.back(), NoSuchAccountWarning());
}

TEST_F(RecordFlowTest, WrongPasswordsMakeTheNextTryWait) {
    SaveAs("joe", "pw");
    port.warnings.clear();
    port.tickMs = 0;
    port.nowMs = 1000;
    port.dialogAnswers = {Credentials("joe", "x1"), Credentials("joe", "pw"), std::nullopt};
    Load();
    EXPECT_THAT(port.warnings, ElementsAre(NoSuchAccountWarning(), PasswordWaitWarning(1)));
    EXPECT_EQ(port.titles.size(), 2u);  // still the credentials, never the file choice

    // The clock moves on as the customer tries again: 1 s, then 2 s, then 4 s.
    port.warnings.clear();
    port.dialogAnswers = {Credentials("joe", "x1")};
    GameRecordDialog dialog(RecordMode::Load, Big5(kRemote), port);
    EXPECT_FALSE(dialog.B_OKClick(Credentials("joe", "x1")));
    port.nowMs += 1000;
    EXPECT_FALSE(dialog.B_OKClick(Credentials("joe", "x2")));
    port.nowMs += 1500;
    EXPECT_FALSE(dialog.B_OKClick(Credentials("joe", "pw")));
    port.nowMs += 500;
    EXPECT_FALSE(dialog.B_OKClick(Credentials("joe", "x3")));
    port.nowMs += 3999;
    EXPECT_FALSE(dialog.B_OKClick(Credentials("joe", "pw")));
    port.nowMs += 1;
    EXPECT_TRUE(dialog.B_OKClick(Credentials("joe", "pw")));
    EXPECT_THAT(port.warnings, ElementsAre(NoSuchAccountWarning(), NoSuchAccountWarning(), PasswordWaitWarning(1),
                                           NoSuchAccountWarning(), PasswordWaitWarning(1)));
}

}  // namespace
}  // namespace corvina
