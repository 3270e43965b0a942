// live-counts.exe: asks the running menu (found through its single-instance
// marker) for the window framework's live windows and GDI objects, and
// prints "windows=N gdi=N". Exit code 1 when no menu answers.

#include <windows.h>

#include <cstdio>
#include <optional>

#include "app/instance.h"
#include "ui/application.h"

namespace {

constexpr UINT kAnswerTimeoutMs = 10000;

std::optional<long> Ask(HWND application, corvina::ui::Application::LiveCount what) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(application, corvina::ui::Application::LiveCountsMessage(), static_cast<WPARAM>(what), 0,
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer)) {
        return std::nullopt;
    }
    return static_cast<long>(answer);
}

}  // namespace

int main() {
    using corvina::ui::Application;
    const corvina::InstanceClaim claim = corvina::ClaimInstanceName("Corvina2", nullptr);
    if (claim.first || !claim.running || !IsWindow(*claim.running)) {
        std::puts("no menu runs");
        return 1;
    }
    const std::optional<long> windows = Ask(*claim.running, Application::LiveCount::Windows);
    const std::optional<long> gdi = Ask(*claim.running, Application::LiveCount::GdiObjects);
    if (!windows || !gdi) {
        std::puts("the menu does not answer");
        return 1;
    }
    std::printf("windows=%ld gdi=%ld\n", *windows, *gdi);
    return 0;
}
