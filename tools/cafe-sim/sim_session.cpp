#include "cafe-sim/sim_session.h"

#include <string>
#include <utility>

#include "cafe-sim/cafe_system_key.h"
#include "cafe/cafe_command.h"
#include "sys/cafe_protocol.h"
#include "sys/text.h"
#include "sys/win32/local_time.h"
#include "ui/guard.h"

namespace corvina::cafesim {

namespace {

std::string Hex(std::uintptr_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value & 0x0Fu]);
        value >>= 4;
    } while (value != 0);
    return "0x" + digits;
}

// The answers to session messages come through a plain callback; they
// find the one session of the process here, or nothing once it is gone.
SimSession* liveSession = nullptr;

}  // namespace

SimSession::SimSession(ProfileText scenario, SimLog& log)
    : profile_(std::move(scenario)), scenario_(ReadScenario(profile_)), log_(log), peer_(scenario_.sendTimeoutMs) {
    liveSession = this;
}

SimSession::~SimSession() {
    if (liveSession == this) liveSession = nullptr;
}

void CALLBACK SimSession::Answered(HWND, UINT message, ULONG_PTR, LRESULT result) {
    if (!liveSession) return;
    ui::Guarded(
        [&] { liveSession->log_.Write("answer msg " + std::to_string(message) + " -> " + std::to_string(result)); });
}

LRESULT SimSession::SessionMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer = 0;
    if (message == kMsgCafeAnnounce) {
        const auto menu = reinterpret_cast<HWND>(lParam);
        if (IsWindow(menu)) peer_.Learn(menu);
        answer = scenario_.announceAnswer;
    }
    log_.Write("recv msg " + std::to_string(message) + " wparam=" + std::to_string(wParam) +
               " lparam=" + Hex(static_cast<std::uintptr_t>(lParam)) + " -> " + std::to_string(answer));
    return answer;
}

LRESULT SimSession::CopyData(const COPYDATASTRUCT* block) {
    const void* const data = block ? block->lpData : nullptr;
    const std::size_t size = block ? block->cbData : 0;
    const std::string_view text = TextFromBlock(data, size);
    const std::string cb = "cb=" + std::to_string(size);
    if (text.size() > kMaxCafeCommandBytes) {
        log_.Write("recv bad " + cb + " (" + std::to_string(text.size()) + " bytes of text)");
        return TRUE;
    }
    const std::optional<CafeCommand> command = ParseCafeCommand(text);
    if (!command) {
        log_.Write("recv bad " + cb + " \"" + Utf8FromBig5(text) + "\"");
        return TRUE;
    }
    log_.Write("recv cmd " + Utf8FromBig5(text));
    if (const auto delay = scenario_.handlerDelayMs.find(command->number); delay != scenario_.handlerDelayMs.end()) {
        // Busy without reading messages, as a handler that waits on a server.
        Sleep(delay->second);
        log_.Write("info handled " + std::to_string(command->number) + " after " + std::to_string(delay->second) +
                   " ms");
    }
    if (command->number == scenario_.endAfter) EndNow();
    if (command->number == scenario_.sendOn.command) SendMessageNow(scenario_.sendOn.message);
    if (scenario_.nestedReplies) {
        AnswerNow(command->number);
    } else {
        Queue(command->number);
    }
    return TRUE;
}

void SimSession::EndNow() {
    log_.Write("info end after this command");
    // The menu's send returns as taken; then the window and the process go
    // without a word, as with a crash.
    ReplyMessage(TRUE);
    ExitProcess(kEndedAfterCommand);
}

void SimSession::AnswerNow(std::int32_t number) {
    if (!scenario_.autoAnswer) return;
    for (const Outgoing& reply : RepliesTo(number, scenario_, LocalNowDayNumber())) SendCommand(reply);
}

void SimSession::SendMessageNow(unsigned message) {
    const SendOutcome outcome = peer_.SendSessionMessageAndWait(self_, message);
    log_.Write("send msg " + std::to_string(message) + " " + DescribeOutcome(outcome) + Elapsed(outcome));
}

std::string SimSession::Elapsed(const SendOutcome& outcome) const {
    if (!scenario_.syncSend || outcome.kind == SendOutcome::Kind::NoMenu) return {};
    return " in " + std::to_string(outcome.elapsedMs) + " ms";
}

void SimSession::Queue(std::int32_t number) {
    if (!scenario_.autoAnswer) return;
    std::vector<Outgoing> replies = RepliesTo(number, scenario_, LocalNowDayNumber());
    if (replies.empty()) return;
    for (Outgoing& reply : replies) pending_.push_back(std::move(reply));
    if (self_) PostMessageW(self_, kSendPendingMessage, 0, 0);
}

void SimSession::SendPending() {
    // A send lets the menu's own sends in, which may queue more replies.
    while (!pending_.empty()) {
        const Outgoing next = std::move(pending_.front());
        pending_.pop_front();
        SendCommand(next);
    }
}

void SimSession::SendSessionMessage(unsigned message) {
    if (scenario_.syncSend) {
        SendMessageNow(message);
        return;
    }
    const SendOutcome outcome = peer_.SendSessionMessage(self_, message, &Answered);
    const std::string tail = DescribeOutcome(outcome);
    log_.Write("send msg " + std::to_string(message) + (tail.empty() ? "" : " " + tail));
}

void SimSession::SendCommand(const Outgoing& command) {
    const CafeCommandBlock block(command.number, Big5FromUtf8(command.data));
    const SendOutcome outcome = peer_.SendCommand(self_, block);
    log_.Write("send cmd " + Utf8FromBig5(block.Text()) + " " + DescribeOutcome(outcome) + Elapsed(outcome));
}

void SimSession::Perform(const Request& request) {
    switch (request.kind) {
        case RequestKind::Message:
            SendSessionMessage(request.message);
            if (request.message == scenario_.followWith.first) SendSessionMessage(scenario_.followWith.then);
            break;
        case RequestKind::Text: {
            const Big5 text = Big5FromUtf8(request.text);
            const SendOutcome outcome = peer_.SendText(self_, text);
            log_.Write("send cmd " + request.text + " " + DescribeOutcome(outcome) + Elapsed(outcome));
            break;
        }
        case RequestKind::Window: {
            const HWND shown = peer_.FindShown(WideFromBig5(request.text));
            log_.Write("info window " + request.text +
                       (shown ? " shown: " + EscapeForLog(MenuPeer::ShownText(shown)) : std::string(" none")));
            break;
        }
        case RequestKind::Press: {
            const HWND shown = peer_.FindShown(WideFromBig5(request.text));
            if (shown) PostMessageW(shown, WM_COMMAND, static_cast<WPARAM>(request.number), 0);
            log_.Write("info " + (shown ? "pressed " + std::to_string(request.number) + " in " : "window none: ") +
                       request.text);
            break;
        }
        case RequestKind::Reply:
            for (Outgoing& reply : RepliesTo(request.number, scenario_, LocalNowDayNumber())) {
                pending_.push_back(std::move(reply));
            }
            SendPending();
            break;
        case RequestKind::Set:
            profile_.WriteString(kScenarioSection, request.text, request.value);
            scenario_ = ReadScenario(profile_);
            peer_.SetTimeout(scenario_.sendTimeoutMs);
            log_.Write("info set " + request.text + "=" + request.value);
            break;
        case RequestKind::RegisterKey:
            log_.Write(CreateCafeSystemKey());
            break;
        case RequestKind::RemoveKey:
            log_.Write(RemoveCafeSystemKey());
            break;
        case RequestKind::Hang:
            log_.Write("info hang " + std::to_string(request.number));
            Sleep(static_cast<DWORD>(request.number));
            log_.Write("info awake");
            break;
        case RequestKind::Quit:
            log_.Write("info quit");
            if (OnQuit) OnQuit();
            break;
        case RequestKind::Invalid:
            log_.Write("error unknown request: " + request.text);
            break;
    }
}

}  // namespace corvina::cafesim
