// Corvina2.ini, Params.ini and a share's Update.ini come from editors and
// other PCs as any bytes. The same input is read as each of the three:
// reading must never fault, folders read as usable prefixes, every page
// background gets a colour, and what the program writes back into a file
// (the wizard's values, the update version) must read back as written
// while the file's other values stay as they were.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/auto_update.h"
#include "app/first_run_rules.h"
#include "fuzz_support.h"
#include "menu/screen_rules.h"
#include "settings/settings.h"
#include "sys/big5.h"
#include "sys/profile.h"
#include "sys/strings.h"

namespace {

using namespace corvina;
using fuzz::Check;

bool HoldsLineBreak(const Big5& value) { return value.find_first_of("\r\n") != Big5::npos; }

// Written values are not quoted, as the system's own profile writing does
// not quote them: blanks at either end and a pair of enclosing quotes go.
Big5 AsReadBack(std::string_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return Big5(value);
}

WizardValues AsReadBack(const WizardValues& values) {
    return {AsReadBack(values.iniPath), AsReadBack(values.savePath), AsReadBack(values.logo), values.autoUpdate};
}

// Blank (control characters count as blanks) or ending in a real backslash.
bool UsablePrefix(const Big5& folder) {
    return TrimControlAndBlanks(folder).empty() || LastBackslashEnd(folder) == folder.size();
}

void CheckLocalSettings(const std::string& contents) {
    const ProfileText corvinaIni(contents);
    MenuSettings settings;
    ReadLocalSettings(corvinaIni, settings);
    Check(UsablePrefix(settings.Remote_iniPath));
    Check(UsablePrefix(settings.Remote_SavePath));

    // The wizard writes its four values and a version of 0, nothing else. A
    // value holding a stray CR cannot be written as one line: the write
    // refuses it (the wizard reports that and stays on its sheet).
    ProfileText written(contents);
    const WizardValues values = ReadWizardValues(corvinaIni);
    MenuSettings again;
    try {
        WriteWizardSettings(written, values);
        Check(ReadWizardValues(written) == AsReadBack(values));
        ReadLocalSettings(written, again);
        Check(again.Remote_Update == 0);
        Check(again.Remote_iniPath == AddTrailingBackslash(AsReadBack(values.iniPath)));
        Check(again.Logo == AsReadBack(values.logo));
    } catch (const std::invalid_argument&) {
        Check(HoldsLineBreak(values.iniPath) || HoldsLineBreak(values.savePath) || HoldsLineBreak(values.logo));
    }

    // A stored version reads back; the folders stay.
    settings.Remote_Update = static_cast<std::uint16_t>(contents.size() * 7919u);
    ProfileText stored(contents);
    StoreLocalVersion(stored, settings);
    ReadLocalSettings(stored, again);
    Check(again.Remote_Update == settings.Remote_Update);
    Check(again.Remote_iniPath == settings.Remote_iniPath && again.Remote_SavePath == settings.Remote_SavePath);
    Check(again.Remote_AutoUpdate == settings.Remote_AutoUpdate);
}

void CheckMenuSettings(const std::string& contents) {
    const ProfileText params(contents);
    MenuSettings settings;
    const std::vector<UnreadableColor> unreadable = ReadMenuSettings(params, settings);
    Check(unreadable.size() <= settings.PageBackgrounds.size());
    for (std::size_t page = 0; page < settings.PageBackgrounds.size(); ++page) {
        Check(ReadPageBackground(params, static_cast<int>(page)).found);
    }
    Check(!ReadPageBackground(params, static_cast<int>(settings.PageBackgrounds.size())).found);
    Check(settings.Support && settings.AutoIntoMenu);
    Check(settings.HomePage == TrimControlAndBlanks(settings.HomePage));
    if (!unreadable.empty()) Check(!UnreadableColorMessage(unreadable).empty());
    const DesktopLockDown lockDown = LockDownFor(settings);
    Check(lockDown.hideTaskbar == settings.HideTaskBar && lockDown.showTaskbarAtEnd);
    // Reading twice gives the same record: nothing of the last read stays.
    MenuSettings twice = settings;
    ReadMenuSettings(params, twice);
    Check(twice.PageBackgrounds.size() == settings.PageBackgrounds.size());
}

void CheckUpdateManifest(const std::string& contents) {
    const ProfileText manifest(contents);
    const std::int32_t remote = manifest.ReadInteger(kOptionsSection, "Remote_Update", 0);
    MenuSettings settings;
    settings.Remote_Update = static_cast<std::uint16_t>(remote);
    ProfileText local;
    StoreLocalVersion(local, settings);
    MenuSettings read;
    ReadLocalSettings(local, read);
    // Compared and stored by the low 16 bits, so an equal version copies nothing.
    Check(read.Remote_Update == VersionNumber(remote));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    CheckLocalSettings(contents);
    CheckMenuSettings(contents);
    CheckUpdateManifest(contents);
    return 0;
}
