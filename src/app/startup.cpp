#include "app/startup.h"

#include <stdexcept>

#include "sys/strings.h"

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
