#pragma once
// Fixed values and small rules of the shell and registry helpers: the
// autostart lists, the shell copy flags, the shell's success codes and the
// quoted program of a file type's open command.

#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

inline constexpr std::string_view kAutoStartValueName = "Corvina2";

// Keys under the local-machine root: list 0 is "Run", 1 "RunServices",
// 2 both in that order; any other number none.
std::vector<Big5> AutoStartKeys(int which);

// The data written for an autostart value: the command line in small
// letters, the letters of double-byte characters untouched.
Big5 AutoStartData(std::string_view commandLine);

// The first-run wizard's command line: folder + base name + ".exe".
Big5 AutoStartCommandLine(std::string_view programFolder, std::string_view baseName);

// FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_SILENT | FOF_NOERRORUI,
// and FOF_FILESONLY without `createFolders`.
unsigned ShellCopyFlags(bool createFolders);

// ShellExecute's result codes above 32 mean success.
constexpr bool ShellRunSucceeded(long long resultCode) { return resultCode > 32; }

// The program path of an open command: between its first two double
// quotes, or the whole command without two of them.
Big5 QuotedProgramPath(std::string_view openCommand);

// `ChangeScreenMode`'s notice when the change needs a restart.
Big5 RestartNeededMessage();
// Its error when the display refuses the mode.
Big5 ScreenModeRefusedMessage();
// Its notice when the colour depth is refused and only the size changes.
Big5 ColorModeUnavailableMessage();

}  // namespace corvina
