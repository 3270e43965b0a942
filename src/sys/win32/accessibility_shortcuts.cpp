#include "sys/win32/accessibility_shortcuts.h"

#include <windows.h>

namespace corvina {
namespace {

// One feature's structure and its two SystemParametersInfo actions.
template <typename Structure>
struct Feature {
    UINT get;
    UINT set;
    // Only ever passed in, never kept.
    DWORD setOptions = 0;

    std::optional<std::uint32_t> Read() const noexcept {
        Structure value{};
        value.cbSize = sizeof value;
        if (!SystemParametersInfoW(get, sizeof value, &value, 0)) return std::nullopt;
        return value.dwFlags;
    }
    void Write(std::uint32_t flags) const noexcept {
        Structure value{};
        value.cbSize = sizeof value;
        // The rest of the structure as it is (High Contrast's scheme name too).
        if (!SystemParametersInfoW(get, sizeof value, &value, 0)) return;
        if (value.dwFlags == flags) return;
        value.dwFlags = flags | setOptions;
        SystemParametersInfoW(set, sizeof value, &value, 0);
    }
};

constexpr Feature<STICKYKEYS> kSticky{SPI_GETSTICKYKEYS, SPI_SETSTICKYKEYS};
constexpr Feature<FILTERKEYS> kFilter{SPI_GETFILTERKEYS, SPI_SETFILTERKEYS};
constexpr Feature<TOGGLEKEYS> kToggle{SPI_GETTOGGLEKEYS, SPI_SETTOGGLEKEYS};
// HCF_OPTION_NOTHEMECHANGE: without it a change of the shortcut alone
// redraws every window as for a new theme.
constexpr DWORD kNoThemeChange = 0x00001000;
constexpr Feature<HIGHCONTRASTW> kHighContrast{SPI_GETHIGHCONTRAST, SPI_SETHIGHCONTRAST, kNoThemeChange};
constexpr Feature<MOUSEKEYS> kMouse{SPI_GETMOUSEKEYS, SPI_SETMOUSEKEYS};

template <typename Action>
void ForEach(const AccessibilityFlags& flags, Action action) noexcept {
    if (flags[0]) action(kSticky, *flags[0]);
    if (flags[1]) action(kFilter, *flags[1]);
    if (flags[2]) action(kToggle, *flags[2]);
    if (flags[3]) action(kHighContrast, *flags[3]);
    if (flags[4]) action(kMouse, *flags[4]);
}

}  // namespace

AccessibilityFlags ReadAccessibilityFlags() noexcept {
    return {kSticky.Read(), kFilter.Read(), kToggle.Read(), kHighContrast.Read(), kMouse.Read()};
}

void SwitchOffAccessibilityShortcuts(const AccessibilityFlags& now) noexcept {
    ForEach(now, [](const auto& feature, std::uint32_t flags) { feature.Write(WithoutShortcut(flags)); });
}

void RestoreAccessibilityFlags(const AccessibilityFlags& flags) noexcept {
    ForEach(flags, [](const auto& feature, std::uint32_t value) { feature.Write(value); });
}

}  // namespace corvina
