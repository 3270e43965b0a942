#include "sys/win32/shell_run.h"

#include "sys/shell_rules.h"

namespace corvina {

long long RunProgram(Machine& machine, const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) {
    return machine.RunProgram(file, parameters, folder, showCommand);
}

StartedProgram StartProgram(Machine& machine, const Big5& file, const Big5& parameters, const Big5& folder,
                            int showCommand) {
    return machine.StartProgram(file, parameters, folder, showCommand);
}

bool OpenWebPage(Machine& machine, const Big5& address, int showCommand) {
    return !address.empty() && ShellRunSucceeded(machine.OpenWebPage(address, showCommand));
}

}  // namespace corvina
