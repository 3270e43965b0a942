#include "app/auto_update_win32.h"

#include <utility>

#include "sys/strings.h"
#include "sys/text.h"
#include "sys/win32/program_path.h"
#include "widgets/wait_window.h"

namespace corvina {

UpdateOutcome RunAutoUpdate(const Big5& programFolder, MenuSettings& settings, const CopyFilesFunction& copyFiles,
                            std::function<void(const Big5&)> report) {
    const Big5 path = ExecutablePath();
    const Big5 fileName = path.substr(LastBackslashEnd(path));
    UpdateHooks hooks;
    hooks.copyFiles = copyFiles;
    hooks.showWait = [] { ShowWaitWindow(T(kUpdateWaitText), kWaitWindowGround, kWaitWindowText); };
    hooks.closeWait = [] { CloseWaitWindow(); };
    hooks.report = std::move(report);
    return AutoUpdate(programFolder, fileName, settings, hooks);
}

}  // namespace corvina
