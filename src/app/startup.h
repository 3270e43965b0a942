#pragma once
// The parts of start-up that are plain rules: the first-run switch, the
// program's folder, and the guarded run of the main window's creation steps.

#include <exception>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

// "START" in any letter case as the first argument; later arguments never count.
bool HasFirstRunSwitch(std::span<const std::string_view> arguments);

// "START SETUPONLY" (any letter case): the installer's run, which may carry
// the installer's elevated rights, ends after the wizard instead of going
// on into a menu with those rights.
inline constexpr std::string_view kSetupOnlySwitch = "SETUPONLY";
bool HasSetupOnlySwitch(std::span<const std::string_view> arguments);

// The folder part of the executable's path, ending in a backslash.
Big5 ProgramFolderOf(std::string_view executablePath);

// Told by `START` when a menu already runs: the set-up writes what that
// menu has read, and closing it is the administrator's call, not ours (it
// may be in a customer's session, in the middle of an order).
Big5 CloseTheMenuFirstMessage();

struct CreationStep {
    std::string_view name;
    std::function<void()> run;
};

using ErrorReport = std::function<void(const std::exception&)>;

// Runs the steps in order. The first step that throws is reported and the
// steps after it are skipped; `finally` runs in every case (it closes the
// loading window). Returns the names of the steps that completed.
std::vector<std::string_view> RunCreationSteps(std::span<const CreationStep> steps,
                                               const std::function<void()>& finally, const ErrorReport& report);

}  // namespace corvina
