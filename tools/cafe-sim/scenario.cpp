#include "cafe-sim/scenario.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "sys/cafe_protocol.h"
#include "sys/numbers.h"
#include "sys/strings.h"

namespace corvina::cafesim {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Text(const ProfileText& profile, std::string_view key, std::string_view fallback) {
    return profile.ReadString(kScenarioSection, key, fallback);
}

bool IsSessionMessage(std::int32_t message) {
    return message >= static_cast<std::int32_t>(kMsgCafeAnnounce) &&
           message <= static_cast<std::int32_t>(kMsgCafeCloseMenu);
}

// "number:ms" pairs split by ","; malformed pairs are skipped.
std::map<std::int32_t, unsigned> ReadHandlerDelays(std::string_view text) {
    std::map<std::int32_t, unsigned> delays;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const SplitResult pair = SplitAtSeparator(text.substr(0, comma), ':');
        const std::int32_t command = ParseIntegerOr(pair.head, 0);
        const std::int32_t ms = ParseIntegerOr(pair.tail, 0);
        if (command > 0 && ms > 0) delays[command] = static_cast<unsigned>(std::min(ms, kMaxHandlerDelayMs));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return delays;
}

Scenario::FollowWith ReadFollowWith(std::string_view text) {
    const SplitResult split = SplitAtSeparator(text, ':');
    const std::int32_t first = ParseIntegerOr(split.head, 0);
    const std::int32_t then = ParseIntegerOr(split.tail, 0);
    if (!IsSessionMessage(first) || !IsSessionMessage(then)) return {};
    return {static_cast<unsigned>(first), static_cast<unsigned>(then)};
}

Scenario::SendOn ReadSendOn(std::string_view text) {
    const SplitResult split = SplitAtSeparator(text, ':');
    const std::int32_t command = ParseIntegerOr(split.head, 0);
    const std::int32_t message = ParseIntegerOr(split.tail, 0);
    if (command <= 0 || !IsSessionMessage(message)) return {};
    return {command, static_cast<unsigned>(message)};
}

}  // namespace

ProfileText ScenarioProfile(std::string contents) {
    if (contents.starts_with(kByteOrderMark)) contents.erase(0, kByteOrderMark.size());
    return ProfileText(std::move(contents));
}

Scenario ReadScenario(const ProfileText& profile) {
    Scenario scenario;
    scenario.announceAnswer = profile.ReadInteger(kScenarioSection, "AnnounceAnswer", scenario.announceAnswer);
    scenario.autoAnswer = profile.ReadBool(kScenarioSection, "AutoAnswer", scenario.autoAnswer);
    for (const Big5& key : profile.KeyNames(kGoodsSection)) {
        if (const std::optional<Big5> item = profile.Find(kGoodsSection, key)) scenario.goods.push_back(*item);
    }
    scenario.sessionData = Text(profile, "SessionData", {});
    scenario.serverTime = Text(profile, "ServerTime", {});
    scenario.consumption = Text(profile, "Consumption", {});
    scenario.entryAnswer = Text(profile, "EntryAnswer", scenario.entryAnswer);
    scenario.registerKey = profile.ReadBool(kScenarioSection, "RegisterKey", scenario.registerKey);
    scenario.log = Text(profile, "Log", {});
    const std::int32_t timeout =
        profile.ReadInteger(kScenarioSection, "SendTimeout", static_cast<std::int32_t>(scenario.sendTimeoutMs));
    scenario.sendTimeoutMs = static_cast<unsigned>(std::max(timeout, 1));
    scenario.nestedReplies = profile.ReadBool(kScenarioSection, "NestedReplies", scenario.nestedReplies);
    scenario.syncSend = profile.ReadBool(kScenarioSection, "SyncSend", scenario.syncSend);
    scenario.endAfter = profile.ReadInteger(kScenarioSection, "EndAfter", scenario.endAfter);
    scenario.sendOn = ReadSendOn(Text(profile, "SendOn", {}));
    scenario.handlerDelayMs = ReadHandlerDelays(Text(profile, "HandlerDelay", {}));
    scenario.followWith = ReadFollowWith(Text(profile, "FollowWith", {}));
    scenario.title = Text(profile, "Title", scenario.title);
    scenario.left = profile.ReadInteger(kScenarioSection, "Left", scenario.left);
    scenario.top = profile.ReadInteger(kScenarioSection, "Top", scenario.top);
    scenario.stayOnTop = profile.ReadBool(kScenarioSection, "StayOnTop", scenario.stayOnTop);
    return scenario;
}

}  // namespace corvina::cafesim
