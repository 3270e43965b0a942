// The simulator's rules without its window: the scenario file, its answers,
// the request lines of the command file and the log's line format.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "cafe-sim/replies.h"
#include "cafe-sim/requests.h"
#include "cafe-sim/scenario.h"
#include "cafe-sim/sim_log.h"

namespace corvina::cafesim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

Scenario FromText(std::string text) { return ReadScenario(ScenarioProfile(std::move(text))); }

TEST(CafeSimScenario, ReadsEveryKeyAndKeepsTheGoodsInFileOrder) {
    const Scenario s = FromText(
        "\xEF\xBB\xBF[Scenario]\nAnnounceAnswer=5025\nAutoAnswer=0\nSessionData=1,now-30,now+90,A12\n"
        "ServerTime=now\nConsumption=125|50|35|0|85\nEntryAnswer=\nRegisterKey=1\nLog=Z:\\tmp\\x.log\n"
        "SendTimeout=250\nLeft=10\nTop=20\nStayOnTop=1\nNestedReplies=1\nSyncSend=1\nEndAfter=207\n"
        "SendOn=207:5026\nTitle=probe\n"
        "[Goods]\n9=B02,fries,40\n1=A01,cola,25,5\n");
    EXPECT_EQ(s.announceAnswer, 5025);
    EXPECT_FALSE(s.autoAnswer);
    EXPECT_EQ(s.sessionData, "1,now-30,now+90,A12");
    EXPECT_EQ(s.serverTime, "now");
    EXPECT_EQ(s.consumption, "125|50|35|0|85");
    // Present but empty: the simulator keeps quiet on 214.
    EXPECT_EQ(s.entryAnswer, "");
    EXPECT_TRUE(s.registerKey);
    EXPECT_EQ(s.log, "Z:\\tmp\\x.log");
    EXPECT_EQ(s.sendTimeoutMs, 250u);
    EXPECT_EQ(s.left, 10);
    EXPECT_EQ(s.top, 20);
    EXPECT_TRUE(s.stayOnTop);
    EXPECT_TRUE(s.nestedReplies);
    EXPECT_TRUE(s.syncSend);
    EXPECT_EQ(s.endAfter, 207);
    EXPECT_EQ(s.sendOn.command, 207);
    EXPECT_EQ(s.sendOn.message, 5026u);
    EXPECT_EQ(s.title, "probe");
    EXPECT_THAT(s.goods, ElementsAre("B02,fries,40", "A01,cola,25,5"));
}

TEST(CafeSimScenario, HandlerDelaysPerCommandAndTheMessageThatFollowsAnother) {
    const Scenario s =
        FromText("[Scenario]\nHandlerDelay=207:6000, x:5,211:1,214:0,-3:9,209:999999\nFollowWith=5026:5025\n");
    EXPECT_EQ(s.handlerDelayMs, (std::map<std::int32_t, unsigned>{{207, 6000}, {211, 1}, {209, 60000}}));
    EXPECT_EQ(s.followWith.first, 5026u);
    EXPECT_EQ(s.followWith.then, 5025u);
    // Only session messages follow one another.
    EXPECT_EQ(FromText("[Scenario]\nFollowWith=5026:207\n").followWith.first, 0u);
    EXPECT_TRUE(FromText("").handlerDelayMs.empty());
}

TEST(CafeSimScenario, AnEmptyFileGivesALinkThatAnswersAndGrantsButInstallsNothing) {
    const Scenario s = FromText("");
    EXPECT_EQ(s.announceAnswer, 1);
    EXPECT_TRUE(s.autoAnswer);
    EXPECT_EQ(s.entryAnswer, "1");
    EXPECT_FALSE(s.registerKey);
    EXPECT_THAT(s.goods, IsEmpty());
    EXPECT_GT(s.sendTimeoutMs, 5000u) << "must outlast the menu's 5 s consumption list";
    EXPECT_EQ(FromText("[Scenario]\nSendTimeout=0\n").sendTimeoutMs, 1u);
}

TEST(CafeSimReplies, TheDataRequestBringsTheGoodsListThenSessionAndTime) {
    Scenario s;
    s.goods = {"A01,cola,25", "B02,fries,40"};
    s.sessionData = "0,now-60,0,A12";
    s.serverTime = "45000.5";
    EXPECT_THAT(RepliesTo(209, s, 45000.5),
                ElementsAre(Outgoing{114, ""}, Outgoing{115, "A01,cola,25"}, Outgoing{115, "B02,fries,40"},
                            Outgoing{117, "0,45000.45833333,0,A12"}, Outgoing{119, "45000.5"}));

    // No goods is still a list: the menu's grid starts anew.
    EXPECT_THAT(RepliesTo(209, Scenario{}, 1.0), ElementsAre(Outgoing{114, ""}));
}

TEST(CafeSimReplies, FiguresAndEntryAnswersOnlyWhenTheScenarioHasThem) {
    Scenario s;
    s.consumption = "125|50|35|0|85";
    s.entryAnswer = "0";
    EXPECT_THAT(RepliesTo(211, s, 0), ElementsAre(Outgoing{120, "125|50|35|0|85"}));
    EXPECT_THAT(RepliesTo(214, s, 0), ElementsAre(Outgoing{121, "0"}));

    Scenario quiet;
    quiet.entryAnswer.clear();
    EXPECT_THAT(RepliesTo(211, quiet, 0), IsEmpty());
    EXPECT_THAT(RepliesTo(214, quiet, 0), IsEmpty());
    for (const int number : {207, 208, 210, 212, 213, 114, 0}) EXPECT_THAT(RepliesTo(number, s, 0), IsEmpty());
}

TEST(CafeSimReplies, OnlyWholeNowFieldsBecomeDayNumbers) {
    EXPECT_EQ(ExpandTimes("now", 45000.25), "45000.25000000");
    EXPECT_EQ(ExpandTimes("now+90", 45000.0), "45000.06250000");
    EXPECT_EQ(ExpandTimes("1,now-1440,,A12", 45000.0), "1,44999.00000000,,A12");
    EXPECT_EQ(ExpandTimes("nowhere,now+,now+1x,now*2,Now", 45000.0), "nowhere,now+,now+1x,now*2,Now");
    EXPECT_EQ(ExpandTimes("", 45000.0), "");
    EXPECT_EQ(FormatDayNumber(0.5), "0.50000000");
}

TEST(CafeSimRequests, EachVerbAndItsArgument) {
    EXPECT_EQ(ParseRequest("send 5025"), (Request{RequestKind::Message, 5025, 0, {}, {}}));
    EXPECT_EQ(ParseRequest("  send 5024  "), (Request{RequestKind::Message, 5024, 0, {}, {}}));
    // The text goes out as written, blanks inside and malformed ones too.
    EXPECT_EQ(ParseRequest("text 115:A01,big cola,25"), (Request{RequestKind::Text, 0, 0, "115:A01,big cola,25", {}}));
    EXPECT_EQ(ParseRequest("text 115"), (Request{RequestKind::Text, 0, 0, "115", {}}));
    EXPECT_EQ(ParseRequest("text"), (Request{RequestKind::Text, 0, 0, "", {}}));
    EXPECT_EQ(ParseRequest("reply 209"), (Request{RequestKind::Reply, 0, 209, {}, {}}));
    EXPECT_EQ(ParseRequest("set EntryAnswer = 0"), (Request{RequestKind::Set, 0, 0, "EntryAnswer", "0"}));
    EXPECT_EQ(ParseRequest("set EntryAnswer="), (Request{RequestKind::Set, 0, 0, "EntryAnswer", ""}));
    EXPECT_EQ(ParseRequest("register-key")->kind, RequestKind::RegisterKey);
    EXPECT_EQ(ParseRequest("remove-key")->kind, RequestKind::RemoveKey);
    EXPECT_EQ(ParseRequest("quit\t")->kind, RequestKind::Quit);
    EXPECT_EQ(ParseRequest("hang 9000"), (Request{RequestKind::Hang, 0, 9000, {}, {}}));
    EXPECT_EQ(ParseRequest("window #32770"), (Request{RequestKind::Window, 0, 0, "#32770", {}}));
    EXPECT_EQ(ParseRequest("press #32770  2"), (Request{RequestKind::Press, 0, 2, "#32770", {}}));

    EXPECT_EQ(ParseRequest(""), std::nullopt);
    EXPECT_EQ(ParseRequest("   "), std::nullopt);
    EXPECT_EQ(ParseRequest("# send 5027"), std::nullopt);
}

TEST(CafeSimRequests, MistakesAreReportedNotGuessed) {
    for (const char* line :
         {"send 5023",    "send 5028",      "send 74",         "send",       "send five", "reply 0",
          "reply -209",   "reply x",        "set EntryAnswer", "set =1",     "quit now",  "Quit",
          "sendd 5025",   "hang",           "hang 0",          "hang 60001", "window",    "window a b",
          "press #32770", "press #32770 0", "press #32770 yes"}) {
        const std::optional<Request> request = ParseRequest(line);
        ASSERT_TRUE(request) << line;
        EXPECT_EQ(request->kind, RequestKind::Invalid) << line;
        EXPECT_EQ(request->text, line);
    }
}

TEST(CafeSimRequests, TheFeedHandsOutEachCompletedLineOnce) {
    CommandFeed feed;
    EXPECT_THAT(feed.NewLines(""), IsEmpty());
    EXPECT_THAT(feed.NewLines("send 5025\r\ntext 121"), ElementsAre("send 5025"));
    // The line being written waits for its line break.
    EXPECT_THAT(feed.NewLines("send 5025\r\ntext 121"), IsEmpty());
    EXPECT_THAT(feed.NewLines("send 5025\r\ntext 121:1\n\nquit\n"), ElementsAre("text 121:1", "", "quit"));
    EXPECT_THAT(feed.NewLines("send 5025\r\ntext 121:1\n\nquit\n"), IsEmpty());
    // A new, shorter file is read from its start.
    EXPECT_THAT(feed.NewLines("send 5026\n"), ElementsAre("send 5026"));
}

TEST(CafeSimLog, StampsHaveAFixedWidthAndEventsStayOnOneLine) {
    SYSTEMTIME time{};
    time.wYear = 2026;
    time.wMonth = 3;
    time.wDay = 7;
    time.wHour = 9;
    time.wMinute = 5;
    time.wSecond = 4;
    time.wMilliseconds = 21;
    EXPECT_EQ(LogStamp(time), "2026-03-07 09:05:04.021");
    EXPECT_EQ(LogStamp(time).size() + 1, kLogStampWidth);

    EXPECT_EQ(EscapeForLog("1:a\r\nb\tc\x7F"), "1:a\\x0d\\x0ab\\x09c\\x7f");
    EXPECT_EQ(EscapeForLog("115:A01,\xE5\x8F\xAF,25"), "115:A01,\xE5\x8F\xAF,25");
}

}  // namespace
}  // namespace corvina::cafesim
