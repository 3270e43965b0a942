// cafe-sim.exe [scenario.ini] [log-file]: the café client for the demo and
// the end-to-end tests. The log path comes from the command line, else the
// scenario's Log key, else the scenario's path plus ".log"; requests are
// read from the log path plus ".in".

#include <windows.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "cafe-sim/cafe_system_key.h"
#include "cafe-sim/scenario.h"
#include "cafe-sim/sim_log.h"
#include "cafe-sim/sim_window.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/program_path.h"
#include "ui/application.h"

namespace corvina::cafesim {
namespace {

constexpr int kBadScenario = 2;

// No message box: nobody may be there to close it.
void ReportToConsole(const std::string& text) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
    const std::string line = "cafe-sim: " + text + "\n";
    DWORD written = 0;
    WriteFile(output, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

Big5 LogPath(const std::vector<Big5>& arguments, const Scenario& scenario) {
    if (arguments.size() > 1) return arguments[1];
    if (!scenario.log.empty()) return Big5FromUtf8(scenario.log);
    if (!arguments.empty()) return arguments[0] + ".log";
    return "cafe-sim.log";
}

int Run() {
    const std::vector<Big5> arguments = CommandLineArguments();
    std::string contents;
    if (!arguments.empty()) {
        const std::optional<std::string> read = ReadFileBytes(arguments[0]);
        if (!read) {
            ReportToConsole("cannot read the scenario " + Utf8FromBig5(arguments[0]));
            return kBadScenario;
        }
        contents = *read;
    }
    ProfileText profile = ScenarioProfile(std::move(contents));
    const Scenario scenario = ReadScenario(profile);

    SimLog log(LogPath(arguments, scenario));
    const Big5 commandPath = log.Path() + ".in";
    // Requests of an earlier run must not be performed again.
    if (FileExists(commandPath) && !DeleteFileAt(commandPath)) {
        log.Write("error cannot delete the requests of an earlier run " + Utf8FromBig5(commandPath));
    }

    ui::Application application(Big5("cafe-sim"));
    application.OnException = [&log](const std::exception& error) { log.Write("error " + Utf8FromBig5(error.what())); };
    SimWindow& window = application.CreateForm<SimWindow>(std::move(profile), log, commandPath);
    log.Write("info start window=" + std::to_string(reinterpret_cast<std::uintptr_t>(window.Handle())) +
              " scenario=" + (arguments.empty() ? std::string("(none)") : Utf8FromBig5(arguments[0])) +
              " requests=" + Utf8FromBig5(commandPath));
    if (scenario.registerKey) log.Write(CreateCafeSystemKey());
    application.Run();
    log.Write("info end");
    return 0;
}

}  // namespace
}  // namespace corvina::cafesim

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return corvina::cafesim::Run();
    } catch (const std::exception& error) {
        corvina::cafesim::ReportToConsole(corvina::Utf8FromBig5(error.what()));
        return 1;
    }
}
