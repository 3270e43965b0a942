#include "app/startup.h"

#include <stdexcept>

#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {

bool HasFirstRunSwitch(std::span<const std::string_view> arguments) {
    return !arguments.empty() && EqualsIgnoreAsciiCase(arguments.front(), "START");
}

bool HasSetupOnlySwitch(std::span<const std::string_view> arguments) {
    return HasFirstRunSwitch(arguments) && arguments.size() >= 2 &&
           EqualsIgnoreAsciiCase(arguments[1], kSetupOnlySwitch);
}

Big5 ProgramFolderOf(std::string_view executablePath) {
    return AddTrailingBackslash(executablePath.substr(0, LastBackslashEnd(executablePath)));
}

Big5 CloseTheMenuFirstMessage() {
    return T(u8"選單正在執行中，無法執行第一次安裝設定。\r\n請先關閉執行中的選單，再執行 Corvina2.exe START。");
}

std::vector<std::string_view> RunCreationSteps(std::span<const CreationStep> steps,
                                               const std::function<void()>& finally, const ErrorReport& report) {
    std::vector<std::string_view> completed;
    try {
        for (const CreationStep& step : steps) {
            step.run();
            completed.push_back(step.name);
        }
    } catch (const std::exception& error) {
        report(error);
    } catch (...) {
        report(std::runtime_error("unknown error"));
    } finally();
    return completed;
}

}  // namespace corvina
