#pragma once
// The program's main window: the menu in place of the desktop. Its creation
// runs the start-up steps in order; its destruction gives the desktop
// window and the taskbar back.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "app/startup.h"
#include "cafe/cafe_window_link.h"
#include "menu/channel_frames.h"
#include "menu/item_action_host.h"
#include "menu/item_frames.h"
#include "menu/menu_data.h"
#include "menu/menu_pictures.h"
#include "menu/settings_strip.h"
#include "menu/top_bar.h"
#include "orders/order_log_file.h"
#include "records/game_records_win32.h"
#include "settings/settings.h"
#include "stats/play_recorder_win32.h"
#include "sys/admin_log.h"
#include "sys/big5.h"
#include "sys/win32/machine.h"
#include "ui/page_stack.h"
#include "ui/timer.h"
#include "widgets/ev_scroll_box.h"
#include "widgets/hint_form.h"

namespace corvina {

struct StartupOptions {
    Big5 programFolder;      // ends in a backslash
    bool firstRun = false;   // "START" was given
    bool setupOnly = false;  // "START SETUPONLY": the wizard and nothing after it
};

class TfSmenu : public TfHintForm {
public:
    TfSmenu(Machine& machine, MenuSettings& settings, StartupOptions options);

    // The administrator's log in the program folder.
    AdminLog& Log() { return log_; }
    // GoodsLog.Lst as this run keeps it.
    const OrderLogKeeper& OrderLog() const { return orderLog_; }
    bool EntryGranted() const { return cafe_.EntryGranted(); }
    CafeWindowLink& Cafe() { return cafe_; }
    const MenuItemTable& Items() const { return items_; }
    // The names of the creation steps that completed, in order.
    const std::vector<std::string_view>& CompletedSteps() const { return completedSteps_; }

    // The window's parts, by their component names.
    TEVTabset& Tabsset() const { return topBar_.Tabsset; }
    TEvBtn& B_intoBrowser() const { return topBar_.B_intoBrowser; }
    TEvBtn& B_intofoods() const { return topBar_.B_intofoods; }
    TEvPanel& Pnl_Left() const { return topBar_.Pnl_Left; }
    TEvPanel& Pnl_Chanel() const { return strip_.Pnl_Chanel; }
    ui::RadioGroup& Rg_Color() const { return strip_.Rg_Color; }
    ui::RadioGroup& RG_Area() const { return strip_.RG_Area; }
    TEvBtn& B_Setup() const { return strip_.B_Setup; }
    TEvBtn& B_Exit() const { return strip_.B_Exit; }
    ui::PageStack& Pages() const { return pages_; }
    // The scroll box of channel k's page, which holds its item frames;
    // made now if the page was not yet.
    TEVScrollBox& ChannelBox(int channel) const;
    // Null while channel k's page is not made.
    TEVScrollBox* MadeChannelBox(int channel) const;
    bool StripShown() const { return stripShown_; }
    // Which frames hold their decoded pictures now.
    const MenuPictures& Pictures() const { return pictures_; }
    // Which channel pages have their item frames yet.
    const ChannelFrames& BuiltChannels() const { return channelFrames_; }
    HWND DesktopCapture() const { return desktopCapture_; }

    void TabssetChange(ui::Control& sender, bool& CanChange, int NewTabindex);
    void Pnl_ChanelMouseEnter(ui::Control& sender);
    void Pnl_ChanelMouseLeave(ui::Control& sender);
    // Slides the strip down (false) or up (true), 1 pixel per 15 ms with
    // messages flowing.
    void PanelChannalEnter(bool hide);
    void B_EXitClick(ui::Control& sender);
    void B_intoBrowserClick(ui::Control& sender);
    void B_SetupClick(ui::Control& sender);

protected:
    void DoCreate() override;    // FormCreate
    void DoShow() override;      // FormShow
    void DoActivate() override;  // FormActivate
    void DoDestroy() override;   // FormDestroy
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CreationStep> CreationSteps();
    void AllowCafeMessages();
    void RunFirstRunWizard();
    void AutoUpdate();
    void ClearOrderLog();
    void ReadMenuSettings();
    void StartStatistics();
    void ItemStarted(int index, win32::ScopedHandle process);
    void EnableButtons();
    void ApplyTaskbarSetting();
    void ApplyLockDown();
    // A proper exit: the keys as they were, and no restart by the watch.
    void ReleaseLockDown();
    // Windows ends the log-on session: nothing after this is sure to run.
    void SessionEnding();
    void PreselectScreenChoices();
    void PlaceSettingsStrip();
    void BuildMenu();
    std::unique_ptr<OrderWindow> MakeOrderWindow();
    void AddMenuPage(int channel);
    // The page's window is made: its scroll box, in the channel's colour.
    void FillMenuPage(ui::WinControl& page, int channel);
    // The item in the table and among the pictures; its frame comes with its page's.
    void AddMenuItem(const MenuLine& line);
    // Up to `most` more frames of the channel's page, in their order.
    void BuildChannelFrames(int channel, int most);
    // The frames the page shows before it is scrolled, and the row below.
    void BuildFirstScreen(int channel);
    // The menu is idle: more frames of the nearest page still without all of them.
    void BuildStep();
    void StartPictures();
    // The page of `channel` is shown: its background and its pictures.
    void ChannelShown(int channel);
    // The menu was let be: the pictures nobody waits for yet.
    void IdleTimer();
    void LoadPageBackground(int channel);
    // The customer turned to another program: the decoded pictures go.
    void ReleasePictures();
    int StripWidth() const;
    void SlideStripTo(int top);

    // What the item frames' buttons do (run, hover, leave).
    void ItemPictureClick(ui::Control& sender);
    void ItemButtonEnter(ui::Control& sender);
    void ItemButtonLeave(ui::Control& sender, bool& DisFocus);

    Machine& machine_;
    MenuSettings& settings_;
    StartupOptions options_;
    AdminLog log_;
    OrderLogKeeper orderLog_;
    TopBar topBar_;
    SettingsStrip strip_;
    ui::PageStack& pages_;
    bool stripShown_ = false;
    HWND desktopCapture_ = nullptr;
    bool keysLocked_ = false;
    MenuItemTable items_;
    std::vector<Big5> itemChannels_;  // the channel of each item, by index
    GameRecords gameRecords_;
    ItemActionWindows itemActions_;
    std::vector<std::string_view> completedSteps_;

    // The menu build's running state, kept until every page has its frames.
    std::optional<FramePictures> framePictures_;
    std::vector<std::vector<MenuLine>> unbuiltLines_;  // by channel
    std::vector<int> firstItemOf_;                     // by channel
    std::vector<Point> nextFrameOrigin_;               // by channel
    ChannelFrames channelFrames_;
    // Asked once per build: each ask may read the display settings anew.
    int screenWidth_ = 0;
    // Page backgrounds are decoded when their page is first shown, once
    // for all pages that name the same file.
    std::vector<bool> pageBackgroundLoaded_;  // by channel
    std::map<Big5, ui::Picture> decodedBackgrounds_;
    // Made when the statistics folder is set.
    std::unique_ptr<PlayRecorder> plays_;
    // Declared after everything its workers' pictures land on is made,
    // so that it stops first.
    MenuPictures pictures_;
    // Runs out once the customer lets the menu be for a moment.
    ui::Timer idle_;
    // Builds one page's frames at a time after start, when nothing else waits.
    ui::Timer buildStep_;
    CafeWindowLink cafe_;
};

}  // namespace corvina
