#pragma once
// The portable rules of the lock-down: which keys the keyboard hook drops,
// how the accessibility shortcuts are switched off, and when the watch
// restarts the menu.

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvina {

// Decides from each key alone, in the order the keyboard sends them.
// Drops the Windows keys (so Win+R, Win+E and the rest never form), and
// Esc while Ctrl is down (Ctrl+Esc, Ctrl+Shift+Esc). Alt+Tab passes.
class KioskKeyFilter {
public:
    // `virtualKey` as the low-level hook reports it (VK_LCONTROL, not
    // VK_CONTROL); true when the key must not arrive.
    bool Drops(std::uint32_t virtualKey, bool down);

private:
    bool leftControl_ = false;
    bool rightControl_ = false;
};

// The flags of Sticky Keys, Filter Keys, Toggle Keys, High Contrast and
// Mouse Keys, in that order; nothing for one that could not be read.
using AccessibilityFlags = std::array<std::optional<std::uint32_t>, 5>;

// The flags with the feature's shortcut and its confirmation off. A
// feature that is on keeps them: its shortcut is how its user turns it off.
std::uint32_t WithoutShortcut(std::uint32_t flags);

// "s,f,t,h,m" in decimal, "-" for an unread one; anything else reads as
// all unread.
std::string AccessibilityFlagsText(const AccessibilityFlags& flags);
AccessibilityFlags ParseAccessibilityFlags(std::string_view text);

// The watch restarts a menu that ended without a proper exit, up to
// kMaxRestarts times within kRestartWindowMs; the end after that gives up.
inline constexpr int kMaxRestarts = 3;
inline constexpr std::uint64_t kRestartWindowMs = 60'000;
// A menu whose window has not answered for this long hangs.
inline constexpr std::uint64_t kHangMs = 60'000;

class RestartPolicy {
public:
    // The menu ended without a proper exit at `nowMs` (a steady clock):
    // true to restart it, false to give up.
    bool MayRestart(std::uint64_t nowMs);

private:
    std::deque<std::uint64_t> restarts_;
};

// The watch's command line after the program's name.
struct WatchArguments {
    std::uint32_t menuProcessId = 0;
    AccessibilityFlags accessibility;
};
inline constexpr std::string_view kWatchSwitch = "/watch";
std::vector<std::string> WatchCommandLine(const WatchArguments& arguments);
// Nothing unless the first argument is the switch and a process id follows.
std::optional<WatchArguments> ParseWatchArguments(const std::vector<std::string_view>& arguments);

}  // namespace corvina
