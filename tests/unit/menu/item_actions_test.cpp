// The item buttons' actions against a recording window side.

#include "menu/item_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "sys/text.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;

constexpr std::string_view kFolder = "C:\\Cafe\\";

struct RecordingHost final : ItemActionHost {
    std::map<Big5, std::string> files;  // path -> contents
    int shellResult = 42;
    int popupChoice = -1;
    bool popupOpen = false;
    bool textOpen = false;
    std::vector<std::string> log;

    bool FileExists(const Big5& path) override { return files.count(path) > 0; }
    std::optional<ProfileText> ReadProfile(const Big5& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return ProfileText{found->second};
    }
    int RunProgram(const Big5& target, const Big5& folder) override {
        log.push_back("run " + target + " in " + folder);
        return shellResult;
    }
    void ShowError(const Big5& message) override { log.push_back("error " + message); }
    void OpenWebPage(const Big5& address) override { log.push_back("web " + address); }
    int ShowPopupBox(const std::vector<Big5>& entries, const PopupBoxStyle& style) override {
        std::string line = "popup";
        for (const Big5& entry : entries) line += " " + entry;
        log.push_back(line + (style == RecordsPopupStyle() ? " (records)" : ""));
        return popupChoice;
    }
    void ShowTextBox(const std::vector<Big5>& lines, const TextBoxStyle&) override {
        std::string line = "text";
        for (const Big5& l : lines) line += " " + l;
        log.push_back(line);
    }
    void EndHoverLook() override { log.push_back("end hover"); }
    bool IsPopupBoxOpen() override { return popupOpen; }
    bool IsTextBoxOpen() override { return textOpen; }
    void LoadGameRecord(const Big5& caption) override { log.push_back("load " + caption); }
    void SaveGameRecord(const Big5& caption) override { log.push_back("save " + caption); }
};

// Six items "g0" to "g5", each starting "C:\Games\gN.exe"; item 0 has no target.
MenuItemTable SixItems() {
    MenuItemTable items;
    for (int i = 0; i < 6; ++i) {
        const std::string n = std::to_string(i);
        items.Append({false, i == 0 ? "" : "C:\\Games\\g" + n + ".exe", "g" + n});
    }
    return items;
}

// The picture button's tag is the bare index.
void Click(RecordingHost& host, int tag) { ItemAction(host, SixItems(), kFolder, tag, ItemEvent::Run, 0); }

bool Act(RecordingHost& host, int tag, ItemEvent event) {
    const ItemButtonTag code = DecodeSmallButtonTag(tag);
    return ItemAction(host, SixItems(), kFolder, code.index, event, code.actionKind);
}

TEST(ItemButtonTag, FirstDigitIsTheKindTheRestTheIndex) {
    EXPECT_EQ(DecodeSmallButtonTag(2005), (ItemButtonTag{2, 5}));
    EXPECT_EQ(DecodeSmallButtonTag(3000), (ItemButtonTag{3, 0}));
    EXPECT_EQ(DecodeSmallButtonTag(1999), (ItemButtonTag{1, 999}));
    // No digits after the kind, or no digit first: no item rather than an error.
    EXPECT_EQ(DecodeSmallButtonTag(7).index, -1);
    EXPECT_EQ(DecodeSmallButtonTag(-2005).index, -1);
}

TEST(ItemActionTable, LeaveKeepsTheHoverLookWhileTheButtonsPopupIsOpen) {
    EXPECT_EQ(PlanItemAction(0, 6, ItemEvent::Leave, 1, true, false), (ItemActionPlan{ItemStep::Nothing, false}));
    EXPECT_EQ(PlanItemAction(0, 6, ItemEvent::Leave, 2, false, true), (ItemActionPlan{ItemStep::Nothing, true}));
    EXPECT_EQ(PlanItemAction(0, 6, ItemEvent::Leave, 3, true, false), (ItemActionPlan{ItemStep::Nothing, true}));
    EXPECT_EQ(PlanItemAction(0, 6, ItemEvent::Leave, 3, false, true), (ItemActionPlan{ItemStep::Nothing, false}));
    EXPECT_EQ(PlanItemAction(0, 6, ItemEvent::Leave, 4, false, false), ItemActionPlan{});
    EXPECT_EQ(PlanItemAction(6, 6, ItemEvent::Run, 0, false, false), ItemActionPlan{});
    EXPECT_EQ(PlanItemAction(-1, 6, ItemEvent::Hover, 2, false, false), ItemActionPlan{});
    EXPECT_EQ(PlanItemAction(5, 6, ItemEvent::Hover, 9, false, false), ItemActionPlan{});
}

TEST(RunItem, MissingTargetsAndFailedStartsAreReported) {
    RecordingHost host;
    host.files["C:\\Games\\g1.exe"] = "";
    Click(host, 0);  // empty target
    Click(host, 1);
    host.shellResult = 2;
    Click(host, 1);
    Click(host, 6);  // no such item
    EXPECT_THAT(host.log, ElementsAre("error " + T(u8"執行路徑或檔案不存在！"), "run C:\\Games\\g1.exe in C:\\Games\\",
                                      "run C:\\Games\\g1.exe in C:\\Games\\", "error " + T(u8"檔案執行失敗！")));
}

TEST(RunItem, ALongTargetReachesTheShellWhole) {
    RecordingHost host;
    const Big5 target = "D:\\" + std::string(120, 'x') + ".exe";
    host.files[target] = "";
    RunItem(host, target);
    EXPECT_THAT(host.log, ElementsAre("run " + target + " in D:\\"));
}

// A game reads its data from its working folder; a document's program
// gets the document's folder. A trail byte 0x5C (許) is no folder end.
TEST(RunItem, TheStartedFileRunsInItsOwnFolder) {
    RecordingHost host;
    const Big5 game = T(u8"D:\\遊戲\\許功蓋.exe");
    const Big5 note = "\\\\server\\docs\\rules.txt";
    const Big5 slashed = "C:/Games/Goal/goal.exe";
    for (const Big5& target : {game, note, slashed}) {
        host.files[target] = "";
        RunItem(host, target);
    }
    EXPECT_THAT(host.log,
                ElementsAre("run " + game + " in " + T(u8"D:\\遊戲\\"), "run " + note + " in \\\\server\\docs\\",
                            "run " + slashed + " in C:/Games/Goal/"));
}

TEST(WebLinks, Tag2005OpensTheSixthItemsLinksAndTheChosenAddress) {
    RecordingHost host;
    host.files["C:\\Cafe\\g5.ini"] = "[WebLink]\nHome=http://a\n=http://nameless\nForum=http://b\nEmpty=\n";
    host.popupChoice = 1;
    Act(host, 2005, ItemEvent::Hover);
    host.popupChoice = 2;
    Act(host, 2005, ItemEvent::Hover);
    EXPECT_THAT(host.log, ElementsAre("popup Home Forum Empty", "end hover", "web http://b", "popup Home Forum Empty",
                                      "end hover"));
}

TEST(WebLinks, NoFileOrNoNamesShowsNothing) {
    RecordingHost host;
    Act(host, 2004, ItemEvent::Hover);
    host.files["C:\\Cafe\\g4.ini"] = "[Memo]\na=b\n";
    Act(host, 2004, ItemEvent::Hover);
    EXPECT_TRUE(host.log.empty());
}

TEST(Notes, MemoLinesInFileOrderWithoutTheirKeys) {
    RecordingHost host;
    host.files["C:\\Cafe\\g0.ini"] = "[Memo]\n2=second=half\n1=first\n";
    Act(host, 3000, ItemEvent::Hover);
    EXPECT_THAT(host.log, ElementsAre("text second=half first", "end hover"));
}

TEST(GameRecords, TheTwoChoicesLoadOrSaveAndNoChoiceDoesNothing) {
    RecordingHost host;
    host.popupChoice = 0;
    Act(host, 1003, ItemEvent::Hover);
    host.popupChoice = 1;
    Act(host, 1003, ItemEvent::Hover);
    host.popupChoice = -1;
    Act(host, 1003, ItemEvent::Hover);
    const std::string popup = "popup " + T(u8"讀取遊戲記錄") + " " + T(u8"儲存遊戲記錄") + " (records)";
    EXPECT_THAT(host.log,
                ElementsAre(popup, "end hover", "load g3", popup, "end hover", "save g3", popup, "end hover"));
}

TEST(ItemActionLeave, TheDisFocusResultFollowsTheOpenPopup) {
    RecordingHost host;
    host.popupOpen = true;
    EXPECT_FALSE(Act(host, 2001, ItemEvent::Leave));
    EXPECT_TRUE(Act(host, 3001, ItemEvent::Leave));
    host.popupOpen = false;
    EXPECT_TRUE(Act(host, 2001, ItemEvent::Leave));
    EXPECT_TRUE(host.log.empty());
}

TEST(PopupLooks, RecordsAndLinksDifferOnlyInTheSelectedRow) {
    PopupBoxStyle links = WebLinksPopupStyle();
    EXPECT_EQ(links.selectedRowColor, Color::Rgb(0, 0, 128));
    EXPECT_EQ(links.fontName, T(u8"新細明體"));
    links.selectedRowColor = Color::Rgb(128, 64, 64);
    links.selectedTextColor = Color::Rgb(255, 255, 0);
    EXPECT_EQ(links, RecordsPopupStyle());
    EXPECT_EQ(PopupAnchorPoint({100, 40, 24, 20}), (Point{126, 40}));
}

TEST(HomePage, FilesAndBareSitesLieInTheProgramFolder) {
    EXPECT_EQ(HomePageAddress("", kFolder), std::nullopt);
    EXPECT_EQ(HomePageAddress("index.htm", kFolder), "C:\\Cafe\\index.htm");
    EXPECT_EQ(HomePageAddress("www.cafe.tw", kFolder), "C:\\Cafe\\www.cafe.tw");
    EXPECT_EQ(HomePageAddress("HTTP://www.cafe.tw", kFolder), "HTTP://www.cafe.tw");
    EXPECT_EQ(HomePageAddress("D:\\web\\home.htm", kFolder), "D:\\web\\home.htm");
    EXPECT_EQ(HomePageAddress("\\\\server\\web\\home.htm", kFolder), "\\\\server\\web\\home.htm");
    // Stored after the first call, the address stays as it is.
    EXPECT_EQ(HomePageAddress("C:\\Cafe\\index.htm", kFolder), "C:\\Cafe\\index.htm");
}

}  // namespace
}  // namespace corvina
