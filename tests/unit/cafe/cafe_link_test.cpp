// The handshake and the sending rules of the link, against a fake window
// system that records what the menu does in order.

#include "cafe/cafe_link.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sys/cafe_protocol.h"
#include "sys/text.h"

namespace corvina {
namespace {

constexpr CafeWindow kMenu = 0x100;
constexpr CafeWindow kClient = 0x200;
constexpr CafeWindow kOtherClient = 0x300;

class FakeWindows final : public CafeClientPort {
public:
    CafeWindow FindCafeClient() override { return found; }
    bool IsCafeClientWindow(CafeWindow window) override { return clients.contains(window); }
    std::optional<std::intptr_t> SendAnnounce(CafeWindow client, CafeWindow menu, bool waitIfBusy) override {
        log.push_back("5024 to " + std::to_string(client) + " from " + std::to_string(menu) +
                      (waitIfBusy ? " waiting" : ""));
        return announceAnswer;
    }
    CafeSendResult SendCommand(CafeWindow client, const CafeCommandBlock& block) override {
        // The receiver's view of the record: exactly cbData bytes, zero last.
        EXPECT_EQ(block.Bytes()[block.ByteCount() - 1], '\0');
        log.push_back(std::string(block.Bytes(), block.ByteCount() - 1) + " to " + std::to_string(client));
        return answer;
    }

    CafeWindow found = kClient;
    std::set<CafeWindow> clients{kClient, kOtherClient};
    std::optional<std::intptr_t> announceAnswer = 1;
    CafeSendResult answer = CafeSendResult::Delivered;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST(CafeLinkConnect, PositiveAnswerBringsTheLinkUpAndSendsLinkEstablished) {
    FakeWindows windows;
    CafeLink link(windows);
    const ConnectOutcome outcome = link.Connect(kMenu);
    EXPECT_TRUE(outcome.clientFound);
    EXPECT_FALSE(outcome.openOrderWindow);
    EXPECT_TRUE(link.IsUp());
    EXPECT_EQ(link.Client(), kClient);
    EXPECT_EQ(windows.log, (Log{"5024 to 512 from 256", "212: to 512"}));
}

TEST(CafeLinkConnect, Answer5025AlsoAsksForTheOrderWindowAfterTheLinkIsUp) {
    FakeWindows windows;
    windows.announceAnswer = kMsgCafeOpenOrders;
    CafeLink link(windows);
    const ConnectOutcome outcome = link.Connect(kMenu);
    EXPECT_TRUE(outcome.openOrderWindow);
    EXPECT_TRUE(link.IsUp());
    // 212 has gone out before Connect returns and the caller opens the window.
    EXPECT_EQ(windows.log, (Log{"5024 to 512 from 256", "212: to 512"}));
}

TEST(CafeLinkConnect, ZeroNegativeOrNoAnswerLeavesTheLinkDown) {
    for (const std::optional<std::intptr_t> answer :
         {std::optional<std::intptr_t>{0}, std::optional<std::intptr_t>{-1}, std::optional<std::intptr_t>{}}) {
        FakeWindows windows;
        windows.announceAnswer = answer;
        CafeLink link(windows);
        const ConnectOutcome outcome = link.Connect(kMenu);
        EXPECT_TRUE(outcome.clientFound);
        EXPECT_FALSE(outcome.openOrderWindow);
        EXPECT_FALSE(link.IsUp());
        link.Send(kCafeDataRequest, {});
        EXPECT_EQ(windows.log, (Log{"5024 to 512 from 256"}));
    }
}

TEST(CafeLinkConnect, NoClientWindowMeansNothingIsSent) {
    FakeWindows windows;
    windows.found = 0;
    CafeLink link(windows);
    EXPECT_FALSE(link.Connect(kMenu).clientFound);
    link.Send(kCafeDataRequest, {});
    EXPECT_FALSE(link.IsUp());
    EXPECT_TRUE(windows.log.empty());
}

TEST(CafeLinkConnect, EveryActivationStartsAgainFromLinkDown) {
    FakeWindows windows;
    CafeLink link(windows);
    link.Connect(kMenu);
    ASSERT_TRUE(link.IsUp());

    windows.found = 0;
    EXPECT_FALSE(link.Connect(kMenu).clientFound);
    EXPECT_FALSE(link.IsUp());

    // A café client that starts later is found at the next activation.
    windows.found = kOtherClient;
    windows.log.clear();
    EXPECT_TRUE(link.Connect(kMenu).clientFound);
    EXPECT_TRUE(link.IsUp());
    EXPECT_EQ(windows.log, (Log{"5024 to 768 from 256", "212: to 768"}));
}

TEST(CafeLinkAnnounced, ClientsAnnouncementBringsTheLinkUpToItsWindow) {
    FakeWindows windows;
    windows.found = 0;
    CafeLink link(windows);
    link.Connect(kMenu);

    // The client started after the menu's handshake: found now.
    windows.found = kOtherClient;
    EXPECT_EQ(link.Announced(kOtherClient), kOtherClient);
    EXPECT_TRUE(link.IsUp());
    link.Send(kCafeOrderLine, T(u8"A01,可樂,2"));
    EXPECT_EQ(windows.log, (Log{"212: to 768", "207:" + T(u8"A01,可樂,2") + " to 768"}));
}

TEST(CafeLinkAnnounced, NullWindowGetsNothing) {
    FakeWindows windows;
    CafeLink link(windows);
    EXPECT_EQ(link.Announced(0), std::nullopt);
    link.Send(kCafeDataRequest, {});
    EXPECT_FALSE(link.IsUp());
    EXPECT_TRUE(windows.log.empty());
}

// Only the window found as the café client may take the link: a stranger's
// 5024 leaves it as it was, up to the client or down.
TEST(CafeLinkAnnounced, AWindowThatIsNotTheCafeClientChangesNothing) {
    FakeWindows windows;
    CafeLink link(windows);
    link.Connect(kMenu);
    windows.log.clear();
    EXPECT_EQ(link.Announced(kOtherClient), std::nullopt);
    EXPECT_TRUE(link.IsUp());
    EXPECT_EQ(link.Client(), kClient);
    link.Send(kCafeDataRequest, {});
    EXPECT_EQ(windows.log, (Log{"209: to 512"}));

    windows.found = 0;
    link.Connect(kMenu);
    windows.log.clear();
    EXPECT_EQ(link.Announced(kOtherClient), std::nullopt);
    EXPECT_FALSE(link.IsUp());
    EXPECT_TRUE(windows.log.empty());
}

TEST(CafeLinkSend, HandleNoLongerTheClientsTakesTheLinkDown) {
    FakeWindows windows;
    CafeLink link(windows);
    link.Connect(kMenu);
    windows.log.clear();

    // The client ended; its handle may already belong to a stranger.
    windows.clients.erase(kClient);
    link.Send(kCafeDataRequest, {});
    EXPECT_FALSE(link.IsUp());
    windows.clients.insert(kClient);
    link.Send(kCafeClockTick, {});
    EXPECT_TRUE(windows.log.empty());
}

TEST(CafeLinkSend, OnlyAClientThatIsGoneOrHungTakesTheLinkDown) {
    FakeWindows windows;
    CafeLink link(windows);
    link.Connect(kMenu);
    EXPECT_EQ(link.Send(kCafeOrderLine, "7,tea,1"), CafeSendResult::Delivered);

    // Slow to answer but still reading its messages: this command may not
    // have arrived, but the next one may well.
    windows.answer = CafeSendResult::NotAnswered;
    EXPECT_EQ(link.Send(kCafeOrderLine, "7,tea,1"), CafeSendResult::NotAnswered);
    EXPECT_TRUE(link.IsUp());

    for (const CafeSendResult fault : {CafeSendResult::Refused, CafeSendResult::AccessDenied}) {
        windows.answer = CafeSendResult::Delivered;
        link.Connect(kMenu);
        windows.log.clear();
        windows.answer = fault;
        EXPECT_EQ(link.Send(kCafeDataRequest, {}), fault);
        EXPECT_FALSE(link.IsUp());
        EXPECT_EQ(link.Send(kCafeClockTick, {}), CafeSendResult::LinkDown);
        EXPECT_EQ(windows.log, (Log{"209: to 512"}));
    }

    // The next handshake finds it again once it answers.
    windows.answer = CafeSendResult::Delivered;
    link.Connect(kMenu);
    EXPECT_TRUE(link.IsUp());
}

// A client busy in a long handler takes the link down when the send times
// out; the next send shakes hands again first, waiting for a busy client,
// and goes out once it answers. One that still does not answer is asked
// again by the send after.
TEST(CafeLinkSend, AfterASendThatTimedOutTheNextSendShakesHandsAgainFirst) {
    for (const CafeSendResult timeout : {CafeSendResult::Hung, CafeSendResult::EndedDuringSend}) {
        FakeWindows windows;
        CafeLink link(windows);
        link.Connect(kMenu);
        windows.answer = timeout;
        EXPECT_EQ(link.Send(kCafeConsumptionRequest, {}), timeout);
        EXPECT_FALSE(link.IsUp());
        EXPECT_TRUE(link.HandshakeDue());

        windows.log.clear();
        windows.answer = CafeSendResult::Delivered;
        windows.announceAnswer = std::nullopt;
        EXPECT_EQ(link.Send(kCafeLeaveRequest, {}), CafeSendResult::LinkDown);
        EXPECT_EQ(windows.log, (Log{"5024 to 512 from 256 waiting"}));
        const std::optional<ConnectOutcome> retried = link.TakeRetriedHandshake();
        ASSERT_TRUE(retried);
        EXPECT_TRUE(retried->clientFound);
        EXPECT_FALSE(retried->answered);
        EXPECT_FALSE(link.TakeRetriedHandshake());

        windows.log.clear();
        windows.announceAnswer = 1;
        EXPECT_EQ(link.Send(kCafeLeaveRequest, {}), CafeSendResult::Delivered);
        EXPECT_EQ(windows.log, (Log{"5024 to 512 from 256 waiting", "212: to 512", "214: to 512"}));
        EXPECT_TRUE(link.IsUp());
        EXPECT_FALSE(link.HandshakeDue());
    }
}

TEST(CafeLinkSend, NoHandshakeIsRetriedAfterASendKnownNotToHaveGone) {
    FakeWindows windows;
    CafeLink link(windows);
    link.Connect(kMenu);
    windows.answer = CafeSendResult::AccessDenied;
    link.Send(kCafeDataRequest, {});
    windows.log.clear();
    windows.answer = CafeSendResult::Delivered;
    EXPECT_EQ(link.Send(kCafeLeaveRequest, {}), CafeSendResult::LinkDown);
    EXPECT_TRUE(windows.log.empty());

    // A client that refuses the link is not asked again by every send.
    windows.announceAnswer = 0;
    link.Connect(kMenu);
    windows.log.clear();
    EXPECT_EQ(link.Send(kCafeLeaveRequest, {}), CafeSendResult::LinkDown);
    EXPECT_TRUE(windows.log.empty());
}

TEST(CafeSendResults, WhatMayHaveArrivedIsUnconfirmedAndTheLogSaysWhy) {
    EXPECT_EQ(DeliveryOf(CafeSendResult::Delivered), CafeDelivery::Taken);
    for (const CafeSendResult notSent :
         {CafeSendResult::LinkDown, CafeSendResult::Gone, CafeSendResult::Refused, CafeSendResult::AccessDenied}) {
        EXPECT_EQ(DeliveryOf(notSent), CafeDelivery::NotSent);
    }
    for (const CafeSendResult timedOut :
         {CafeSendResult::NotAnswered, CafeSendResult::Hung, CafeSendResult::EndedDuringSend}) {
        EXPECT_EQ(DeliveryOf(timedOut), CafeDelivery::Unconfirmed);
        const Big5 text = CafeSendFaultText(timedOut, "207:7,tea,1");
        EXPECT_NE(text.find(T(u8"未確認")), Big5::npos);
        EXPECT_TRUE(text.ends_with("207:7,tea,1"));
    }
    const Big5 denied = CafeSendFaultText(CafeSendResult::AccessDenied, "207:7,tea,1");
    EXPECT_NE(denied.find(T(u8"權限等級不同")), Big5::npos);
    EXPECT_NE(denied.find(T(u8"系統管理員")), Big5::npos);
    EXPECT_TRUE(CafeSendFaultText(CafeSendResult::LinkDown, "207:7,tea,1").empty());
}

}  // namespace
}  // namespace corvina
