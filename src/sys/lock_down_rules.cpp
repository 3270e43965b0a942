#include "sys/lock_down_rules.h"

#include <charconv>

namespace corvina {
namespace {

constexpr std::uint32_t kEscape = 0x1B;
constexpr std::uint32_t kLeftWindows = 0x5B;
constexpr std::uint32_t kRightWindows = 0x5C;
constexpr std::uint32_t kControl = 0x11;
constexpr std::uint32_t kLeftControl = 0xA2;
constexpr std::uint32_t kRightControl = 0xA3;

// The same bits in STICKYKEYS, FILTERKEYS, TOGGLEKEYS, HIGHCONTRAST and
// MOUSEKEYS: SKF_STICKYKEYSON, SKF_HOTKEYACTIVE, SKF_CONFIRMHOTKEY and their
// namesakes.
constexpr std::uint32_t kFeatureOn = 0x1;
constexpr std::uint32_t kShortcutActive = 0x4;
constexpr std::uint32_t kConfirmShortcut = 0x8;

// The whole text as a decimal number, or nothing.
std::optional<std::uint32_t> ParseUnsigned(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

bool KioskKeyFilter::Drops(std::uint32_t virtualKey, bool down) {
    switch (virtualKey) {
        case kLeftControl:
            leftControl_ = down;
            return false;
        case kRightControl:
            rightControl_ = down;
            return false;
        case kControl:
            leftControl_ = rightControl_ = down;
            return false;
        case kLeftWindows:
        case kRightWindows:
            return true;
        case kEscape:
            return leftControl_ || rightControl_;
        default:
            return false;
    }
}

std::uint32_t WithoutShortcut(std::uint32_t flags) {
    if (flags & kFeatureOn) return flags;
    return flags & ~(kShortcutActive | kConfirmShortcut);
}

std::string AccessibilityFlagsText(const AccessibilityFlags& flags) {
    std::string text;
    for (std::size_t k = 0; k < flags.size(); ++k) {
        if (k > 0) text += ',';
        text += flags[k] ? std::to_string(*flags[k]) : "-";
    }
    return text;
}

AccessibilityFlags ParseAccessibilityFlags(std::string_view text) {
    AccessibilityFlags flags;
    std::string_view rest = text;
    for (std::size_t k = 0; k < flags.size(); ++k) {
        const std::size_t comma = rest.find(',');
        const std::string_view field = rest.substr(0, comma);
        if (field != "-") {
            flags[k] = ParseUnsigned(field);
            if (!flags[k]) return {};
        }
        if (comma == std::string_view::npos) return k + 1 == flags.size() ? flags : AccessibilityFlags{};
        rest.remove_prefix(comma + 1);
    }
    return {};
}

bool RestartPolicy::MayRestart(std::uint64_t nowMs) {
    while (!restarts_.empty() && nowMs - restarts_.front() >= kRestartWindowMs) restarts_.pop_front();
    if (restarts_.size() >= static_cast<std::size_t>(kMaxRestarts)) return false;
    restarts_.push_back(nowMs);
    return true;
}

std::vector<std::string> WatchCommandLine(const WatchArguments& arguments) {
    return {std::string(kWatchSwitch), std::to_string(arguments.menuProcessId),
            AccessibilityFlagsText(arguments.accessibility)};
}

std::optional<WatchArguments> ParseWatchArguments(const std::vector<std::string_view>& arguments) {
    if (arguments.size() < 2 || arguments[0] != kWatchSwitch) return std::nullopt;
    const std::optional<std::uint32_t> process = ParseUnsigned(arguments[1]);
    if (!process || *process == 0) return std::nullopt;
    WatchArguments parsed;
    parsed.menuProcessId = *process;
    if (arguments.size() > 2) parsed.accessibility = ParseAccessibilityFlags(arguments[2]);
    return parsed;
}

}  // namespace corvina
