#pragma once
// The first-run wizard: a welcome sheet, a sheet of the remote folders, the
// logo and two choices written to Corvina2.ini and the autostart list, and
// a picture sheet. Shown modally before the menu reads its settings.

#include <memory>

#include "sys/big5.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "widgets/choosers.h"
#include "widgets/ev_btn.h"
#include "widgets/ev_page_control.h"

namespace corvina {

// Tests answer the dialogs; null takes the system's own.
struct FirstRunDialogs {
    FolderChooser* folder = nullptr;
    OpenFileChooser* picture = nullptr;
};

class TfFirstRun : public ui::Form {
public:
    explicit TfFirstRun(Big5 programFolder, FirstRunDialogs dialogs = {});

    int WizardStep() const { return wizardStep_; }

    void B_NExtClick();
    void B_PriorClick();
    void LinkerPathClick(ui::Control& sender);
    void B_logoClick();
    void Chk_autoUpdateClick();
    // Corvina2.ini first, then the autostart value or its removal; both
    // throw when they cannot be written.
    void SaveWizardSettings();

    TEvPageControl& SetPages() const { return *setPages_; }
    ui::Memo& Memo1() const { return *memo1_; }
    ui::Edit& T_SavePath() const { return *tSavePath_; }
    ui::Edit& T_iniPath() const { return *tIniPath_; }
    ui::Edit& T_Logo() const { return *tLogo_; }
    TEvBtn& B_SavePath() const { return *bSavePath_; }
    TEvBtn& B_iniPath() const { return *bIniPath_; }
    TEvBtn& B_logo() const { return *bLogo_; }
    ui::CheckBox& Chk_Start() const { return *chkStart_; }
    ui::CheckBox& Chk_autoUpdate() const { return *chkAutoUpdate_; }
    ui::Button& B_Prior() const { return *bPrior_; }
    ui::Button& B_NExt() const { return *bNext_; }
    ui::Label& Label7() const { return *label7_; }

protected:
    void DoCreate() override;  // FormCreate

private:
    void BuildWelcomeSheet(TEvTabSheet& sheet);
    void BuildPathsSheet(TEvTabSheet& sheet);
    void BuildPictureSheet(TEvTabSheet& sheet);
    ui::Edit& AddPathRow(ui::WinControl& sheet, const char8_t* caption, Point label, int top, TEvBtn*& button, int tag);
    void ShowSheet(int index);
    Big5 SettingsPath() const;

    Big5 programFolder_;
    std::unique_ptr<FolderChooser> ownFolderDialog_;
    std::unique_ptr<OpenFileChooser> ownPictureDialog_;
    FolderChooser* folderDlg_;
    OpenFileChooser* openPic_;
    int wizardStep_ = 0;

    TEvPageControl* setPages_ = nullptr;
    ui::Memo* memo1_ = nullptr;
    ui::Edit* tSavePath_ = nullptr;
    ui::Edit* tIniPath_ = nullptr;
    ui::Edit* tLogo_ = nullptr;
    TEvBtn* bSavePath_ = nullptr;
    TEvBtn* bIniPath_ = nullptr;
    TEvBtn* bLogo_ = nullptr;
    ui::CheckBox* chkStart_ = nullptr;
    ui::CheckBox* chkAutoUpdate_ = nullptr;
    ui::Button* bPrior_ = nullptr;
    ui::Button* bNext_ = nullptr;
    ui::Label* label7_ = nullptr;
};

// Shows the wizard modally and frees it when it closes.
void RunFirstRunWizard(const Big5& programFolder, FirstRunDialogs dialogs = {});

}  // namespace corvina
