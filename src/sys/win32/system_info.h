#pragma once
// Small facts about this program and the screen.

#include "sys/big5.h"

namespace corvina {

// The executable's full path.
Big5 ProgramPath();
// Its file name without folder, cut before its last ".".
Big5 ProgramBaseName();
// Bits per pixel of the screen's device context (8 for 256 colours).
int ScreenColorBits();

}  // namespace corvina
