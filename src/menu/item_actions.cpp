#include "menu/item_actions.h"

#include <cctype>
#include <string>

#include "settings/item_file.h"
#include "sys/folder_rules.h"
#include "sys/text.h"

namespace corvina {

namespace {

constexpr int kKindGameRecords = 1;
constexpr int kKindWebLinks = 2;
constexpr int kKindNote = 3;

constexpr Color kNavy = Color::Rgb(0, 0, 128);
constexpr Color kWhite = Color::Rgb(255, 255, 255);
constexpr Color kPopupStripe = Color::Rgb(211, 211, 169);
constexpr int kPopupFontSize = 10;

PopupBoxStyle ItemPopupStyle(Color selectedRow, Color selectedText) {
    return {kPopupStripe, kPopupStripe,   kWhite,         1, false, selectedRow, selectedText,
            kNavy,        kPopupFontSize, T(u8"新細明體")};
}

}  // namespace

ItemButtonTag DecodeSmallButtonTag(int tag) {
    const std::string digits = std::to_string(tag);
    if (digits.size() < 2 || !std::isdigit(static_cast<unsigned char>(digits[0]))) return {};
    return {digits[0] - '0', std::stoi(digits.substr(1))};
}

ItemActionPlan PlanItemAction(int index, int itemCount, ItemEvent event, int actionKind, bool popupBoxOpen,
                              bool textBoxOpen) {
    if (index < 0 || index >= itemCount) return {};
    switch (event) {
        case ItemEvent::Run:
            return {ItemStep::RunItem, false};
        case ItemEvent::Hover:
            switch (actionKind) {
                case kKindGameRecords:
                    return {ItemStep::ShowRecordsMenu, false};
                case kKindWebLinks:
                    return {ItemStep::ShowWebLinks, false};
                case kKindNote:
                    return {ItemStep::ShowNotes, false};
                default:
                    return {};
            }
        case ItemEvent::Leave:
            switch (actionKind) {
                case kKindGameRecords:
                case kKindWebLinks:
                    return {ItemStep::Nothing, !popupBoxOpen};
                case kKindNote:
                    return {ItemStep::Nothing, !textBoxOpen};
                default:
                    return {};
            }
    }
    return {};
}

Point PopupAnchorPoint(const Rect& buttonInParent) {
    return {buttonInParent.left + buttonInParent.width + 2, buttonInParent.top};
}

Big5 MissingTargetMessage() { return T(u8"執行路徑或檔案不存在！"); }
Big5 RunFailedMessage() { return T(u8"檔案執行失敗！"); }
Big5 WebPageFailedMessage() { return T(u8"無法開啟網頁，請通知櫃台！"); }

std::vector<Big5> RecordsMenuEntries() { return {T(u8"讀取遊戲記錄"), T(u8"儲存遊戲記錄")}; }

PopupBoxStyle RecordsPopupStyle() { return ItemPopupStyle(Color::Rgb(128, 64, 64), Color::Rgb(255, 255, 0)); }
PopupBoxStyle WebLinksPopupStyle() { return ItemPopupStyle(kNavy, kWhite); }
TextBoxStyle NoteBoxStyle() { return {Color::Rgb(255, 221, 170), Color::Rgb(0, 0, 0), kPopupFontSize}; }

std::optional<Big5> HomePageAddress(std::string_view homePage, std::string_view programFolder) {
    if (homePage.empty()) return std::nullopt;
    // Every "http://" holds a ':', so the colon alone decides; it lies below
    // every trail byte, so the search finds only the character.
    if (homePage.find(':') != std::string_view::npos) return Big5{homePage};
    // A network or root path is no file of the program folder either.
    return InProgramFolder(programFolder, homePage);
}

void RunItem(ItemActionHost& host, const Big5& target) {
    if (!host.FileExists(target)) {
        host.ShowError(MissingTargetMessage());
        return;
    }
    // In its own folder: a game reads its data from the working folder, and
    // the menu's own is the system folder when it starts at log-on.
    if (host.RunProgram(target, FolderOfFile(target)) <= 32) host.ShowError(RunFailedMessage());
}

namespace {

int ShowRecordsMenu(ItemActionHost& host) {
    const int chosen = host.ShowPopupBox(RecordsMenuEntries(), RecordsPopupStyle());
    host.EndHoverLook();
    return chosen + 1;
}

void ShowWebLinks(ItemActionHost& host, const Big5& itemFile) {
    const auto profile = host.ReadProfile(itemFile);
    if (!profile) return;
    const std::vector<WebLink> links = ReadWebLinks(*profile);
    if (links.empty()) return;
    std::vector<Big5> names;
    for (const WebLink& link : links) names.push_back(link.name);
    const int chosen = host.ShowPopupBox(names, WebLinksPopupStyle());
    host.EndHoverLook();
    if (chosen < 0 || chosen >= static_cast<int>(links.size())) return;
    const Big5& address = links[static_cast<std::size_t>(chosen)].address;
    if (!address.empty()) host.OpenWebPage(address);
}

void ShowNotes(ItemActionHost& host, const Big5& itemFile) {
    const auto profile = host.ReadProfile(itemFile);
    if (!profile) return;
    host.ShowTextBox(ReadMemoLines(*profile), NoteBoxStyle());
    host.EndHoverLook();
}

}  // namespace

bool ItemAction(ItemActionHost& host, const MenuItemTable& items, std::string_view programFolder, int index,
                ItemEvent event, int actionKind) {
    const bool leave = event == ItemEvent::Leave;
    const ItemActionPlan plan = PlanItemAction(index, items.Count(), event, actionKind, leave && host.IsPopupBoxOpen(),
                                               leave && host.IsTextBoxOpen());
    const MenuItem* item = items.Find(index);
    if (item == nullptr) return plan.result;
    const Big5 itemFile = ItemFilePath(programFolder, item->Caption);
    switch (plan.step) {
        case ItemStep::Nothing:
            break;
        case ItemStep::RunItem:
            RunItem(host, item->Target);
            break;
        case ItemStep::ShowRecordsMenu:
            switch (ShowRecordsMenu(host)) {
                case 1:
                    host.LoadGameRecord(item->Caption);
                    break;
                case 2:
                    host.SaveGameRecord(item->Caption);
                    break;
                default:
                    break;
            }
            break;
        case ItemStep::ShowWebLinks:
            ShowWebLinks(host, itemFile);
            break;
        case ItemStep::ShowNotes:
            ShowNotes(host, itemFile);
            break;
    }
    return plan.result;
}

}  // namespace corvina
