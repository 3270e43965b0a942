#include "sys/shell_rules.h"

#include "sys/text.h"

namespace corvina {

namespace {
constexpr std::string_view kAutoStartRoot = "Software\\Microsoft\\Windows\\CurrentVersion\\";
constexpr unsigned kNoConfirmation = 0x10;
constexpr unsigned kFilesOnly = 0x80;
constexpr unsigned kNoConfirmMkdir = 0x200;
constexpr unsigned kSilent = 0x4;
constexpr unsigned kNoErrorInterface = 0x400;
}  // namespace

std::vector<Big5> AutoStartKeys(int which) {
    const Big5 run = Big5{kAutoStartRoot} + "Run";
    const Big5 services = Big5{kAutoStartRoot} + "RunServices";
    switch (which) {
        case 0:
            return {run};
        case 1:
            return {services};
        case 2:
            return {run, services};
        default:
            return {};
    }
}

Big5 AutoStartData(std::string_view commandLine) {
    Big5 data{commandLine};
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (IsBig5LeadByte(static_cast<unsigned char>(data[i]))) {
            ++i;  // its trail byte may look like a capital letter
        } else if (data[i] >= 'A' && data[i] <= 'Z') {
            data[i] = static_cast<char>(data[i] - 'A' + 'a');
        }
    }
    return data;
}

Big5 AutoStartCommandLine(std::string_view programFolder, std::string_view baseName) {
    return Big5{programFolder} + Big5{baseName} + ".exe";
}

unsigned ShellCopyFlags(bool createFolders) {
    // Nothing of the shell's own on the customer's screen, where the topmost
    // loading window could hide a question and the start would wait forever:
    // the program reports a failed copy itself.
    const unsigned quiet = kNoConfirmation | kNoConfirmMkdir | kSilent | kNoErrorInterface;
    return createFolders ? quiet : quiet | kFilesOnly;
}

Big5 QuotedProgramPath(std::string_view openCommand) {
    const std::size_t first = openCommand.find('"');
    const std::size_t second = first == std::string_view::npos ? first : openCommand.find('"', first + 1);
    if (second == std::string_view::npos) return Big5{openCommand};
    return Big5{openCommand.substr(first + 1, second - first - 1)};
}

Big5 RestartNeededMessage() { return T(u8"需要重新啟動電腦，方始生效！"); }

Big5 ScreenModeRefusedMessage() { return T(u8"此螢幕不支援所選的顯示模式，設定未變更！"); }

Big5 ColorModeUnavailableMessage() { return T(u8"此電腦的 Windows 不提供所選的色彩模式，色彩維持不變。"); }

}  // namespace corvina
