#include "ui/list_box.h"

#include <algorithm>
#include <string>

#include "sys/text.h"

namespace corvina::ui {

ListBox::ListBox(WinControl& parent, bool sorted)
    : NativeControl(parent, L"LISTBOX",
                    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | (sorted ? LBS_SORT : 0u),
                    WS_EX_CLIENTEDGE, {0, 0, 121, 97}) {
    SetColor(corvina::Color::System(COLOR_WINDOW));
}

int ListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

Big5 ListBox::Item(int index) const {
    const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return Big5FromWide(text);
}

int ListBox::AddItem(const Big5& text) {
    const std::wstring wide = WideFromBig5(text);
    return static_cast<int>(SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

void ListBox::SetItems(const std::vector<Big5>& items) {
    Clear();
    for (const Big5& item : items) AddItem(item);
}

void ListBox::Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

void ListBox::ListFiles(const Big5& pattern) {
    Clear();
    const std::wstring wide = WideFromBig5(pattern);
    SendMessageW(Handle(), LB_DIR, DDL_READWRITE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ListBox::SetItemHeight(int height) {
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(height));
    Invalidate();
}

int ListBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }

void ListBox::SetItemIndex(int index) {
    if (index == ItemIndex()) return;
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBox::Command(WORD code) {
    if (code == LBN_SELCHANGE) Click();
}

}  // namespace corvina::ui
