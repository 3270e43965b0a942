// The real cafe-sim.exe, driven as the menu drives it: this process plays
// the menu with a window of class TfSmenu, sends it the menu's messages and
// commands, and reads what comes back and what the simulator logged.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cafe/cafe_command.h"
#include "cafe/cafe_system.h"
#include "support/cafe_system_key.h"
#include "support/processes.h"
#include "support/temp_folder.h"
#include "sys/cafe_protocol.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/application.h"
#include "ui/form.h"

namespace corvina {
namespace {

using test::CafeSystemKeyExists;
using test::ClassOf;
using test::TitleOf;

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr DWORD kTimeoutMs = 20000;
// Width of the log's time stamp and the blank after it.
constexpr std::size_t kStampWidth = 24;

// What the menu's window receives from the café client.
struct Seen {
    UINT message = 0;
    LPARAM lParam = 0;
    std::string text;  // WM_COPYDATA: the Big5 text
};

class FakeMenu : public ui::Form {
public:
    FakeMenu() : ui::Form(L"TfSmenu", ui::BorderStyle::Single) { SetCaption("Corvina"); }

    std::vector<Seen> seen;
    // Set while this window's own send waits for the simulator.
    bool sending = false;
    std::size_t arrivedWhileSending = 0;

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Seen& s : seen) {
            if (s.message == WM_COPYDATA) texts.push_back(s.text);
        }
        return texts;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (sending && (message == WM_COPYDATA || (message >= kMsgCafeAnnounce && message <= kMsgCafeCloseMenu))) {
            ++arrivedWhileSending;
        }
        if (message >= kMsgCafeAnnounce && message <= kMsgCafeCloseMenu) {
            seen.push_back({message, lParam, {}});
            return message == kMsgCafeAnnounce ? lParam : 0;
        }
        if (message == WM_COPYDATA) {
            const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            seen.push_back({message, 0, std::string(TextFromBlock(block->lpData, block->cbData))});
            return 0;
        }
        if (message == WM_COMMAND) {
            seen.push_back({message, static_cast<LPARAM>(wParam), {}});
            return 0;
        }
        return ui::Form::HandleMessage(message, wParam, lParam);
    }
};

std::string Utf8(std::u8string_view text) { return {reinterpret_cast<const char*>(text.data()), text.size()}; }

class CafeSimProgram : public ::testing::Test {
protected:
    CafeSimProgram() : app_("cafe-sim test"), menu_(ui::MakeForm<FakeMenu>()) {}

    void WriteScenario(std::u8string_view utf8) { WriteFileBytes(scenario_, Utf8(utf8)); }

    // Starts the simulator and waits for its window.
    void Start(const std::wstring& extraArguments = L"") {
        sim_ = nullptr;
        process_.emplace(test::WinePath(CAFE_SIM_EXE), L"\"" + WideFromBig5(scenario_) + L"\" " + extraArguments);
        ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] {
            for (HWND window : test::TopLevelWindowsOf(process_->Id())) {
                if (ClassOf(window) == L"TFCltMain") sim_ = window;
            }
            return sim_ != nullptr;
        })) << "no simulator window";
        ASSERT_TRUE(WaitForLog("info start"));
    }

    // Waits for the simulator to end by the command file's "quit".
    void Quit() {
        Request("quit");
        EXPECT_EQ(process_->WaitForExit(kTimeoutMs), 0u);
        EXPECT_THAT(Events(), Contains("info end"));
    }

    // The log's events, without their time stamps.
    std::vector<std::string> Events() const {
        std::vector<std::string> events;
        const std::string text = ReadFileBytes(log_).value_or("");
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = text.substr(start, end - start);
            events.push_back(line.size() > kStampWidth ? line.substr(kStampWidth) : line);
        }
        return events;
    }

    bool HasEventStartingWith(const std::string& prefix) const {
        for (const std::string& event : Events()) {
            if (event.starts_with(prefix)) return true;
        }
        return false;
    }

    bool WaitForLog(const std::string& prefix) {
        return test::PumpUntil(kTimeoutMs, [&] { return HasEventStartingWith(prefix); });
    }

    // Appends a line to the command file, as a test or a script would.
    void Request(const std::string& utf8Line) {
        const win32::ScopedHandle file(CreateFileW(WideFromBig5(log_ + ".in").c_str(), FILE_APPEND_DATA,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        const std::string line = utf8Line + "\n";
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr));
    }

    // What the menu's SendMessage would return, or nothing when it timed out.
    std::optional<LRESULT> SendToSim(UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = 0;
        menu_->sending = true;
        const LRESULT sent = SendMessageTimeoutW(sim_, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result);
        menu_->sending = false;
        if (!sent) return std::nullopt;
        return static_cast<LRESULT>(result);
    }

    std::optional<LRESULT> Announce() { return SendToSim(kMsgCafeAnnounce, 0, MenuLParam()); }

    std::optional<LRESULT> SendCommand(std::int32_t number, std::string_view big5Data = {}) {
        const CafeCommandBlock text(number, big5Data);
        return SendBlock(text.Bytes(), text.ByteCount());
    }

    std::optional<LRESULT> SendBlock(const void* bytes, DWORD count) {
        COPYDATASTRUCT block{};
        block.lpData = const_cast<void*>(bytes);
        block.cbData = count;
        return SendToSim(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&block));
    }

    bool WaitForTexts(std::size_t count) {
        return test::PumpUntil(kTimeoutMs, [&] { return menu_->Texts().size() >= count; });
    }

    LPARAM MenuLParam() const { return reinterpret_cast<LPARAM>(menu_->Handle()); }

    ui::Application app_;
    ui::FormPtr<FakeMenu> menu_;
    test::TempFolder folder_;
    Big5 scenario_ = folder_.File("scenario.ini");
    // Without a log path the scenario's path names it.
    Big5 log_ = scenario_ + ".log";
    std::optional<test::ChildProcess> process_;
    HWND sim_ = nullptr;
};

TEST_F(CafeSimProgram, TheMenuFindsItAndItSendsTheGoodsListInOrderAfterTheMenusSendReturned) {
    WriteScenario(
        u8"[Scenario]\r\nAnnounceAnswer=5025\r\nSessionData=0,now-30,0,A12\r\nServerTime=45000.5\r\n"
        u8"[Goods]\r\n1=A01,可樂,25\r\n2=B02,薯條,40\r\n");
    log_ = folder_.File("from-command-line.log");
    Start(L"\"" + WideFromBig5(log_) + L"\"");
    EXPECT_EQ(FindWindowW(L"TFCltMain", L"VexelDesk"), sim_);
    EXPECT_EQ(TitleOf(sim_), L"VexelDesk");

    EXPECT_EQ(Announce(), 5025);
    EXPECT_EQ(SendCommand(kCafeDataRequest), TRUE);
    ASSERT_TRUE(WaitForTexts(5));
    const std::vector<std::string> texts = menu_->Texts();
    ASSERT_EQ(texts.size(), 5u);
    // Answers sent from inside the simulator's handler would all arrive
    // while the menu's send still waits; deferred ones come after it.
    EXPECT_LT(menu_->arrivedWhileSending, texts.size());
    EXPECT_EQ(texts[0], "114:");
    EXPECT_EQ(texts[1], T(u8"115:A01,可樂,25"));
    EXPECT_EQ(texts[2], T(u8"115:B02,薯條,40"));
    EXPECT_THAT(texts[3], StartsWith("117:0,"));
    EXPECT_THAT(texts[3], ::testing::EndsWith(",0,A12"));
    EXPECT_EQ(texts[4], "119:45000.5");

    const std::vector<std::string> events = Events();
    EXPECT_THAT(events, Contains(StartsWith("recv msg 5024 wparam=0 lparam=0x")));
    EXPECT_THAT(events, Contains(::testing::EndsWith("-> 5025")));
    EXPECT_THAT(events, Contains("recv cmd 209:"));
    EXPECT_THAT(events, Contains("send cmd 114: -> ok"));
    // The log is UTF-8.
    EXPECT_THAT(events, Contains(Utf8(u8"send cmd 115:A01,可樂,25 -> ok")));
    Quit();
}

TEST_F(CafeSimProgram, AnswersFollowTheScenarioAsItIsChangedAndReachTheMenuFoundByItsClass) {
    WriteScenario(u8"[Scenario]\r\nConsumption=125|50|35|0|85\r\nEntryAnswer=0\r\n");
    Start();

    // No handshake: the simulator looks for the window of class TfSmenu.
    EXPECT_EQ(SendCommand(kCafeLeaveRequest), TRUE);
    EXPECT_EQ(SendCommand(kCafeConsumptionRequest), TRUE);
    ASSERT_TRUE(WaitForTexts(2));
    EXPECT_THAT(menu_->Texts(), ElementsAre("121:0", "120:125|50|35|0|85"));

    Request("set EntryAnswer=1");
    ASSERT_TRUE(WaitForLog("info set EntryAnswer=1"));
    EXPECT_EQ(SendCommand(kCafeLeaveRequest), TRUE);
    ASSERT_TRUE(WaitForTexts(3));
    EXPECT_EQ(menu_->Texts().back(), "121:1");
    EXPECT_EQ(Announce(), 1);

    Request("set AnnounceAnswer=0");
    Request("set AutoAnswer=0");
    ASSERT_TRUE(WaitForLog("info set AutoAnswer=0"));
    EXPECT_EQ(Announce(), 0);
    EXPECT_EQ(SendCommand(kCafeDataRequest), TRUE);
    // Anything sent in answer would come before this.
    Request("text 1:marker");
    ASSERT_TRUE(WaitForTexts(4));
    EXPECT_THAT(menu_->Texts(), ElementsAre("121:0", "120:125|50|35|0|85", "121:1", "1:marker"));
    EXPECT_THAT(Events(), Contains("recv cmd 209:"));
    Quit();
}

TEST_F(CafeSimProgram, CommandFileLinesReachTheMenuInOrder) {
    log_ = folder_.File("from-scenario.log");
    WriteFileBytes(scenario_, "[Scenario]\r\nLog=" + Utf8FromBig5(log_) + "\r\n");
    Start();
    for (const std::u8string_view line : {u8"send 5024", u8"send 5025", u8"text 121:1", u8"# a comment", u8"bogus",
                                          u8"send 5026", u8"text 115:A01,可樂,25", u8"text 115", u8"send 5027"}) {
        Request(Utf8(line));
    }
    // The menu's answers reach the simulator while both handle messages.
    ASSERT_TRUE(WaitForLog("answer msg 5027"));

    const std::vector<Seen>& seen = menu_->seen;
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[0].message, kMsgCafeAnnounce);
    EXPECT_EQ(seen[0].lParam, reinterpret_cast<LPARAM>(sim_));
    EXPECT_EQ(seen[1].message, kMsgCafeOpenOrders);
    EXPECT_EQ(seen[2].text, "121:1");
    EXPECT_EQ(seen[3].message, kMsgCafeSessionEnd);
    EXPECT_EQ(seen[4].text, T(u8"115:A01,可樂,25"));
    EXPECT_EQ(seen[5].text, "115");
    EXPECT_EQ(seen[6].message, kMsgCafeCloseMenu);

    const std::vector<std::string> events = Events();
    EXPECT_THAT(events, Contains("send msg 5024"));
    // The menu answers 5024 with the lParam it got: the simulator's window.
    EXPECT_THAT(events, Contains("answer msg 5024 -> " + std::to_string(reinterpret_cast<LPARAM>(sim_))));
    EXPECT_THAT(events, Contains("answer msg 5025 -> 0"));
    EXPECT_THAT(events, Contains("send cmd 121:1 -> ok"));
    EXPECT_THAT(events, Contains("error unknown request: bogus"));
    Quit();
}

TEST_F(CafeSimProgram, LogsWhateverArrivesAndKeepsAnswering) {
    WriteScenario(u8"[Scenario]\r\nConsumption=1|2|3|0|6\r\n");
    Start();
    EXPECT_EQ(SendCommand(kCafeOrderLine, T(u8"A01,可樂,2")), TRUE);
    const char digitsOnly[] = "115";
    EXPECT_EQ(SendBlock(digitsOnly, sizeof digitsOnly), TRUE);
    EXPECT_EQ(SendBlock(nullptr, 0), TRUE);
    // Only cbData counts: the bytes after it are not the sender's text.
    const char unterminated[] = "211:garbage";
    EXPECT_EQ(SendBlock(unterminated, 4), TRUE);
    const char twoLines[] = "1:a\nb";
    EXPECT_EQ(SendBlock(twoLines, sizeof twoLines), TRUE);
    EXPECT_EQ(SendToSim(kMsgCafeSessionEnd, 7, 9), 0);
    ASSERT_TRUE(WaitForTexts(1));
    EXPECT_THAT(menu_->Texts(), ElementsAre("120:1|2|3|0|6"));

    const std::vector<std::string> events = Events();
    EXPECT_THAT(events, Contains(Utf8(u8"recv cmd 207:A01,可樂,2")));
    EXPECT_THAT(events, Contains("recv bad cb=4 \"115\""));
    EXPECT_THAT(events, Contains("recv bad cb=0 \"\""));
    EXPECT_THAT(events, Contains("recv cmd 211:"));
    EXPECT_THAT(events, Contains("recv cmd 1:a\\x0ab"));
    EXPECT_THAT(events, Contains("recv msg 5026 wparam=7 lparam=0x9 -> 0"));
    Quit();
}

TEST_F(CafeSimProgram, AHungMenuDoesNotFreezeIt) {
    WriteScenario(u8"[Scenario]\r\nSendTimeout=300\r\n");
    Start();
    ASSERT_EQ(Announce(), 1);
    Request("send 5025");
    Request("text 1:first");
    Request("text 1:second");
    // This thread stops handling messages, as a hung menu would (or a menu
    // whose ordering window runs inside its 5025 handler).
    const ULONGLONG end = GetTickCount64() + kTimeoutMs;
    while (!HasEventStartingWith("send cmd 1:second") && GetTickCount64() < end) Sleep(50);
    const std::vector<std::string> events = Events();
    EXPECT_THAT(events, Contains("send msg 5025"));
    EXPECT_THAT(events, Contains("send cmd 1:first -> timeout"));
    EXPECT_THAT(events, Contains("send cmd 1:second -> timeout"));

    // Once the menu handles messages again, the simulator learns its answer.
    EXPECT_EQ(Announce(), 1);
    EXPECT_TRUE(WaitForLog("answer msg 5025 -> 0"));
    Quit();
}

TEST_F(CafeSimProgram, AsAClientThatAnswersInsideItsHandlerItsAnswersArriveWhileTheMenuStillWaits) {
    WriteScenario(
        u8"[Scenario]\r\nNestedReplies=1\r\nSendOn=211:5026\r\nConsumption=1|2|3|0|6\r\nSyncSend=1\r\n"
        u8"[Goods]\r\n1=A01,可樂,25\r\n");
    Start();
    EXPECT_EQ(SendCommand(kCafeDataRequest), TRUE);
    EXPECT_EQ(menu_->arrivedWhileSending, 2u);
    EXPECT_THAT(menu_->Texts(), ElementsAre("114:", T(u8"115:A01,可樂,25")));

    // The session message first, then the answer, both inside the send.
    EXPECT_EQ(SendCommand(kCafeConsumptionRequest), TRUE);
    EXPECT_EQ(menu_->arrivedWhileSending, 4u);
    ASSERT_EQ(menu_->seen.size(), 4u);
    EXPECT_EQ(menu_->seen[2].message, kMsgCafeSessionEnd);
    EXPECT_EQ(menu_->seen[3].text, "120:1|2|3|0|6");

    // Sent synchronously, a session message's log line says how long the
    // menu took to answer.
    Request("send 5025");
    ASSERT_TRUE(WaitForLog("send msg 5025 -> ok in "));
    EXPECT_THAT(Events(), Contains(::testing::MatchesRegex("send msg 5026 -> ok in \\d+ ms")));
    Quit();
}

TEST_F(CafeSimProgram, RegistersTheCafeSystemKeyOnlyWhenAsked) {
    const test::CafeSystemKeyScope noKey(false);

    WriteScenario(u8"[Scenario]\r\nRegisterKey=1\r\n");
    Start();
    // The key is made after the start line that Start waits for.
    EXPECT_TRUE(WaitForLog("info created HKCU\\Software\\Rostik"));
    EXPECT_TRUE(CafeSystemKeyExists());
    Request("remove-key");
    ASSERT_TRUE(WaitForLog("info removed"));
    EXPECT_FALSE(CafeSystemKeyExists());
    Quit();

    WriteScenario(u8"[Scenario]\r\nAnnounceAnswer=1\r\n");
    Start();
    EXPECT_FALSE(CafeSystemKeyExists());
    Request("register-key");
    ASSERT_TRUE(WaitForLog("info created"));
    EXPECT_TRUE(CafeSystemKeyExists());
    Quit();
}

}  // namespace
}  // namespace corvina
