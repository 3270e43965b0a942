#include "menu/item_action_host.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <utility>

#include "sys/files.h"
#include "sys/profile_file.h"
#include "sys/win32/shell_run.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/win_control.h"
#include "widgets/popup_box.h"
#include "widgets/text_box.h"

namespace corvina {

PopupPlace PopupPlaceOf(const ui::Control& button) {
    const ui::WinControl* parent = button.Parent();
    if (parent == nullptr || parent->Handle() == nullptr) return {};
    const Rect& bounds = button.Bounds();
    const Point at = PopupAnchorPoint(bounds);
    POINT corners[3] = {
        {at.x, at.y}, {bounds.left, bounds.top}, {bounds.left + bounds.width, bounds.top + bounds.height}};
    MapWindowPoints(parent->Handle(), nullptr, corners, 3);
    return {{corners[0].x, corners[0].y}, {corners[1].x, corners[1].y, corners[2].x, corners[2].y}};
}

ItemActionWindows::ItemActionWindows(Machine& machine, MenuSettings& settings, Big5 programFolder,
                                     GameRecordActions records)
    : machine_(machine), settings_(settings), programFolder_(std::move(programFolder)), records_(std::move(records)) {}

bool ItemActionWindows::ItemAction(TEvBtn& button, const MenuItemTable& items, int index, ItemEvent event,
                                   int actionKind) {
    // A hover or click still queued when the menu closes starts nothing.
    if (ui::Application::Ending()) return false;
    // A leave arrives while the hover's popup runs; the hover's button must
    // still be the one whose look ends when the popup closes.
    struct Restore {
        TEvBtn*& hovered;
        TEvBtn* previous;
        ~Restore() { hovered = previous; }
    } restore{hovered_, std::exchange(hovered_, &button)};
    return corvina::ItemAction(*this, items, programFolder_, index, event, actionKind);
}

void ItemActionWindows::PictureButtonClick(const ui::Control& button, const MenuItemTable& items) {
    if (ui::Application::Ending()) return;
    const std::intptr_t tag = button.Tag();
    const int index = tag >= 0 && tag <= INT_MAX ? static_cast<int>(tag) : -1;
    // Starting an item opens no popup: no hovered button is involved.
    struct Restore {
        int& clicked;
        ~Restore() { clicked = -1; }
    } restore{clickedIndex_};
    clickedIndex_ = index;
    corvina::ItemAction(*this, items, programFolder_, index, ItemEvent::Run, 0);
}

void ItemActionWindows::SmallButtonEnter(TEvBtn& button, const MenuItemTable& items) {
    const ItemButtonTag tag = DecodeSmallButtonTag(static_cast<int>(button.Tag()));
    ItemAction(button, items, tag.index, ItemEvent::Hover, tag.actionKind);
}

void ItemActionWindows::SmallButtonLeave(TEvBtn& button, const MenuItemTable& items, bool& DisFocus) {
    const ItemButtonTag tag = DecodeSmallButtonTag(static_cast<int>(button.Tag()));
    DisFocus = ItemAction(button, items, tag.index, ItemEvent::Leave, tag.actionKind);
}

void ItemActionWindows::OpenHomePage() {
    if (ui::Application::Ending()) return;
    const std::optional<Big5> address = HomePageAddress(settings_.HomePage, programFolder_);
    if (!address) return;
    settings_.HomePage = *address;
    OpenWebPage(*address);
}

void ItemActionWindows::B_intoBrowserClick(ui::Control&) { OpenHomePage(); }

bool ItemActionWindows::FileExists(const Big5& path) { return corvina::FileExists(path); }

std::optional<ProfileText> ItemActionWindows::ReadProfile(const Big5& path) {
    if (!corvina::FileExists(path)) return std::nullopt;
    return LoadProfile(path);
}

int ItemActionWindows::RunProgram(const Big5& target, const Big5& folder) {
    long long result = 0;
    if (itemStarted_ && clickedIndex_ >= 0) {
        StartedProgram started = corvina::StartProgram(machine_, target, {}, folder, SW_SHOWNOACTIVATE);
        result = started.result;
        if (result > 32) itemStarted_(clickedIndex_, std::move(started.process));
    } else {
        result = corvina::RunProgram(machine_, target, {}, folder, SW_SHOWNOACTIVATE);
    }
    return static_cast<int>(std::clamp<long long>(result, INT_MIN, INT_MAX));
}

void ItemActionWindows::ShowError(const Big5& message) { ui::ShowError(message); }

void ItemActionWindows::OpenWebPage(const Big5& address) {
    if (!corvina::OpenWebPage(machine_, address, SW_SHOWMAXIMIZED)) ui::ShowError(WebPageFailedMessage());
}

int ItemActionWindows::ShowPopupBox(const std::vector<Big5>& entries, const PopupBoxStyle& style) {
    const PopupPlace place = Place();
    return corvina::ShowPopupBox(place.topLeft, place.anchor, entries, style);
}

void ItemActionWindows::ShowTextBox(const std::vector<Big5>& lines, const TextBoxStyle& style) {
    const PopupPlace place = Place();
    corvina::ShowTextBox(place.topLeft, place.anchor, lines, style);
}

void ItemActionWindows::EndHoverLook() {
    if (hovered_ != nullptr) hovered_->EndHoverLook();
}

bool ItemActionWindows::IsPopupBoxOpen() { return corvina::IsPopupBoxOpen(); }
bool ItemActionWindows::IsTextBoxOpen() { return corvina::IsTextBoxOpen(); }

void ItemActionWindows::LoadGameRecord(const Big5& caption) {
    if (records_.LoadGameRecord) records_.LoadGameRecord(caption);
}

void ItemActionWindows::SaveGameRecord(const Big5& caption) {
    if (records_.SaveGameRecord) records_.SaveGameRecord(caption);
}

PopupPlace ItemActionWindows::Place() const { return hovered_ != nullptr ? PopupPlaceOf(*hovered_) : PopupPlace{}; }

}  // namespace corvina
