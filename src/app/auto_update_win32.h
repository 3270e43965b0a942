#pragma once
// The automatic update as the main window's creation runs it: the wait
// window around the copy, the running program's own file name.

#include "app/auto_update.h"

namespace corvina {

inline constexpr char8_t kUpdateWaitText[] = u8"更新檔案異動中‧‧‧";

// `copyFiles` is the shell copy of the system helpers; `report` takes the
// faults for the administrator's log.
UpdateOutcome RunAutoUpdate(const Big5& programFolder, MenuSettings& settings, const CopyFilesFunction& copyFiles,
                            std::function<void(const Big5&)> report = {});

}  // namespace corvina
