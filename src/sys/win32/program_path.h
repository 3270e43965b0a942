#pragma once
// The running executable's own path and name, and its command line.

#include <vector>

#include "sys/big5.h"

namespace corvina {

// The whole path, however long.
Big5 ExecutablePath();

// `ProgramBaseName`: the executable's file name without its extension.
Big5 ProgramBaseName();

// The words of a command line after the program's own, split by the
// system's rules (quotes group, backslashes before a quote escape it).
std::vector<Big5> ArgumentsAfterProgram(const wchar_t* commandLine);
// The same for this process's command line.
std::vector<Big5> CommandLineArguments();

}  // namespace corvina
