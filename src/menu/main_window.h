#pragma once
// The program's main window: the menu in place of the desktop. Its creation
// runs the start-up steps in order; its destruction gives the desktop
// window and the taskbar back.

#include <windows.h>

#include <vector>

#include "app/settings.h"
#include "app/startup.h"
#include "cafe/cafe_window_link.h"
#include "menu/menu_data.h"
#include "sys/big5.h"
#include "sys/win32/machine.h"
#include "widgets/hint_form.h"

namespace corvina {

struct StartupOptions {
    Big5 programFolder;   // ends in a backslash
    bool firstRun = false;  // "START" was given
};

class TfSmenu : public TfHintForm {
public:
    TfSmenu(Machine& machine, MenuSettings& settings, StartupOptions options);

    const Big5& ProgramFolder() const { return options_.programFolder; }
    bool EntryGranted() const { return cafe_.EntryGranted(); }
    CafeWindowLink& Cafe() { return cafe_; }
    const MenuItemTable& Items() const { return items_; }
    // The names of the creation steps that completed, in order.
    const std::vector<std::string_view>& CompletedSteps() const { return completedSteps_; }

protected:
    void DoCreate() override;    // FormCreate
    void DoShow() override;      // FormShow
    void DoActivate() override;  // FormActivate
    void DoDestroy() override;   // FormDestroy
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CreationStep> CreationSteps();
    void BuildTopBar();
    void RunFirstRunWizard();
    void AutoUpdate();
    void ReadMenuSettings();
    void ApplyTaskbarSetting();
    void BuildMenu();

    Machine& machine_;
    MenuSettings& settings_;
    StartupOptions options_;
    bool stripShown_ = false;
    HWND desktopCapture_ = nullptr;
    MenuItemTable items_;
    std::vector<std::string_view> completedSteps_;
    CafeWindowLink cafe_;
};

}  // namespace corvina
