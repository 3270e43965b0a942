#include "app/main_window.h"

#include <malloc.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/auto_update_win32.h"
#include "app/first_run.h"
#include "app/foods_menu_order_window.h"
#include "cafe/cafe_system_check.h"
#include "menu/screen_rules.h"
#include "menu/screen_settings.h"
#include "orders/expend_list.h"
#include "orders/order_log_file.h"
#include "settings/item_file.h"
#include "settings/settings_files.h"
#include "sys/cafe_protocol.h"
#include "sys/files.h"
#include "sys/folder_rules.h"
#include "sys/profile_file.h"
#include "sys/strings.h"
#include "sys/text.h"
#include "sys/wait_ticks.h"
#include "sys/win32/desktop_icons.h"
#include "sys/win32/file_ops.h"
#include "sys/win32/file_type.h"
#include "sys/win32/local_time.h"
#include "ui/application.h"
#include "ui/kept_paint.h"
#include "ui/message_box.h"
#include "ui/picture_error.h"
#include "widgets/front_window.h"
#include "widgets/wait_window.h"

namespace corvina {
namespace {

constexpr int kStripStepMs = 15;
// Finished item pictures wait to be taken onto their frames.
constexpr UINT kPicturesDone = WM_APP + 0x150;
// 94 pictures of 204 x 136 in 32-bit pixels: at 1920 x 1080 the shown page
// and the first screen of the next (42 each), more on smaller screens.
// What is made ahead while the menu is idle stops where the room ends.
constexpr std::size_t kPictureBudgetBytes = 10u << 20;
constexpr int kPictureThreads = 2;
// Longest the menu waits at start for the first page's pictures.
constexpr DWORD kFirstPicturesWaitMs = 5000;
// How long the customer lets the menu be before it makes pictures ahead.
constexpr unsigned kIdleMs = 300;
// Timer messages come only when no input or painting waits: the pages
// without frames get theirs soon after start, behind the customer's clicks,
// a few at a time, so that a picture that arrives meanwhile waits little.
constexpr unsigned kBuildStepMs = 10;
constexpr int kFramesPerBuildStep = 20;
constexpr int kAllFrames = INT_MAX;

ui::PageStack& AddPages(ui::WinControl& window) {
    auto& pages = window.Add<ui::PageStack>();
    pages.SetAlign(ui::Align::Client);
    pages.AddPage("PageDesktop");
    return pages;
}

void WaitWithMessagesFlowing(int milliseconds) {
    WaitTicks(
        milliseconds, true, [] { return static_cast<std::uint32_t>(GetTickCount()); },
        [] { ui::Application::Instance().ProcessMessages(); });
}

// Edges included: the pointer on the strip's last pixel row is still on it.
bool CursorOver(const ui::WinControl& control) {
    POINT cursor{};
    RECT bounds{};
    if (!GetCursorPos(&cursor) || !GetWindowRect(control.Handle(), &bounds)) return false;
    return cursor.x >= bounds.left && cursor.x <= bounds.right && cursor.y >= bounds.top && cursor.y <= bounds.bottom;
}

// The pages after the last one listed take the last one's background.
const PageBackground* PageBackgroundOf(const MenuSettings& settings, int channel) {
    const std::vector<PageBackground>& listed = settings.PageBackgrounds;
    if (listed.empty()) return nullptr;
    return &listed[std::min(static_cast<std::size_t>(channel), listed.size() - 1)];
}

// A document shows the icon of the program that opens it.
Big5 IconFileFor(const Big5& target) { return TargetIsProgram(target) ? target : FileTypeOpenProgram(target); }

}  // namespace

TfSmenu::TfSmenu(Machine& machine, MenuSettings& settings, StartupOptions options)
    : TfHintForm(L"TfSmenu", settings.HideTaskBar, &machine),
      machine_(machine),
      settings_(settings),
      options_(std::move(options)),
      log_(options_.programFolder, LocalCalendarNow),
      orderLog_(options_.programFolder),
      topBar_(BuildTopBar(*this)),
      strip_(BuildSettingsStrip(topBar_.Pnl_Top_Clt)),
      pages_(AddPages(*this)),
      gameRecords_(options_.programFolder, settings, log_),
      itemActions_(machine, settings, options_.programFolder,
                   GameRecordActions{[this](const Big5& caption) { gameRecords_.LoadGameRecord(caption); },
                                     [this](const Big5& caption) { gameRecords_.SaveGameRecord(caption); }}),
      pictures_(kPictureBudgetBytes, [this](int channel) { return MadeChannelBox(channel); }),
      idle_(kIdleMs, false),
      buildStep_(kBuildStepMs, false),
      cafe_(*this, machine, settings, options_.programFolder, log_) {
    idle_.OnTimer = [this](ui::Timer&) { IdleTimer(); };
    buildStep_.OnTimer = [this](ui::Timer&) { BuildStep(); };
    SetCaption("Corvina");
    Tabsset().OnChange = [this](ui::Control& sender, bool& canChange, int newIndex) {
        TabssetChange(sender, canChange, newIndex);
    };
    Pnl_Chanel().OnMouseEnter = [this](ui::Control& sender) { Pnl_ChanelMouseEnter(sender); };
    Pnl_Chanel().OnMouseLeave = [this](ui::Control& sender) { Pnl_ChanelMouseLeave(sender); };
    B_Exit().OnClick = [this](ui::Control& sender) { B_EXitClick(sender); };
    B_intoBrowser().OnClick = [this](ui::Control& sender) { B_intoBrowserClick(sender); };
    B_Setup().OnClick = [this](ui::Control& sender) { B_SetupClick(sender); };
    B_intofoods().OnClick = [this](ui::Control&) { cafe_.ShowOrderWindow(); };
    itemActions_.SetItemStarted(
        [this](int index, win32::ScopedHandle process) { ItemStarted(index, std::move(process)); });
    cafe_.SetOrderWindowFactory([this] { return MakeOrderWindow(); });
    cafe_.SetConsumptionListCloser([] { CloseConsumptionList(); });
    cafe_.SetOrderLogClearer([this] { ClearOrderLog(); });
    // The menu coming back (after a game, on another start, on 5025) takes
    // the front as the menu's own shows do.
    ui::Application::Instance().OnBringToFront = [this](HWND window) { ComeToFront(machine_, window); };
}

std::unique_ptr<OrderWindow> TfSmenu::MakeOrderWindow() {
    OrderWindowLinks links;
    links.sendCafeCommand = [this](std::int32_t number, std::string_view data) { return cafe_.Send(number, data); };
    links.openHomePage = [this] { itemActions_.OpenHomePage(); };
    links.readOrderLog = [this] { return orderLog_.Read(); };
    links.sessionEndsArrived = [this] { return cafe_.SessionEndsArrived(); };
    links.writeAdminLog = [this](std::string_view text) { log_.Write(text); };
    return std::make_unique<FoodsMenuOrderWindow>(ui::MakeForm<TffoodsMenu>(
        machine_, settings_, options_.programFolder, cafe_.EntryGrantedFlag(), std::move(links)));
}

std::vector<CreationStep> TfSmenu::CreationSteps() {
    return {
        {"no entry yet", [this] { cafe_.SetEntryGranted(false); }},
        {"first-run wizard", [this] { RunFirstRunWizard(); }},
        {"loading window", [] { ShowWaitWindow(T(u8"載入中‧‧‧"), kWaitWindowGround, kWaitWindowText); }},
        {"automatic update", [this] { AutoUpdate(); }},
        {"order log", [this] { ClearOrderLog(); }},
        {"menu settings", [this] { ReadMenuSettings(); }},
        {"settings strip", [this] { stripShown_ = false; }},
        {"buttons", [this] { EnableButtons(); }},
        {"taskbar", [this] { ApplyTaskbarSetting(); }},
        {"lock-down", [this] { ApplyLockDown(); }},
        {"screen choices", [this] { PreselectScreenChoices(); }},
        {"strip place", [this] { PlaceSettingsStrip(); }},
        {"menu", [this] { BuildMenu(); }},
    };
}

void TfSmenu::DoCreate() {
    TfHintForm::DoCreate();
    AllowCafeMessages();
    const std::vector<CreationStep> steps = CreationSteps();
    completedSteps_ = RunCreationSteps(steps, CloseWaitWindow, [](const std::exception& error) {
        ui::Application::Instance().HandleException(error);
    });
}

// A café client elevated while the menu is not, or the reverse, would
// otherwise lose every one of these to Windows' integrity-level filter.
void TfSmenu::AllowCafeMessages() {
    for (const UINT message : {kMsgCafeAnnounce, kMsgCafeOpenOrders, kMsgCafeSessionEnd, kMsgCafeCloseMenu,
                               static_cast<unsigned>(WM_COPYDATA)}) {
        if (!machine_.AllowMessageFromAnyLevel(Handle(), message)) {
            log_.Write(T(u8"無法讓較高或較低權限的用戶端程式送入訊息 ") + std::to_string(message) +
                       T(u8"：用戶端程式與選單須以相同權限執行（同為或同不為系統管理員）"));
        }
    }
}

void TfSmenu::RunFirstRunWizard() {
    // Before the settings are read: the wizard writes them.
    if (options_.firstRun) corvina::RunFirstRunWizard(options_.programFolder);
}

void TfSmenu::AutoUpdate() {
    RunAutoUpdate(options_.programFolder, settings_, CopyFilesTo, [this](const Big5& fault) { log_.Write(fault); });
}

// A log left by an earlier session that will not go is the administrator's
// to mend; the menu and the next orders do not wait for it.
void TfSmenu::ClearOrderLog() {
    if (const Big5 fault = orderLog_.Clear(); !fault.empty()) log_.Write(fault);
}

void TfSmenu::ReadMenuSettings() {
    const std::vector<UnreadableColor> unreadable = corvina::ReadMenuSettings(options_.programFolder, settings_);
    if (!unreadable.empty()) ui::ShowWarning(UnreadableColorMessage(unreadable));
    CafeSystemInstalled();
    StartStatistics();
}

void TfSmenu::StartStatistics() {
    if (plays_ || settings_.StatsFolder.empty()) return;
    plays_ = std::make_unique<PlayRecorder>(options_.programFolder, AddTrailingBackslash(settings_.StatsFolder), log_);
}

void TfSmenu::ItemStarted(int index, win32::ScopedHandle process) {
    const MenuItem* item = items_.Find(index);
    if (!plays_ || item == nullptr) return;
    const std::size_t at = static_cast<std::size_t>(index);
    plays_->Started(at < itemChannels_.size() ? itemChannels_[at] : Big5{}, item->Caption, item->Target,
                    std::move(process));
}

void TfSmenu::EnableButtons() {
    // Ordering is always on, whatever Support says.
    B_intofoods().SetEnabled(true);
    B_Exit().SetEnabled(settings_.CanQuit);
}

void TfSmenu::ApplyTaskbarSetting() {
    if (LockDownFor(settings_).hideTaskbar) machine_.ShowTaskbar(false);
}

void TfSmenu::ApplyLockDown() {
    if (settings_.HideTaskBar) {
        machine_.LockKeys(true);
        keysLocked_ = true;
    }
    // A menu the customer cannot leave, or that hides the taskbar from him,
    // comes back when it ends any other way.
    if (settings_.HideTaskBar || !settings_.CanQuit) machine_.KeepMenuRunning(true);
}

void TfSmenu::ReleaseLockDown() {
    if (keysLocked_) machine_.LockKeys(false);
    keysLocked_ = false;
    machine_.KeepMenuRunning(false);
}

void TfSmenu::SessionEnding() {
    ReleaseLockDown();
    // The plays still open are spooled while the process may still run.
    plays_.reset();
}

void TfSmenu::PreselectScreenChoices() { corvina::PreselectScreenChoices(Rg_Color(), RG_Area()); }

void TfSmenu::B_SetupClick(ui::Control&) {
    corvina::B_SetupClick(machine_, Rg_Color().ItemIndex(), RG_Area().ItemIndex(), [this] { DoShow(); });
}

int TfSmenu::StripWidth() const { return Width() - Pnl_Left().Width() + 2; }

void TfSmenu::PlaceSettingsStrip() { Pnl_Chanel().SetBounds({0, kStripHiddenTop, StripWidth(), kStripHeight}); }

void TfSmenu::BuildMenu() {
    items_.Clear();
    itemChannels_.clear();
    MenuData menu = ReadMenu(LoadProfile(options_.programFolder + Big5{kMenusIniName}));
    if (menu.channels.empty()) {
        ui::ShowError(NoMenuDataMessage());
        ui::Application::Instance().Terminate();
        return;
    }
    if (menu.itemsLeftOut > 0) ui::ShowWarning(ItemsLeftOutMessage(menu.itemsLeftOut));

    std::vector<Big5> names;
    for (const MenuChannel& channel : menu.channels) names.push_back(channel.name);
    Tabsset().SetTabs(names);

    // The pages take the size they will be shown at, so that the frames
    // in view are known before the window shows.
    SetBounds(ScreenBounds());
    screenWidth_ = GetSystemMetrics(SM_CXSCREEN);
    unbuiltLines_.clear();
    firstItemOf_.clear();
    nextFrameOrigin_.assign(menu.channels.size(), kChannelStart);
    std::vector<int> itemCounts;
    for (std::size_t k = 0; k < menu.channels.size(); ++k) {
        AddMenuPage(static_cast<int>(k));
        firstItemOf_.push_back(items_.Count());
        itemCounts.push_back(static_cast<int>(menu.channels[k].lines.size()));
        for (const MenuLine& line : menu.channels[k].lines) {
            AddMenuItem(line);
            itemChannels_.push_back(menu.channels[k].name);
        }
        unbuiltLines_.push_back(std::move(menu.channels[k].lines));
    }
    channelFrames_ = ChannelFrames(std::move(itemCounts));
    const FrameSize size = FrameSizeOf(settings_.FrameSmallSize);
    framePictures_ = LoadFramePictures(size);
    StartPictures();
    // Only the frames of the first screen are made before the menu shows.
    if (!menu.channels.empty()) BuildFirstScreen(0);

    const bool desktopTab = LockDownFor(settings_).desktopTab;
    if (desktopTab) Tabsset().InsertTab(0, T(u8"桌　面"));
    Tabsset().SetTabIndex(desktopTab ? 1 : 0);
    // The menu shows with the pictures of its first screen; the rest come
    // while it is shown.
    pictures_.AwaitOnScreen(kFirstPicturesWaitMs);
    buildStep_.SetEnabled(!channelFrames_.AllBuilt());
}

void TfSmenu::StartPictures() {
    const FrameSize size = FrameSizeOf(settings_.FrameSmallSize);
    const Rect frame = FrameBounds(size, kChannelStart);
    const Rect button = PictureButtonBounds(size, kChannelStart);
    ItemPictureLooks looks;
    looks.button = {button.width, button.height};
    // The wallpaper is stretched two pixels inside the button's edges.
    looks.drawn = {button.width - 4, button.height - 4};
    looks.frame = framePictures_->frame;
    looks.buttonInFrame = {button.left - frame.left, button.top - frame.top, button.width, button.height};
    looks.background = settings_.SubItemMAP;
    looks.iconFileFor = IconFileFor;
    pictures_.Start(std::move(looks), Handle(), kPicturesDone, kPictureThreads);
}

void TfSmenu::AddMenuPage(int channel) {
    // Made when its frames are first built: at start only the first page.
    pages_.AddPageLater(std::to_string(pages_.PageCount()),
                        [this, channel](ui::WinControl& page) { FillMenuPage(page, channel); });
    pictures_.AddChannel();
    pageBackgroundLoaded_.push_back(false);
}

void TfSmenu::FillMenuPage(ui::WinControl& page, int channel) {
    auto& box = page.Add<TEVScrollBox>();
    box.SetAlign(ui::Align::Client);
    box.SetParentColor(false);
    box.SetColor(kLightOrange);
    box.Wallpaper().SetStyle(TPanelWallpaperStyle::wpStretch);
    box.OnScroll = [this, channel](ui::Control&) {
        // Scrolled before the idle steps finished the page.
        BuildChannelFrames(channel, kAllFrames);
        pictures_.Scrolled();
        idle_.SetEnabled(false);
        idle_.SetEnabled(true);
    };
    if (const PageBackground* own = PageBackgroundOf(settings_, channel)) box.SetColor(own->color);
}

void TfSmenu::LoadPageBackground(int channel) {
    const auto at = static_cast<std::size_t>(channel);
    if (at >= pageBackgroundLoaded_.size() || pageBackgroundLoaded_[at]) return;
    pageBackgroundLoaded_[at] = true;
    const PageBackground* own = PageBackgroundOf(settings_, channel);
    // A missing file is found out by its decoding, which leaves the colour.
    if (own == nullptr || own->picture.empty()) return;
    const Big5& file = own->picture;
    TEVScrollBox& box = ChannelBox(channel);
    auto decoded = decodedBackgrounds_.find(file);
    if (decoded == decodedBackgrounds_.end()) {
        ui::Picture picture;
        try {
            picture.LoadFromFile(file, box.ClientWidth(), box.ClientHeight());
        } catch (const std::exception&) {
            // A page background that cannot be shown leaves the page its colour.
        }
        decoded = decodedBackgrounds_.emplace(file, std::move(picture)).first;
    }
    if (decoded->second.Empty()) return;
    box.Wallpaper().Picture() = decoded->second;  // shares the decoded pixels
    box.Invalidate();
}

void TfSmenu::AddMenuItem(const MenuLine& line) {
    // Found from the program folder, as the checker finds it, whatever
    // folder the menu was started in.
    const Big5 file = InProgramFolder(options_.programFolder, line.item.Target);
    // The picture is made when its page is shown.
    pictures_.AddItem(ItemPicturePath(options_.programFolder, line.picture), file);
    items_.Append(MenuItem{line.item.Flag, file, line.item.Caption});
}

void TfSmenu::BuildChannelFrames(int channel, int most) {
    if (!framePictures_) return;
    const std::optional<FrameRun> run = channelFrames_.Take(channel, most);
    if (!run) return;
    const FrameSize size = FrameSizeOf(settings_.FrameSmallSize);
    const ItemFrameEvents events{
        [this](ui::Control& sender) { ItemPictureClick(sender); },
        [this](ui::Control& sender) { ItemButtonEnter(sender); },
        [this](ui::Control& sender, bool& disFocus) { ItemButtonLeave(sender, disFocus); },
    };
    TEVScrollBox& page = ChannelBox(channel);
    // The page's scroll bars measure its frames once, not per frame.
    page.BeginUpdate();
    struct EndUpdate {
        TEVScrollBox& box;
        ~EndUpdate() { box.EndUpdate(); }
    } endUpdate{page};
    const auto at = static_cast<std::size_t>(channel);
    Point& origin = nextFrameOrigin_[at];
    for (int k = run->first; k < run->first + run->count; ++k) {
        const int item = firstItemOf_[at] + k;
        const MenuLine& line = unbuiltLines_[at][static_cast<std::size_t>(k)];
        // A page scrolled before it has all its frames has moved the ones it has.
        const Point placed{origin.x - page.HorzPosition(), origin.y - page.VertPosition()};
        const ItemFrame frame = AddItemFrame(page, *framePictures_, size, placed, item, line.item.Caption, events);
        pictures_.Attach(item, frame.picture);
        origin = NextItemOrigin(size, screenWidth_, origin);
    }
    if (channelFrames_.Built(channel)) unbuiltLines_[at] = {};
    // The frames hold their own shares of the built-in pictures.
    if (channelFrames_.AllBuilt()) framePictures_.reset();
}

void TfSmenu::BuildFirstScreen(int channel) {
    const FrameSize size = FrameSizeOf(settings_.FrameSmallSize);
    const int pageHeight = ChannelBox(channel).ClientHeight();
    // And the row below, so that a longer page can be scrolled at once.
    const int inView =
        FramesInView(size, screenWidth_, (pageHeight > 0 ? pageHeight : ClientHeight()) + FrameSizeValues(size).height);
    BuildChannelFrames(channel, inView - channelFrames_.BuiltCount(channel));
}

void TfSmenu::BuildStep() {
    const std::optional<int> next = channelFrames_.Next(pictures_.ShownChannel());
    if (!next) {
        buildStep_.SetEnabled(false);
        return;
    }
    BuildChannelFrames(*next, kFramesPerBuildStep);
    // The neighbours' first screens are made ahead once they have frames.
    if (pictures_.ShownChannel() >= 0) {
        idle_.SetEnabled(false);
        idle_.SetEnabled(true);
    }
}

void TfSmenu::ChannelShown(int channel) {
    // The page shown and the one left keep their paint: turning back and
    // forth between two pages then copies each, whatever they hold. A page
    // kept no longer hands its bitmap on: a new one costs its first paint
    // tens of milliseconds in fresh memory.
    const int left = pictures_.ShownChannel();
    std::unique_ptr<ui::KeptPaint> spare;
    for (int other = 0; other < pictures_.ChannelCount(); ++other) {
        if (other == channel || other == left) continue;
        TEVScrollBox* box = MadeChannelBox(other);
        if (box == nullptr) continue;
        if (std::unique_ptr<ui::KeptPaint> given = box->StopKeepingPaint()) spare = std::move(given);
    }
    ChannelBox(channel).KeepPaint(std::move(spare));
    LoadPageBackground(channel);
    pictures_.ShowChannel(channel);
    idle_.SetEnabled(false);
    idle_.SetEnabled(true);
}

void TfSmenu::IdleTimer() {
    // Still busy with what is on the screen: wait another round.
    if (pictures_.QueueBackground()) idle_.SetEnabled(false);
}

void TfSmenu::ReleasePictures() {
    pictures_.ReleaseAll();
    for (int channel = 0; channel < pictures_.ChannelCount(); ++channel) {
        if (TEVScrollBox* box = MadeChannelBox(channel)) box->StopKeepingPaint();
    }
    // Freed pictures go back to the system, not only to the heap.
    HeapCompact(GetProcessHeap(), 0);
    _heapmin();
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

TEVScrollBox& TfSmenu::ChannelBox(int channel) const {
    const ui::WinControl& page = pages_.Page(channel + 1);
    return dynamic_cast<TEVScrollBox&>(*page.Children().at(0));
}

TEVScrollBox* TfSmenu::MadeChannelBox(int channel) const {
    return channel >= 0 && pages_.PageMade(channel + 1) ? &ChannelBox(channel) : nullptr;
}

void TfSmenu::TabssetChange(ui::Control&, bool& CanChange, int NewTabindex) {
    const bool desktopTab = LockDownFor(settings_).desktopTab;
    const int page = NewTabindex + (desktopTab ? 0 : 1);
    CanChange = page < pages_.PageCount();
    if (!CanChange) {
        ui::ShowError(T(u8"無此頁！"));
        return;
    }
    if (page < 0) return;
    if (page == 0 && desktopTab && desktopCapture_ == nullptr) {
        const HWND desktop = FindDesktopIconsWindow();
        if (desktop != nullptr && IsWindow(desktop)) {
            desktopCapture_ = desktop;
            machine_.SetWindowParent(desktop, pages_.Page(0).Handle());
        }
    }
    // Its first screen of frames before it shows, if the idle steps have
    // not come to it yet; they bring the rest.
    if (page > 0) BuildFirstScreen(page - 1);
    pages_.SetActivePageIndex(page);
    if (page > 0) {
        ChannelShown(page - 1);
        // The page before anything else that waits to be painted: it is
        // what the customer asked for.
        UpdateWindow(ChannelBox(page - 1).Handle());
    }
}

void TfSmenu::Pnl_ChanelMouseEnter(ui::Control&) {
    // The pointer's notices may come late, while the strip slides away
    // from a pointer that has left: only a pointer on the strip brings it.
    if (Pnl_Chanel().Top() < kStripShownTop && CursorOver(Pnl_Chanel())) PanelChannalEnter(false);
}

void TfSmenu::Pnl_ChanelMouseLeave(ui::Control&) {
    if (Pnl_Chanel().Top() >= kStripShownTop) PanelChannalEnter(true);
}

void TfSmenu::PanelChannalEnter(bool hide) {
    // Onto one of the strip's own controls is no leaving.
    if (stripShown_ && CursorOver(Pnl_Chanel())) return;
    stripShown_ = !hide;
    if (!hide) {
        for (int top = kStripHiddenTop; top <= kStripShownTop; ++top) SlideStripTo(top);
    } else {
        for (int top = Pnl_Chanel().Top(); top >= kStripHiddenTop; --top) SlideStripTo(top);
    }
}

void TfSmenu::SlideStripTo(int top) {
    Pnl_Chanel().SetTop(top);
    UpdateWindow(Pnl_Chanel().Handle());
    WaitWithMessagesFlowing(kStripStepMs);
}

void TfSmenu::B_EXitClick(ui::Control&) { Close(); }

void TfSmenu::ItemPictureClick(ui::Control& sender) { itemActions_.PictureButtonClick(sender, items_); }

void TfSmenu::ItemButtonEnter(ui::Control& sender) {
    itemActions_.SmallButtonEnter(dynamic_cast<TEvBtn&>(sender), items_);
}

void TfSmenu::ItemButtonLeave(ui::Control& sender, bool& DisFocus) {
    itemActions_.SmallButtonLeave(dynamic_cast<TEvBtn&>(sender), items_, DisFocus);
}

void TfSmenu::B_intoBrowserClick(ui::Control& sender) { itemActions_.B_intoBrowserClick(sender); }

void TfSmenu::DoShow() {
    TfHintForm::DoShow();
    Pnl_Chanel().SetWidth(StripWidth());
}

void TfSmenu::DoActivate() {
    TfHintForm::DoActivate();
    cafe_.Activated();
}

LRESULT TfSmenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPicturesDone) {
        pictures_.Deliver();
        return 0;
    }
    if (message == WM_ACTIVATEAPP) {
        if (wParam == FALSE) {
            ReleasePictures();
        } else if (pictures_.ShownChannel() >= 0) {
            ChannelShown(pictures_.ShownChannel());
        }
    }
    // Without CanQuit only the café client, an empty menu or Windows
    // ending the session end the menu.
    if (ui::IsOutsideCloseRequest(message, wParam) && !settings_.CanQuit) return 0;
    if (message == WM_ENDSESSION && wParam != FALSE) SessionEnding();
    LRESULT result = 0;
    if (cafe_.HandleMessage(message, wParam, lParam, result)) return result;
    return TfHintForm::HandleMessage(message, wParam, lParam);
}

void TfSmenu::DoDestroy() {
    ui::Application::Instance().OnBringToFront = nullptr;
    idle_.SetEnabled(false);
    buildStep_.SetEnabled(false);
    pictures_.Stop();
    if (desktopCapture_ != nullptr) machine_.SetWindowParent(desktopCapture_, nullptr);
    machine_.ShowTaskbar(true);
    ReleaseLockDown();
    TfHintForm::DoDestroy();
}

}  // namespace corvina
