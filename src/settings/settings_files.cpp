#include "settings/settings_files.h"

#include "sys/folder_rules.h"
#include "sys/profile_file.h"

namespace corvina {

namespace {

Big5 LocalSettingsPath(const Big5& programFolder) { return programFolder + Big5{kLocalSettingsFile}; }

}  // namespace

void ReadLocalSettings(const Big5& programFolder, MenuSettings& settings) {
    ReadLocalSettings(LoadProfile(LocalSettingsPath(programFolder)), settings);
    for (Big5* path : {&settings.Remote_iniPath, &settings.Remote_SavePath, &settings.Logo}) {
        *path = InProgramFolder(programFolder, *path);
    }
}

std::vector<UnreadableColor> ReadMenuSettings(const Big5& programFolder, MenuSettings& settings) {
    std::vector<UnreadableColor> unreadable =
        ReadMenuSettings(LoadProfile(programFolder + Big5{kMenuSettingsFile}), settings);
    for (PageBackground& background : settings.PageBackgrounds) {
        background.picture = InProgramFolder(programFolder, background.picture);
    }
    settings.SubItemMAP = InProgramFolder(programFolder, settings.SubItemMAP);
    return unreadable;
}

void StoreLocalVersion(const Big5& programFolder, const MenuSettings& settings) {
    const Big5 path = LocalSettingsPath(programFolder);
    ProfileText corvinaIni = LoadProfile(path);
    StoreLocalVersion(corvinaIni, settings);
    SaveProfile(path, corvinaIni);
}

}  // namespace corvina
