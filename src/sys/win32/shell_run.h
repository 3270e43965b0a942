#pragma once
// Starting a file or a web page through the machine's shell. The texts go
// over whole, however long: a cut name could start another file.

#include "sys/big5.h"
#include "sys/win32/machine.h"

namespace corvina {

// The shell's "open" of `file`; parameters and folder may be empty. The
// shell's result code, above 32 for success.
long long RunProgram(Machine& machine, const Big5& file, const Big5& parameters, const Big5& folder, int showCommand);

// RunProgram, handing back the process started, when there is one.
StartedProgram StartProgram(Machine& machine, const Big5& file, const Big5& parameters, const Big5& folder,
                            int showCommand);

// A web address in the PC's default browser, a page file in its program:
// the shell opens the address itself. True when the shell reports success.
bool OpenWebPage(Machine& machine, const Big5& address, int showCommand);

}  // namespace corvina
