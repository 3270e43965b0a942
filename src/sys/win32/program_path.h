#pragma once
// The running executable's own path and name.

#include "sys/big5.h"

namespace corvina {

// The whole path, however long.
Big5 ExecutablePath();

// `ProgramBaseName`: the executable's file name without its extension.
Big5 ProgramBaseName();

}  // namespace corvina
