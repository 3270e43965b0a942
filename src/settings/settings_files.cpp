#include "settings/settings_files.h"

#include "sys/profile_file.h"

namespace corvina {

namespace {

Big5 LocalSettingsPath(const Big5& programFolder) { return programFolder + Big5{kLocalSettingsFile}; }

}  // namespace

void ReadLocalSettings(const Big5& programFolder, MenuSettings& settings) {
    ReadLocalSettings(LoadProfile(LocalSettingsPath(programFolder)), settings);
}

std::vector<UnreadableColor> ReadMenuSettings(const Big5& programFolder, MenuSettings& settings) {
    return ReadMenuSettings(LoadProfile(programFolder + Big5{kMenuSettingsFile}), settings);
}

void StoreLocalVersion(const Big5& programFolder, const MenuSettings& settings) {
    const Big5 path = LocalSettingsPath(programFolder);
    ProfileText corvinaIni = LoadProfile(path);
    StoreLocalVersion(corvinaIni, settings);
    SaveProfile(path, corvinaIni);
}

}  // namespace corvina
