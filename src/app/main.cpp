// Start-up and shutdown: one instance, the main window, the loop, and the
// marker, desktop and taskbar given back however the run ends.

#include <windows.h>

#include <exception>
#include <optional>
#include <string_view>
#include <vector>

#include "app/first_run.h"
#include "app/instance.h"
#include "app/main_window.h"
#include "app/menu_watch.h"
#include "app/startup.h"
#include "settings/settings.h"
#include "sys/text.h"
#include "sys/win32/com_apartment.h"
#include "sys/win32/crash_guard.h"
#include "sys/win32/machine.h"
#include "sys/win32/program_path.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace corvina {
namespace {

// Whatever ends the run after a successful claim, the marker goes first.
struct InstanceRelease {
    InstanceRelease() = default;
    InstanceRelease(const InstanceRelease&) = delete;
    InstanceRelease& operator=(const InstanceRelease&) = delete;
    ~InstanceRelease() { ReleaseInstance(); }
};

int Run() {
    const std::vector<Big5> arguments = CommandLineArguments();
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    const StartupOptions options{ProgramFolderOf(ExecutablePath()), HasFirstRunSwitch(views),
                                 HasSetupOnlySwitch(views)};
    if (const std::optional<WatchArguments> watch = ParseWatchArguments(views)) {
        return RunMenuWatch(*watch, options.programFolder);
    }
    // Declared in the order they are needed, so that each outlives what
    // uses it: the main window's destruction gives the desktop window and
    // the taskbar back through `machine` and reads `settings`, and COM is
    // left only once the last window is gone.
    WindowsMachine machine;
    const CrashGuard crashGuard(options.programFolder, machine);
    const win32::ComApartment com;
    MenuSettings settings;
    ui::Application application(T(u8"Corvina2"));
    if (options.setupOnly) {
        RunFirstRunWizard(options.programFolder);
        return 0;
    }
    SetInstanceWindow(application.Handle());
    // The set-up is not run beside a running menu, nor is that menu brought
    // over the message.
    if (!ClaimInstance("Corvina2", !options.firstRun)) {
        if (options.firstRun) ui::ShowWarning(CloseTheMenuFirstMessage());
        return 0;
    }
    {
        const InstanceRelease release;
        try {
            application.CreateForm<TfSmenu>(machine, settings, options);
            application.Run();
        } catch (const std::exception& error) {
            application.HandleException(error);
        }
    }
    application.ProcessMessages();
    ShowWindow(application.Handle(), SW_HIDE);
    return 0;
}

}  // namespace
}  // namespace corvina

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return corvina::Run();
    } catch (...) {
        // Nothing is left to report with: the application is gone.
        return 1;
    }
}
