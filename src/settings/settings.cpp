#include "settings/settings.h"

#include <string>

#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {

namespace {

PageBackgroundEntry ReadPageBackground(const ProfileSection& options, int page) {
    const std::string suffix = page == 0 ? std::string{} : std::to_string(page);
    PageBackgroundEntry entry;
    entry.colorText = options.ReadString("BackGroudColor" + suffix);
    entry.picture = options.ReadString("BackGroud" + suffix);
    entry.found = !entry.colorText.empty() || !entry.picture.empty();
    if (entry.colorText.empty()) entry.colorText = ColorToText(kLightOrange);
    return entry;
}

}  // namespace

PageBackgroundEntry ReadPageBackground(const ProfileText& params, int page) {
    return ReadPageBackground(params.ReadSection(kOptionsSection), page);
}

void ReadLocalSettings(const ProfileText& corvinaIni, MenuSettings& settings) {
    settings.Remote_iniPath = AddTrailingBackslash(corvinaIni.ReadString(kOptionsSection, "Remote_iniPath"));
    settings.Remote_SavePath = AddTrailingBackslash(corvinaIni.ReadString(kOptionsSection, "Remote_SavePath"));
    settings.Logo = corvinaIni.ReadString(kOptionsSection, "Logo");
    // Stored as a 16-bit version number: larger or negative values wrap.
    settings.Remote_Update = static_cast<std::uint16_t>(corvinaIni.ReadInteger(kOptionsSection, "Remote_Update", 0));
    settings.Remote_AutoUpdate = corvinaIni.ReadBool(kOptionsSection, "Remote_AutoUpdate", false);
}

std::vector<UnreadableColor> ReadMenuSettings(const ProfileText& params, MenuSettings& settings) {
    std::vector<UnreadableColor> unreadable;
    settings.PageBackgrounds.clear();
    // Looked up once: a list of N pages costs N look-ups, not N passes.
    const ProfileSection options = params.ReadSection(kOptionsSection);
    for (int page = 0;; ++page) {
        PageBackgroundEntry entry = ReadPageBackground(options, page);
        if (!entry.found) break;
        PageBackground background;
        background.picture = std::move(entry.picture);
        if (auto color = ColorFromText(entry.colorText)) {
            background.color = *color;
        } else {
            unreadable.push_back(
                {"BackGroudColor" + (page == 0 ? std::string{} : std::to_string(page)), std::move(entry.colorText)});
        }
        settings.PageBackgrounds.push_back(std::move(background));
    }

    settings.HomePage = Big5{TrimControlAndBlanks(params.ReadString(kOptionsSection, "HomePage"))};
    settings.SubItemMAP = params.ReadString(kOptionsSection, "SubItemMAP");
    settings.HideDeskTop = params.ReadBool(kOptionsSection, "HideDeskTop", false);
    settings.HideTaskBar = params.ReadBool(kOptionsSection, "HideTaskBar", false);
    settings.MustSelectMenu = params.ReadBool(kOptionsSection, "MustSelectMenu", false);
    settings.FrameSmallSize = params.ReadBool(kOptionsSection, "FrameSmallSize", false);
    settings.CanQuit = params.ReadBool(kOptionsSection, "CanQuit", true);
    settings.StatsFolder = Big5{TrimControlAndBlanks(params.ReadString(kOptionsSection, "StatsFolder"))};
    settings.Support = true;
    settings.AutoIntoMenu = true;
    return unreadable;
}

Big5 UnreadableColorMessage(const std::vector<UnreadableColor>& colors) {
    Big5 message = T(u8"Params.ini 中下列頁面顏色無法辨識，這些頁面改用預設的淺橘色：");
    for (const UnreadableColor& color : colors) {
        message += "\r\n" + color.key + "=" + color.text;
    }
    return message;
}

void StoreLocalVersion(ProfileText& corvinaIni, const MenuSettings& settings) {
    corvinaIni.WriteInteger(kOptionsSection, "Remote_Update", settings.Remote_Update);
}

}  // namespace corvina
