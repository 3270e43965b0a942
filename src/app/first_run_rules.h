#pragma once
// What the first-run wizard shows and writes, on profile contents.

#include <string_view>
#include <vector>

#include "sys/big5.h"
#include "sys/profile.h"

namespace corvina {

// The four values of the paths-and-choices sheet that go to Corvina2.ini.
struct WizardValues {
    Big5 iniPath;   // Remote_iniPath
    Big5 savePath;  // Remote_SavePath
    Big5 logo;      // Logo
    bool autoUpdate = false;
    friend bool operator==(const WizardValues&, const WizardValues&) = default;
};

// As stored: the folders get no backslash here.
WizardValues ReadWizardValues(const ProfileText& corvinaIni);

// Writes the values and Remote_Update 0, so that the next start copies the
// remote files whenever the remote version is not 0; keeps every other line.
void WriteWizardSettings(ProfileText& corvinaIni, const WizardValues& values);

// The autostart command of the program: its path, in double quotes when it
// holds a blank, so that Windows cannot take a shorter path for the program
// ("c:\program files\..." must not run "c:\program").
Big5 WizardAutoStartCommand(std::string_view programFolder, std::string_view baseName);

// The welcome sheet's eleven lines.
std::vector<Big5> FirstRunMemoLines();

}  // namespace corvina
