#include "app/first_run.h"

#include "app/first_run_rules.h"
#include "settings/settings.h"
#include "sys/profile_file.h"
#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/program_path.h"
#include "sys/win32/registry.h"
#include "ui/bitmap.h"
#include "widgets/folder_dialog.h"
#include "widgets/open_picture_dialog.h"
#include "widgets/wait_window.h"

namespace corvina {

namespace {

constexpr int kAutoStartList = 0;  // the machine-wide "Run" key
constexpr corvina::Color kSilver = corvina::Color::Rgb(192, 192, 192);
constexpr corvina::Color kWindowColor = corvina::Color::System(5);  // COLOR_WINDOW
constexpr corvina::Color kGreyedEdit = corvina::Color::Rgb(128, 128, 128);

ui::Font Ming(int height, ui::FontStyle style = ui::FontStyle::None, corvina::Color color = corvina::Color::System(8)) {
    return ui::Font(T(u8"新細明體"), height, style, color);
}

}  // namespace

TfFirstRun::TfFirstRun(Big5 programFolder, FirstRunDialogs dialogs)
    : ui::Form(L"TfFirstRun", ui::BorderStyle::Single), programFolder_(std::move(programFolder)) {
    // A plain dialog: no buttons on its title bar.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU | WS_MINIMIZEBOX));
    SetCaption(T(u8"第一次安裝設定"));
    SetPosition(ui::FormPosition::ScreenCenter);
    SetClientSize(426, 259);

    auto& pnlClt = Add<ui::Panel>();
    pnlClt.SetAlign(ui::Align::Client);
    pnlClt.SetBevelOuter(ui::BevelCut::Lowered);
    pnlClt.SetBevelInner(ui::BevelCut::Raised);

    // Inside the two bevels.
    setPages_ = &pnlClt.Add<TEvPageControl>();
    setPages_->SetBounds({2, 2, pnlClt.ClientWidth() - 4, pnlClt.ClientHeight() - 4});
    setPages_->SetBorderstyle(TBorderStyle::bsNone);
    for (const char* name : {"Setup1", "Setup2", "Setup3"}) {
        TEvTabSheet& sheet = setPages_->AddPage(name);
        sheet.SetBorderstyle(TBorderStyle::bsNone);
    }
    setPages_->SetTabsVisible(false);
    BuildWelcomeSheet(setPages_->Page(0));
    BuildPathsSheet(setPages_->Page(1));
    BuildPictureSheet(setPages_->Page(2));

    bNext_ = &pnlClt.Add<ui::Button>(T(u8"下一步"));
    bNext_->SetBounds({345, 228, 69, 21});
    bNext_->SetFont(Ming(13, ui::FontStyle::Bold));
    bNext_->OnClick = [this](ui::Control&) { B_NExtClick(); };
    pnlClt.BringToFront(*bNext_);  // over the pages it shares the panel with

    auto folderDlg = std::make_unique<TFolderDialog>(this);
    folderDlg->SetTitle(T(u8"請選擇路徑"));
    ownFolderDialog_ = std::move(folderDlg);
    ownPictureDialog_ = std::make_unique<TOpenPictureDialog>(Handle());
    folderDlg_ = dialogs.folder ? dialogs.folder : ownFolderDialog_.get();
    openPic_ = dialogs.picture ? dialogs.picture : ownPictureDialog_.get();
}

void TfFirstRun::BuildWelcomeSheet(TEvTabSheet& sheet) {
    sheet.SetBorderWidth(5);
    sheet.SetColor(kSilver);

    auto& label5 = sheet.Add<ui::Label>(T(u8" 歡迎您的使用！\r\n 關於本程式，第一次使用說明如下："));
    label5.SetAlign(ui::Align::Top);
    label5.SetHeight(42);
    label5.SetAlignment(ui::TextAlign::Center);
    label5.SetLayout(ui::TextLayout::Center);
    label5.SetColor(corvina::Color::Rgb(0, 91, 46));
    label5.SetFont(Ming(16, ui::FontStyle::Underline, corvina::Color::Rgb(255, 255, 255)));

    auto& label6 = sheet.Add<ui::Label>();
    label6.SetAlign(ui::Align::Top);
    label6.SetHeight(5);

    memo1_ = &sheet.Add<ui::Memo>();
    memo1_->SetAlign(ui::Align::Client);
    memo1_->SetColor(corvina::Color::Rgb(139, 139, 139));
    memo1_->SetFont(Ming(13, ui::FontStyle::Bold));
    memo1_->SetLines(FirstRunMemoLines());
}

ui::Edit& TfFirstRun::AddPathRow(ui::WinControl& sheet, const char8_t* caption, Point label, int top, TEvBtn*& button,
                                 int tag) {
    auto& text = sheet.Add<ui::Label>(T(caption));
    text.SetBounds({label.x, label.y, 300, 16});
    text.SetFont(Ming(16));
    auto& edit = sheet.Add<ui::Edit>();
    edit.SetBounds({20, top, 321, 24});
    edit.SetFont(Ming(16));
    button = &sheet.Add<TEvBtn>(T(u8"瀏覽"));
    button->SetBounds({345, top, 44, 25});
    button->SetTag(tag);
    button->SetFont(Ming(12));
    return edit;
}

void TfFirstRun::BuildPathsSheet(TEvTabSheet& sheet) {
    sheet.SetBorderWidth(5);
    tSavePath_ = &AddPathRow(sheet, u8"※ 遠端遊戲存檔位置：", {14, 19}, 39, bSavePath_, 0);
    tIniPath_ = &AddPathRow(sheet, u8"※ 遠端自動更新來源位置：", {20, 66}, 86, bIniPath_, 1);
    tLogo_ = &AddPathRow(sheet, u8"※ LOGO 圖檔位置：", {20, 111}, 131, bLogo_, 2);
    auto& label4 = sheet.Add<ui::Label>(T(u8"(支援 BMP,JPG,Wmf..)"));
    label4.SetBounds({172, 118, 160, 13});
    label4.SetFont(Ming(12));
    bSavePath_->OnClick = [this](ui::Control& sender) { LinkerPathClick(sender); };
    bIniPath_->OnClick = [this](ui::Control& sender) { LinkerPathClick(sender); };
    bLogo_->OnClick = [this](ui::Control&) { B_logoClick(); };

    chkStart_ = &sheet.Add<ui::CheckBox>(T(u8"開機時，自動啟動程式。"));
    chkStart_->SetBounds({21, 169, 300, 20});
    chkStart_->SetFont(Ming(16));
    chkStart_->SetChecked(true);
    chkAutoUpdate_ = &sheet.Add<ui::CheckBox>(T(u8"自動更新檔案。"));
    chkAutoUpdate_->SetBounds({21, 193, 300, 20});
    chkAutoUpdate_->SetFont(Ming(16));
    chkAutoUpdate_->SetChecked(true);
    chkAutoUpdate_->OnClick = [this](ui::Control&) { Chk_autoUpdateClick(); };

    bPrior_ = &sheet.Add<ui::Button>(T(u8"上一步"));
    bPrior_->SetBounds({5, 221, 69, 21});
    bPrior_->SetFont(Ming(13, ui::FontStyle::Bold));
    bPrior_->OnClick = [this](ui::Control&) { B_PriorClick(); };
}

void TfFirstRun::BuildPictureSheet(TEvTabSheet& sheet) {
    sheet.SetColor(corvina::Color::Rgb(0, 0, 0));
    sheet.SetPicture(ui::Picture(ui::Bitmap::LoadFromResource("TITLE")));
    sheet.SetPictureAlign(TPicAlignment::cCenter);
    label7_ = &sheet.Add<ui::Label>("Version 2.0");
    label7_->SetBounds({255, 79, 110, 20});
    label7_->SetTransparent(true);
    label7_->SetFont(ui::Font("Arial Black", 15, ui::FontStyle::None, corvina::Color::Rgb(255, 255, 0)));
}

void TfFirstRun::DoCreate() {
    ui::Form::DoCreate();
    wizardStep_ = 0;
    ShowSheet(0);
    const WizardValues values = ReadWizardValues(LoadProfile(SettingsPath()));
    tIniPath_->SetText(values.iniPath);
    tSavePath_->SetText(values.savePath);
    tLogo_->SetText(values.logo);
    chkAutoUpdate_->SetChecked(values.autoUpdate);
    Chk_autoUpdateClick();
}

void TfFirstRun::ShowSheet(int index) { setPages_->SetActivePageIndex(index); }

Big5 TfFirstRun::SettingsPath() const { return programFolder_ + Big5{kLocalSettingsFile}; }

void TfFirstRun::Chk_autoUpdateClick() {
    const bool on = chkAutoUpdate_->Checked();
    tIniPath_->SetEnabled(on);
    tIniPath_->SetColor(on ? kWindowColor : kGreyedEdit);
}

void TfFirstRun::LinkerPathClick(ui::Control& sender) {
    if (!folderDlg_->Execute()) return;
    if (sender.Tag() == 0) tSavePath_->SetText(folderDlg_->Directory());
    if (sender.Tag() == 1) tIniPath_->SetText(folderDlg_->Directory());
}

void TfFirstRun::B_logoClick() {
    if (openPic_->Execute()) tLogo_->SetText(openPic_->FileName());
}

void TfFirstRun::B_NExtClick() {
    if (wizardStep_ == 1) {
        SaveWizardSettings();
        bNext_->SetCaption(T(u8"完　成"));
    } else if (wizardStep_ == 2) {
        Close();
    }
    ++wizardStep_;
    if (wizardStep_ < setPages_->PageCount()) ShowSheet(wizardStep_);
}

void TfFirstRun::B_PriorClick() {
    wizardStep_ = 0;
    ShowSheet(0);
}

void TfFirstRun::SaveWizardSettings() {
    const Big5 path = SettingsPath();
    ProfileText corvinaIni = LoadProfile(path);
    WriteWizardSettings(corvinaIni, {tIniPath_->Text(), tSavePath_->Text(), tLogo_->Text(), chkAutoUpdate_->Checked()});
    SaveProfile(path, corvinaIni);
    if (chkStart_->Checked()) {
        SetAutoStart(kAutoStartValueName, WizardAutoStartCommand(programFolder_, ProgramBaseName()), kAutoStartList);
    } else {
        RemoveAutoStart(kAutoStartValueName, kAutoStartList);
    }
}

void RunFirstRunWizard(const Big5& programFolder, FirstRunDialogs dialogs) {
    ShowFormModal<TfFirstRun>(programFolder, dialogs);
}

}  // namespace corvina
