#include "menu/main_window.h"

#include <stdexcept>

#include "app/settings_files.h"
#include "cafe/cafe_system_check.h"
#include "cafe/order_log_removal.h"
#include "sys/files.h"
#include "sys/profile_file.h"
#include "sys/text.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "widgets/ev_btn.h"
#include "widgets/ev_panel.h"
#include "widgets/wait_window.h"

namespace corvina {

TfSmenu::TfSmenu(Machine& machine, MenuSettings& settings, StartupOptions options)
    : TfHintForm(L"TfSmenu", settings),
      machine_(machine),
      settings_(settings),
      options_(std::move(options)),
      cafe_(*this, machine, settings, options_.programFolder) {
    SetCaption("Corvina");
    BuildTopBar();
}

namespace {

constexpr Color kLogoPanelGround = Color::Rgb(111, 128, 144);

// A lit picture over the logo panel's wallpaper that shows only under the pointer.
TEvBtn& AddHoverButton(ui::WinControl& parent, const Rect& bounds, const char* picture) {
    auto& button = parent.Add<TEvBtn>();
    button.SetBounds(bounds);
    button.SetCursor(ui::Cursor::Hand);
    button.SetTransparent(true);
    button.SetStyle(TbuttonStyle::byNone);
    button.SetGlyphfocus(ui::Bitmap::LoadFromResource(picture));
    button.SetSpacing(12);
    button.SetPress_Move(false);
    button.SetTrans_Icon(false);
    return button;
}

}  // namespace

void TfSmenu::BuildTopBar() {
    auto& top = Add<ui::Panel>();
    top.SetAlign(ui::Align::Top);
    top.SetHeight(51);
    top.SetBevelOuter(ui::BevelCut::None);
    top.SetColor(corvina::Color::System(9));  // caption text

    auto& left = top.Add<TEvPanel>();
    left.SetAlign(ui::Align::Left);
    left.SetWidth(201);
    left.SetBevelOuter(ui::BevelCut::None);
    left.SetColor(kLogoPanelGround);
    left.SetLocked(true);
    left.Wallpaper().Picture().LoadFromResourceData("LOGOPANEL");
    left.Wallpaper().SetStyle(TPanelWallpaperStyle::wpLeftTop);
    AddHoverButton(left, {1, 0, 40, 37}, "GLOBE_LIT");
    AddHoverButton(left, {145, 8, 40, 37}, "FOOD_LIT");

    auto& client = top.Add<ui::Panel>();
    client.SetAlign(ui::Align::Client);
    client.SetBevelOuter(ui::BevelCut::None);
    client.SetColor(corvina::Color::Rgb(255, 255, 255));
    auto& notice = client.Add<ui::Label>(T(u8"※ 注意：所展示遊戲圖片版權慎重申明皆為其原創公司所有。"));
    notice.SetAlign(ui::Align::Bottom);
    notice.SetHeight(11);
    notice.SetAlignment(ui::TextAlign::Right);
    notice.SetColor(kLogoPanelGround);
    notice.SetFont(ui::Font(T(u8"新細明體"), 11, ui::FontStyle::None, corvina::Color::Rgb(128, 0, 0)));
}

std::vector<CreationStep> TfSmenu::CreationSteps() {
    return {
        {"no entry yet", [this] { cafe_.SetEntryGranted(false); }},
        {"first-run wizard", [this] { RunFirstRunWizard(); }},
        {"loading window",
         [] { ShowWaitWindow(T(u8"載入中‧‧‧"), kWaitWindowGround, kWaitWindowText); }},
        {"automatic update", [this] { AutoUpdate(); }},
        {"order log", [this] { corvina::DeleteOrderLog(options_.programFolder); }},
        {"menu settings", [this] { ReadMenuSettings(); }},
        {"settings strip", [this] { stripShown_ = false; }},
        {"taskbar", [this] { ApplyTaskbarSetting(); }},
        {"menu", [this] { BuildMenu(); }},
    };
}

void TfSmenu::DoCreate() {
    TfHintForm::DoCreate();
    const std::vector<CreationStep> steps = CreationSteps();
    completedSteps_ = RunCreationSteps(steps, CloseWaitWindow, [](const std::exception& error) {
        ui::Application::Instance().HandleException(error);
    });
}

void TfSmenu::RunFirstRunWizard() {
    if (!options_.firstRun) return;
    // The first-run wizard runs here, modally, before the settings are read.
}

void TfSmenu::AutoUpdate() {
    ReadLocalSettings(options_.programFolder, settings_);
    // The update from the remote folder follows the local settings here.
}

void TfSmenu::ReadMenuSettings() {
    const std::vector<UnreadableColor> unreadable = corvina::ReadMenuSettings(options_.programFolder, settings_);
    if (!unreadable.empty()) ui::ShowWarning(UnreadableColorMessage(unreadable));
    CafeSystemInstalled();
}

void TfSmenu::ApplyTaskbarSetting() {
    if (settings_.HideTaskBar) machine_.ShowTaskbar(false);
}

void TfSmenu::BuildMenu() {
    items_.Clear();
    const MenuData menu = ReadMenu(LoadProfile(options_.programFolder + Big5{kMenusIniName}));
    if (menu.channels.empty()) {
        ui::ShowError(NoMenuDataMessage());
        ui::Application::Instance().Terminate();
        return;
    }
    if (menu.itemsLeftOut > 0) ui::ShowWarning(ItemsLeftOutMessage(menu.itemsLeftOut));
    for (const MenuChannel& channel : menu.channels) {
        for (const MenuLine& line : channel.lines) items_.Append(line.item);
    }
}

void TfSmenu::DoShow() { TfHintForm::DoShow(); }

void TfSmenu::DoActivate() {
    TfHintForm::DoActivate();
    cafe_.Activated();
}

LRESULT TfSmenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (cafe_.HandleMessage(message, wParam, lParam, result)) return result;
    return TfHintForm::HandleMessage(message, wParam, lParam);
}

void TfSmenu::DoDestroy() {
    if (desktopCapture_ != nullptr) machine_.SetWindowParent(desktopCapture_, nullptr);
    machine_.ShowTaskbar(true);
    TfHintForm::DoDestroy();
}

}  // namespace corvina
