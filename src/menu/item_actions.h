#pragma once
// What the buttons of an item frame do: the picture button starts the item,
// the small buttons open the game-record choice, the web links or the note
// beside them. The window side supplies the popups, the shell and the
// files through ItemActionHost.

#include <optional>
#include <string_view>
#include <vector>

#include "menu/menu_data.h"
#include "sys/big5.h"
#include "sys/geometry.h"
#include "sys/popup_sizes.h"
#include "sys/profile.h"

namespace corvina {

enum class ItemEvent { Run, Hover, Leave };

struct ItemButtonTag {
    int actionKind = 0;
    int index = -1;
    friend bool operator==(const ItemButtonTag&, const ItemButtonTag&) = default;
};

// A small button's tag read as decimal text: its first digit is the action
// kind, the remaining digits the index (2005: kind 2, item 5). A tag without
// remaining digits, or not starting with a digit, names no item (index -1).
ItemButtonTag DecodeSmallButtonTag(int tag);

enum class ItemStep { Nothing, RunItem, ShowRecordsMenu, ShowWebLinks, ShowNotes };

struct ItemActionPlan {
    ItemStep step = ItemStep::Nothing;
    bool result = false;  // what `ItemAction` returns: DisFocus after a leave
    friend bool operator==(const ItemActionPlan&, const ItemActionPlan&) = default;
};

// `ItemAction`'s table. A leave keeps the hover look (result false) while
// the button's popup is open: the list box for kinds 1 and 2, the text box
// for kind 3.
ItemActionPlan PlanItemAction(int index, int itemCount, ItemEvent event, int actionKind, bool popupBoxOpen,
                              bool textBoxOpen);

// Where an item's popup opens: 2 pixels right of the button, level with its
// top, in the button parent's coordinates.
Point PopupAnchorPoint(const Rect& buttonInParent);

Big5 MissingTargetMessage();  // "執行路徑或檔案不存在！"
Big5 RunFailedMessage();      // "檔案執行失敗！"
Big5 WebPageFailedMessage();  // the browser would not open the page

std::vector<Big5> RecordsMenuEntries();
PopupBoxStyle RecordsPopupStyle();
PopupBoxStyle WebLinksPopupStyle();
TextBoxStyle NoteBoxStyle();

// The address `OpenHomePage` opens: a home page with neither "http://" nor
// ":" (letter case aside) lies in the program folder, unless it starts with
// a backslash or slash (a network or root path). Nothing when empty.
std::optional<Big5> HomePageAddress(std::string_view homePage, std::string_view programFolder);

// The window side of the item actions.
class ItemActionHost {
public:
    virtual ~ItemActionHost() = default;
    virtual bool FileExists(const Big5& path) = 0;
    // Nothing when the file does not exist.
    virtual std::optional<ProfileText> ReadProfile(const Big5& path) = 0;
    // The shell's result code; above 32 is success. `folder` is the
    // started program's working folder.
    virtual int RunProgram(const Big5& target, const Big5& folder) = 0;
    virtual void ShowError(const Big5& message) = 0;
    virtual void OpenWebPage(const Big5& address) = 0;
    // At the hovered button's anchor; the chosen entry or -1.
    virtual int ShowPopupBox(const std::vector<Big5>& entries, const PopupBoxStyle& style) = 0;
    // At the hovered button's anchor; returns when the box closes.
    virtual void ShowTextBox(const std::vector<Big5>& lines, const TextBoxStyle& style) = 0;
    virtual void EndHoverLook() = 0;
    virtual bool IsPopupBoxOpen() = 0;
    virtual bool IsTextBoxOpen() = 0;
    virtual void LoadGameRecord(const Big5& caption) = 0;
    virtual void SaveGameRecord(const Big5& caption) = 0;
};

// `ItemAction`: runs the plan for the item of that index.
bool ItemAction(ItemActionHost& host, const MenuItemTable& items, std::string_view programFolder, int index,
                ItemEvent event, int actionKind);

// `RunItem`: a missing file or a failed start is reported; the whole target
// goes to the shell, however long, with the target's folder as working
// folder (a document's program gets the document's folder).
void RunItem(ItemActionHost& host, const Big5& target);

}  // namespace corvina
