#include "app/first_run_rules.h"

#include "sys/shell_rules.h"
#include "sys/text.h"

namespace corvina {

WizardValues ReadWizardValues(const ProfileText& corvinaIni) {
    WizardValues values;
    values.iniPath = corvinaIni.ReadString(kOptionsSection, "Remote_iniPath");
    values.savePath = corvinaIni.ReadString(kOptionsSection, "Remote_SavePath");
    values.logo = corvinaIni.ReadString(kOptionsSection, "Logo");
    values.autoUpdate = corvinaIni.ReadBool(kOptionsSection, "Remote_AutoUpdate", false);
    return values;
}

void WriteWizardSettings(ProfileText& corvinaIni, const WizardValues& values) {
    corvinaIni.WriteString(kOptionsSection, "Remote_iniPath", values.iniPath);
    corvinaIni.WriteString(kOptionsSection, "Remote_SavePath", values.savePath);
    corvinaIni.WriteString(kOptionsSection, "Logo", values.logo);
    corvinaIni.WriteBool(kOptionsSection, "Remote_AutoUpdate", values.autoUpdate);
    corvinaIni.WriteInteger(kOptionsSection, "Remote_Update", 0);
}

Big5 WizardAutoStartCommand(std::string_view programFolder, std::string_view baseName) {
    const Big5 path = AutoStartCommandLine(programFolder, baseName);
    if (path.find(' ') == Big5::npos) return path;
    Big5 quoted = "\"";
    quoted.append(path).append("\"");
    return quoted;
}

std::vector<Big5> FirstRunMemoLines() {
    return {
        "",
        T(u8" 　"),
        "",
        T(u8" 但必需配合【VEXEL 網咖管理系統】2.5 以上版本使用，有關詳"),
        T(u8" 細說明請瀏覽本公司網站，或洽詢本公司服務人員。"),
        "",
        "",
        T(u8" 　由於本軟體為推廣期間，有關詳細參數設定請查閱說明文件。"),
        T(u8"　　　　　　　　　　　　　　（安裝路徑下）"),
        "",
        T(u8" 另有該遊戲選單之系統設定參數軟體請向本公司索取。"),
    };
}

}  // namespace corvina
