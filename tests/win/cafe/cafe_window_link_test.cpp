// The main window's café link against café client windows in this process:
// the handshake, the session messages, the command texts, and the ordering
// window's life, with a recording machine for the taskbar.

#include "cafe/cafe_window_link.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cafe/fake_cafe_client.h"
#include "support/message_box_answerer.h"
#include "support/processes.h"
#include "support/recording_machine.h"
#include "support/temp_folder.h"
#include "sys/cafe_protocol.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/message_box.h"
#include "ui/session_scope.h"
#include "ui/timer.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr unsigned kShortTimeoutMs = 300;

// Writes its life into the test's event list; ShowModal runs the test's
// script as if the window were open, or a real modal form when asked.
class FakeOrderWindow final : public OrderWindow {
public:
    FakeOrderWindow(std::vector<std::string>& events, std::function<void()> whileOpen, bool realModal)
        : events_(events), whileOpen_(std::move(whileOpen)) {
        if (realModal) form_ = ui::MakeForm<ui::Form>(L"CorvinaForm", ui::BorderStyle::None);
        events_.push_back("order window made");
    }
    ~FakeOrderWindow() override { events_.push_back("order window gone"); }

    void HandleOrderCommand(std::int32_t number, std::string_view data) override {
        events_.push_back("order cmd " + std::to_string(number) + ":" + std::string(data));
    }
    void Reset() override { events_.push_back("order reset"); }
    void ShowModal() override {
        events_.push_back("order shown");
        if (form_) {
            form_->ShowModal();
        } else {
            if (whileOpen_) whileOpen_();
            // What a modal loop would have handled before the window closed.
            ui::Application::Instance().ProcessMessages();
        }
        events_.push_back("order modal end");
    }
    void Close() override {
        events_.push_back("order close");
        if (form_) form_->Close();
    }

private:
    std::vector<std::string>& events_;
    std::function<void()> whileOpen_;
    ui::FormPtr<ui::Form> form_;
};

// The main window's part in the link: its messages go to the link first.
class LinkedMenu final : public ui::Form {
public:
    LinkedMenu() : ui::Form(L"CorvinaForm", ui::BorderStyle::None) {}
    CafeWindowLink* link = nullptr;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (link && link->HandleMessage(message, wParam, lParam, result)) return result;
        return ui::Form::HandleMessage(message, wParam, lParam);
    }
};

class CafeWindowLinkTest : public ui::test::UiTest {
protected:
    CafeWindowLinkTest()
        : menu_(ui::MakeForm<LinkedMenu>()), link_(*menu_, machine_, settings_, cafe_.Path(), log_, kShortTimeoutMs) {
        menu_->link = &link_;
    }
    ~CafeWindowLinkTest() override { menu_->link = nullptr; }

    void UseOrderWindow(std::function<void()> whileOpen = {}, bool realModal = false) {
        link_.SetOrderWindowFactory([this, whileOpen, realModal]() -> std::unique_ptr<OrderWindow> {
            return std::make_unique<FakeOrderWindow>(events_, whileOpen, realModal);
        });
    }

    LRESULT ToMenu(UINT message, LPARAM lParam = 0) { return SendMessageW(menu_->Handle(), message, 0, lParam); }
    // The café client's 5025, answered at once and acted on from the queue.
    void OpenOrdersFromClient() {
        ToMenu(kMsgCafeOpenOrders);
        Pump();
    }

    void CopyDataToMenu(const void* bytes, DWORD count) {
        COPYDATASTRUCT block{};
        block.dwData = 7;
        block.cbData = count;
        block.lpData = const_cast<void*>(bytes);
        SendMessageW(menu_->Handle(), WM_COPYDATA, 3, reinterpret_cast<LPARAM>(&block));
    }
    void TextToMenu(const std::string& text) { CopyDataToMenu(text.c_str(), static_cast<DWORD>(text.size() + 1)); }

    LPARAM MenuParam() const { return reinterpret_cast<LPARAM>(menu_->Handle()); }

    // The administrator's log, one entry a line.
    std::vector<std::string> AdminLines() const {
        std::vector<std::string> lines;
        const std::string text = ReadFileBytes(log_.Path()).value_or("");
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    test::TempFolder cafe_;
    AdminLog log_{cafe_.Path(), [] { return CalendarTime{2026, 3, 7, 9, 5, 4}; }};
    test::RecordingMachine machine_;
    MenuSettings settings_;
    std::vector<std::string> events_;
    ui::FormPtr<LinkedMenu> menu_;
    CafeWindowLink link_;
};

TEST_F(CafeWindowLinkTest, ActivationAnnouncesTheMenuAndConfirmsAPositiveAnswer) {
    test::FakeCafeClient client;
    link_.Activated();
    EXPECT_TRUE(link_.Link().IsUp());
    EXPECT_THAT(client.events, ElementsAre("5024 lparam=" + std::to_string(MenuParam()), "212:"));

    // Each activation starts again from link down.
    client.events.clear();
    client.announceAnswer = 0;
    link_.Activated();
    EXPECT_FALSE(link_.Link().IsUp());
    link_.Send(kCafeDataRequest, {});
    EXPECT_THAT(client.events, ElementsAre("5024 lparam=" + std::to_string(MenuParam())));
}

TEST_F(CafeWindowLinkTest, OnlyTheWindowWithTheClientsClassAndTitleIsTaken) {
    test::FakeCafeClient stranger(L"VexelDesk 2");
    link_.Activated();
    EXPECT_EQ(link_.Link().Client(), 0);
    EXPECT_FALSE(link_.Link().IsUp());
    EXPECT_THAT(stranger.events, IsEmpty());
}

TEST_F(CafeWindowLinkTest, AnAnswerOf5025ConfirmsTheLinkThenOpensTheOrderWindow) {
    test::FakeCafeClient client;
    client.announceAnswer = kMsgCafeOpenOrders;
    client.onMessage = [&](UINT message) {
        if (message == WM_COPYDATA) events_.push_back("client got " + client.events.back());
    };
    UseOrderWindow();
    link_.Activated();
    EXPECT_THAT(events_, ElementsAre("client got 212:", "order window made", "order shown", "order modal end",
                                     "order window gone"));
    EXPECT_EQ(link_.OrderWindowOpen(), nullptr);
}

TEST_F(CafeWindowLinkTest, TheClientsAnnouncementSetsTheLinkUpToItsWindow) {
    test::FakeCafeClient client;
    EXPECT_EQ(ToMenu(kMsgCafeAnnounce, client.HandleParam()), client.HandleParam());
    EXPECT_TRUE(link_.Link().IsUp());
    link_.Send(kCafeOrderLine, "7,tea,2");
    EXPECT_THAT(client.events, ElementsAre("212:", "207:7,tea,2"));
}

// A window of the client's class that is not the one found by class and
// title takes nothing over: the link stays with the client, and the
// administrator hears of the stranger once.
TEST_F(CafeWindowLinkTest, AnAnnouncementFromAnotherWindowIsIgnoredAndLoggedOnce) {
    test::FakeCafeClient client;
    test::FakeCafeClient stranger(L"another title");
    link_.Activated();
    ASSERT_TRUE(link_.Link().IsUp());
    EXPECT_EQ(ToMenu(kMsgCafeAnnounce, stranger.HandleParam()), 0);
    EXPECT_EQ(ToMenu(kMsgCafeAnnounce, stranger.HandleParam()), 0);
    EXPECT_TRUE(link_.Link().IsUp());
    EXPECT_EQ(link_.Link().Client(), client.HandleParam());
    EXPECT_EQ(link_.Send(kCafeOrderLine, "7,tea,2"), CafeDelivery::Taken);
    EXPECT_THAT(stranger.events, IsEmpty());
    EXPECT_THAT(client.events.back(), "207:7,tea,2");
    ASSERT_EQ(AdminLines().size(), 1u);
    EXPECT_NE(AdminLines()[0].find("5024"), std::string::npos);
}

TEST_F(CafeWindowLinkTest, AClientWindowThatEndedTakesTheLinkDownInsteadOfReachingAStranger) {
    auto client = std::make_unique<test::FakeCafeClient>();
    link_.Activated();
    ASSERT_TRUE(link_.Link().IsUp());
    client.reset();
    EXPECT_EQ(link_.Send(kCafeDataRequest, {}), CafeDelivery::NotSent);
    EXPECT_FALSE(link_.Link().IsUp());
    // The send's fault, then the link going down.
    ASSERT_EQ(AdminLines().size(), 2u);
    EXPECT_THAT(AdminLines()[0], ::testing::EndsWith("209:"));

    // An announcement naming a window of another class links nothing.
    ToMenu(kMsgCafeAnnounce, MenuParam());
    EXPECT_FALSE(link_.Link().IsUp());
}

TEST_F(CafeWindowLinkTest, AClientThatMissesAnAnswerKeepsTheLinkUntilItIsJudgedHung) {
    const test::HungCafeClient hung;
    ToMenu(kMsgCafeAnnounce, reinterpret_cast<LPARAM>(hung.Handle()));
    // Silent for a moment only: the send may have reached the client, which
    // may still answer, so the link stays for the next command.
    EXPECT_EQ(link_.Send(kCafeClockTick, {}), CafeDelivery::Unconfirmed);
    EXPECT_TRUE(link_.Link().IsUp());

    // Judged hung once it has read no message for a while; then a send
    // gives up at once and the link goes down.
    ASSERT_TRUE(test::PumpUntil(10000, [&] { return IsHungAppWindow(hung.Handle()) != FALSE; }));
    const DWORD start = GetTickCount();
    EXPECT_EQ(link_.Send(kCafeClockTick, {}), CafeDelivery::Unconfirmed);
    EXPECT_LT(GetTickCount() - start, kShortTimeoutMs);
    EXPECT_FALSE(link_.Link().IsUp());
    // The next send shakes hands again first; unanswered, nothing goes, and
    // the send after it tries again.
    EXPECT_EQ(link_.Send(kCafeClockTick, {}), CafeDelivery::NotSent);
    EXPECT_TRUE(link_.Link().HandshakeDue());
    // One line a fault and one for the link going down; the send that never
    // went is none.
    const std::vector<std::string> lines = AdminLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_NE(lines[0].find(T(u8"未確認")), std::string::npos);
    EXPECT_NE(lines[2].find(T(u8"連線中斷")), std::string::npos);
}

TEST_F(CafeWindowLinkTest, AnswersSentFromInsideTheClientsHandlerComeAfterTheSendAndTheLinkStaysUp) {
    const HWND menu = menu_->Handle();
    test::ThreadedCafeClient client([&](HWND, const std::string& text) {
        if (text == "209:") {
            client.SendText(menu, "114:");
            client.SendText(menu, "115:A01,tea,25");
        }
        if (text == "211:") client.SendText(menu, "120:1|2|3|0|6");
        if (text == "214:") client.SendText(menu, "121:1");
    });
    ToMenu(kMsgCafeAnnounce, client.HandleParam());
    UseOrderWindow([&] {
        EXPECT_EQ(link_.Send(kCafeDataRequest, {}), CafeDelivery::Taken);
        EXPECT_EQ(link_.Send(kCafeConsumptionRequest, {}), CafeDelivery::Taken);
        EXPECT_EQ(link_.Send(kCafeLeaveRequest, {}), CafeDelivery::Taken);
        events_.push_back("sends returned");
    });
    link_.ShowOrderWindow();
    EXPECT_THAT(events_, ElementsAre("order window made", "order shown", "sends returned",
                                     "order cmd 114:", "order cmd 115:A01,tea,25", "order cmd 120:1|2|3|0|6",
                                     "order cmd 121:1", "order modal end", "order window gone"));
    EXPECT_TRUE(link_.Link().IsUp());
    EXPECT_EQ(link_.Send(kCafeOrderLine, "A01,tea,1"), CafeDelivery::Taken);
    EXPECT_THAT(client.Events(), ::testing::Contains("sent 120:1|2|3|0|6 -> ok"));
    EXPECT_EQ(client.Events().back(), "207:A01,tea,1");
    EXPECT_THAT(AdminLines(), IsEmpty());
}

TEST_F(CafeWindowLinkTest, AClientThatSendsSynchronouslyIsAnsweredWhileTheWindowItOpensStaysOpen) {
    const HWND menu = menu_->Handle();
    test::ThreadedCafeClient client;
    UseOrderWindow({}, true);
    std::atomic<int> opened = -1;
    std::atomic<int> ended = -1;
    client.Run([&] {
        DWORD_PTR result = 0;
        opened = SendMessageTimeoutW(menu, kMsgCafeOpenOrders, 0, 0, SMTO_NORMAL, 2000, &result) != 0;
        // Only a window that is still open can be closed by the session's end.
        ended = SendMessageTimeoutW(menu, kMsgCafeSessionEnd, 0, 0, SMTO_NORMAL, 2000, &result) != 0;
    });
    ASSERT_TRUE(test::PumpUntil(8000, [&] { return ended >= 0 && events_.size() == 5; }));
    EXPECT_EQ(opened, 1) << "the café client waited for the ordering window to close";
    EXPECT_EQ(ended, 1);
    EXPECT_THAT(events_,
                ElementsAre("order window made", "order shown", "order close", "order modal end", "order window gone"));
}

TEST_F(CafeWindowLinkTest, CommandTextsReachTheOpenOrderWindowOnlyWhenWellFormed) {
    std::string unterminated = "121:1XYZ";
    const std::string huge = "115:" + std::string(1024 * 1024, 'a');
    UseOrderWindow([&] {
        TextToMenu("121:1");
        TextToMenu("117:0,45000.5,0,A12");
        TextToMenu("115");
        TextToMenu("0:zero");
        TextToMenu("-4:negative");
        TextToMenu("");
        TextToMenu("180:not ours");
        TextToMenu("x:y");
        CopyDataToMenu(unterminated.data(), 5);  // "121:1" without its zero
        CopyDataToMenu(nullptr, 10);
        CopyDataToMenu("116:", 0);
        CopyDataToMenu(huge.c_str(), static_cast<DWORD>(huge.size() + 1));
        SendMessageW(menu_->Handle(), WM_COPYDATA, 0, 0);
    });
    OpenOrdersFromClient();
    EXPECT_THAT(events_,
                ElementsAre("order window made", "order shown", "order cmd 121:1", "order cmd 117:0,45000.5,0,A12",
                            "order cmd 121:1", "order modal end", "order window gone"));
    // With the window closed, its commands are dropped.
    TextToMenu("114:");
    EXPECT_EQ(events_.back(), "order window gone");
    EXPECT_THAT(errors_, IsEmpty());
}

// The café client ends one session and opens the next at once: the closing
// window is not the new session's; it gets a window of its own once the old
// one is gone. Consecutive 5025s open it once.
TEST_F(CafeWindowLinkTest, AnEndAndANewSessionTogetherLeaveTheNewSessionsWindowOpen) {
    int made = 0;
    link_.SetOrderWindowFactory([&]() -> std::unique_ptr<OrderWindow> {
        ++made;
        if (made == 1) return std::make_unique<FakeOrderWindow>(events_, nullptr, true);
        return std::make_unique<FakeOrderWindow>(
            events_, [&] { events_.push_back(link_.OrderWindowOpen() ? "new window open" : "no window"); }, false);
    });
    PostMessageW(menu_->Handle(), kMsgCafeSessionEnd, 0, 0);
    PostMessageW(menu_->Handle(), kMsgCafeOpenOrders, 0, 0);
    PostMessageW(menu_->Handle(), kMsgCafeOpenOrders, 0, 0);
    link_.ShowOrderWindow();
    Pump();
    EXPECT_THAT(events_, ElementsAre("order window made", "order shown", "order close", "order modal end",
                                     "order window gone", "order window made", "order shown", "new window open",
                                     "order modal end", "order window gone"));
    EXPECT_EQ(made, 2);
}

TEST_F(CafeWindowLinkTest, WithoutAnOrderWindowFactoryOpeningDoesNothing) {
    OpenOrdersFromClient();
    EXPECT_THAT(machine_.calls, IsEmpty());
    EXPECT_THAT(errors_, IsEmpty());
}

TEST_F(CafeWindowLinkTest, A5025WhileTheOrderWindowIsOpenReinitialisesIt) {
    UseOrderWindow([&] { ToMenu(kMsgCafeOpenOrders); });
    link_.ShowOrderWindow();
    EXPECT_THAT(events_,
                ElementsAre("order window made", "order shown", "order reset", "order modal end", "order window gone"));
}

TEST_F(CafeWindowLinkTest, ClosingTheOrderWindowRepaintsAndAppliesTheTaskbarSetting) {
    settings_.HideTaskBar = true;
    UseOrderWindow();
    link_.ShowOrderWindow();
    EXPECT_THAT(machine_.calls, ElementsAre("ShowTaskbar(false)"));
    settings_.HideTaskBar = false;
    link_.ShowOrderWindow();
    EXPECT_THAT(machine_.calls, ElementsAre("ShowTaskbar(false)", "ShowTaskbar(true)"));
}

TEST_F(CafeWindowLinkTest, AnOrderWindowThatFailsIsCleanedUpAndTheErrorReported) {
    link_.SetOrderWindowFactory([]() -> std::unique_ptr<OrderWindow> { throw std::runtime_error("no window"); });
    OpenOrdersFromClient();
    EXPECT_THAT(errors_, ElementsAre("no window"));
    EXPECT_EQ(link_.OrderWindowOpen(), nullptr);
    EXPECT_THAT(machine_.calls, ElementsAre("ShowTaskbar(true)"));

    // A later request opens it again.
    UseOrderWindow([] { throw std::runtime_error("failed while open"); });
    OpenOrdersFromClient();
    EXPECT_THAT(errors_, ElementsAre("no window", "failed while open"));
    EXPECT_EQ(events_.back(), "order window gone");
}

TEST_F(CafeWindowLinkTest, SessionEndDeletesTheLogClearsEntryAndClosesTheListThenTheOrderWindow) {
    WriteFileBytes(cafe_.File("GoodsLog.Lst"), "1,tea,2\r\n");
    link_.SetEntryGranted(true);
    link_.SetConsumptionListCloser([this] { events_.push_back("list closed"); });
    UseOrderWindow({}, true);
    // Handled inside the ordering window's modal run, as from the café client.
    PostMessageW(menu_->Handle(), kMsgCafeSessionEnd, 0, 0);
    link_.ShowOrderWindow();
    EXPECT_THAT(events_, ElementsAre("order window made", "order shown", "list closed", "order close",
                                     "order modal end", "order window gone"));
    EXPECT_FALSE(FileExists(cafe_.File("GoodsLog.Lst")));
    EXPECT_FALSE(link_.EntryGranted());
}

TEST_F(CafeWindowLinkTest, ALogThatCannotBeDeletedIsReportedAfterTheWindowsClose) {
    const Big5 log = cafe_.File("GoodsLog.Lst");
    WriteFileBytes(log, "1,tea,2\r\n");
    // Open without sharing: nobody may delete it meanwhile.
    const win32::ScopedHandle held(
        CreateFileW(WideFromBig5(log).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    link_.SetEntryGranted(true);
    UseOrderWindow({}, true);
    PostMessageW(menu_->Handle(), kMsgCafeSessionEnd, 0, 0);
    link_.ShowOrderWindow();
    EXPECT_EQ(events_.back(), "order window gone");
    EXPECT_FALSE(link_.EntryGranted());
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].find("GoodsLog.Lst"), std::string::npos);
}

// Presses a button of this thread's message box once `delayMs` have passed:
// a box that should have been ended fails the test instead of hanging it.
class LateBoxAnswer {
public:
    LateBoxAnswer(int button, unsigned delayMs) : timer_(delayMs) {
        timer_.OnTimer = [button](ui::Timer& timer) {
            if (const HWND box = ui::test::DialogOfThisThread()) {
                PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
                timer.SetEnabled(false);
            }
        };
    }

private:
    ui::Timer timer_;
};

TEST_F(CafeWindowLinkTest, TheSessionsEndOrTheCloseAnswersAnOpenQuestionAsCancelled) {
    for (const UINT message : {kMsgCafeSessionEnd, kMsgCafeCloseMenu}) {
        SCOPED_TRACE(message);
        events_.clear();
        std::optional<bool> answer;
        UseOrderWindow([&] {
            PostMessageW(menu_->Handle(), message, 0, 0);
            const LateBoxAnswer stillOpen(IDYES, 3000);
            answer = ui::AskYesNo("give up the selection?", ui::BoxOwner::Session);
        });
        if (message == kMsgCafeCloseMenu) app_.SetMainForm(menu_.get());
        link_.ShowOrderWindow();
        app_.SetMainForm(nullptr);
        EXPECT_EQ(answer, false);
        EXPECT_THAT(events_, ElementsAre("order window made", "order shown", "order close", "order modal end",
                                         "order window gone"));
    }
    EXPECT_TRUE(app_.Terminated());
}

// A copy to the record store is never cut halfway: the session's end, and
// what arrived behind it, wait until it is done.
TEST_F(CafeWindowLinkTest, TheSessionsEndWaitsForARecordCopyUnderWay) {
    WriteFileBytes(cafe_.File("GoodsLog.Lst"), "1,tea,2\r\n");
    bool first = true;
    UseOrderWindow([&] {
        if (!std::exchange(first, false)) return;
        auto copy = std::make_unique<ui::SessionWork>();
        PostMessageW(menu_->Handle(), kMsgCafeSessionEnd, 0, 0);
        PostMessageW(menu_->Handle(), kMsgCafeOpenOrders, 0, 0);
        Pump();
        events_.push_back(FileExists(cafe_.File("GoodsLog.Lst")) ? "copy running, log kept" : "log gone early");
        copy.reset();
        events_.push_back("copy done");
    });
    link_.ShowOrderWindow();
    EXPECT_THAT(events_, ElementsAre("order window made", "order shown", "copy running, log kept", "order close",
                                     "copy done", "order modal end", "order window gone"));
    EXPECT_FALSE(FileExists(cafe_.File("GoodsLog.Lst")));
    // The new session's 5025 comes once the old window is gone.
    Pump();
    EXPECT_EQ(events_.back(), "order window gone");
    EXPECT_EQ(std::count(events_.begin(), events_.end(), std::string("order window made")), 2);
}

// Only what belongs to the customer's session ends with it: the program's
// own box stays until it is answered.
TEST_F(CafeWindowLinkTest, TheSessionsEndLeavesTheProgramsOwnBoxesOpen) {
    std::optional<bool> answer;
    UseOrderWindow([&] {
        PostMessageW(menu_->Handle(), kMsgCafeSessionEnd, 0, 0);
        const LateBoxAnswer answered(IDYES, 500);
        answer = ui::AskYesNo("the program asks");
    });
    link_.ShowOrderWindow();
    EXPECT_EQ(answer, true);
}

TEST_F(CafeWindowLinkTest, CloseMessageClosesTheOrderWindowThenTheMainWindow) {
    app_.SetMainForm(menu_.get());
    UseOrderWindow({}, true);
    PostMessageW(menu_->Handle(), kMsgCafeCloseMenu, 0, 0);
    link_.ShowOrderWindow();
    EXPECT_THAT(events_,
                ElementsAre("order window made", "order shown", "order close", "order modal end", "order window gone"));
    EXPECT_TRUE(app_.Terminated());
    app_.SetMainForm(nullptr);
}

}  // namespace
}  // namespace corvina
