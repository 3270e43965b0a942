#pragma once
// The café client's side of the link: answers the menu's messages and
// commands as the scenario says, performs the requests of tests and of the
// window's buttons, and logs all of it.

#include <windows.h>

#include <deque>
#include <functional>

#include "cafe-sim/menu_peer.h"
#include "cafe-sim/replies.h"
#include "cafe-sim/requests.h"
#include "cafe-sim/scenario.h"
#include "cafe-sim/sim_log.h"
#include "sys/profile.h"

namespace corvina::cafesim {

// Posted to our own window: the queued replies go out once the menu's
// send that asked for them has returned.
inline constexpr UINT kSendPendingMessage = WM_APP + 1;

// The exit code of a simulator that ended after a command (EndAfter).
inline constexpr UINT kEndedAfterCommand = 3;

class SimSession {
public:
    SimSession(ProfileText scenario, SimLog& log);

    // The window that speaks for us; nothing is sent before.
    void Attach(HWND self) { self_ = self; }
    const Scenario& Settings() const { return scenario_; }

    // 5024 to 5027 from the menu; returns the message's result.
    LRESULT SessionMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COPYDATA; returns TRUE, as a receiver that took the block.
    LRESULT CopyData(const COPYDATASTRUCT* block);
    void SendPending();
    void Perform(const Request& request);

    std::function<void()> OnQuit;

    ~SimSession();
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

private:
    static void CALLBACK Answered(HWND menu, UINT message, ULONG_PTR, LRESULT result);

    void Queue(std::int32_t number);
    // Inside the handler of the command being received.
    void AnswerNow(std::int32_t number);
    void SendMessageNow(unsigned message);
    // Handed over, or waiting for the answer when the scenario says SyncSend.
    void SendSessionMessage(unsigned message);
    [[noreturn]] void EndNow();
    void SendCommand(const Outgoing& command);
    // " in N ms" for the log line of a send, when the scenario asks.
    std::string Elapsed(const SendOutcome& outcome) const;

    ProfileText profile_;
    Scenario scenario_;
    SimLog& log_;
    MenuPeer peer_;
    HWND self_ = nullptr;
    std::deque<Outgoing> pending_;
};

}  // namespace corvina::cafesim
