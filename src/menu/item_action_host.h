#pragma once
// The window side of the item buttons' actions: the popups open beside the
// hovered button, programs and web pages go through the machine, failures
// to a message box, and the game-record choices to the records' flow.

#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "menu/item_actions.h"
#include "menu/menu_data.h"
#include "settings/settings.h"
#include "sys/big5.h"
#include "sys/edge_rect.h"
#include "sys/win32/handles.h"
#include "sys/win32/machine.h"
#include "ui/control.h"
#include "widgets/ev_btn.h"

namespace corvina {

// `LoadGameRecord` and `SaveGameRecord` of an item, by its caption.
struct GameRecordActions {
    std::function<void(const Big5& caption)> LoadGameRecord;
    std::function<void(const Big5& caption)> SaveGameRecord;
};

// Where an item's popup opens and what keeps it open, on the screen.
struct PopupPlace {
    Point topLeft;
    EdgeRect anchor;  // all zero: none
};

// 2 pixels right of the button, level with its top, and the button's own
// rectangle; nothing for a button not on a window.
PopupPlace PopupPlaceOf(const ui::Control& button);

class ItemActionWindows final : public ItemActionHost {
public:
    // `settings.HomePage` is kept prefixed once `OpenHomePage` has prefixed it.
    ItemActionWindows(Machine& machine, MenuSettings& settings, Big5 programFolder, GameRecordActions records);

    // The button whose popup the next action opens and whose hover look it
    // ends, for callers of corvina::ItemAction; null for none.
    void SetHoveredButton(TEvBtn* button) { hovered_ = button; }

    // `ItemAction` with `button` as the hovered one meanwhile; its result is
    // DisFocus after a leave.
    bool ItemAction(TEvBtn& button, const MenuItemTable& items, int index, ItemEvent event, int actionKind);
    // The frame buttons' handlers: the picture button's tag is the item
    // index, a small button's the action kind × 1000 + the index.
    void PictureButtonClick(const ui::Control& button, const MenuItemTable& items);
    void SmallButtonEnter(TEvBtn& button, const MenuItemTable& items);
    void SmallButtonLeave(TEvBtn& button, const MenuItemTable& items, bool& DisFocus);

    // Told of every item the customer started, with the process the shell
    // started for it, when there is one.
    using ItemStarted = std::function<void(int index, win32::ScopedHandle process)>;
    void SetItemStarted(ItemStarted started) { itemStarted_ = std::move(started); }

    // The café's home page in the browser, maximised; nothing when unset.
    void OpenHomePage();
    void B_intoBrowserClick(ui::Control& sender);

    bool FileExists(const Big5& path) override;
    std::optional<ProfileText> ReadProfile(const Big5& path) override;
    int RunProgram(const Big5& target, const Big5& folder) override;
    void ShowError(const Big5& message) override;
    void OpenWebPage(const Big5& address) override;
    int ShowPopupBox(const std::vector<Big5>& entries, const PopupBoxStyle& style) override;
    void ShowTextBox(const std::vector<Big5>& lines, const TextBoxStyle& style) override;
    void EndHoverLook() override;
    bool IsPopupBoxOpen() override;
    bool IsTextBoxOpen() override;
    void LoadGameRecord(const Big5& caption) override;
    void SaveGameRecord(const Big5& caption) override;

private:
    PopupPlace Place() const;

    Machine& machine_;
    MenuSettings& settings_;
    Big5 programFolder_;
    GameRecordActions records_;
    TEvBtn* hovered_ = nullptr;
    ItemStarted itemStarted_;
    int clickedIndex_ = -1;  // the picture clicked, while its click runs
};

}  // namespace corvina
