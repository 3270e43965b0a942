#include "ui/edit.h"

#include "ui/guard.h"

namespace corvina::ui {

Edit::Edit(WinControl& parent, const Big5& text) : Edit(parent, ES_AUTOHSCROLL | WS_TABSTOP, {0, 0, 121, 21}, text) {}

Edit::Edit(WinControl& parent, DWORD style, const Rect& bounds, const Big5& text)
    : NativeControl(parent, L"EDIT", style, WS_EX_CLIENTEDGE, bounds, text) {
    SetColor(corvina::Color::System(COLOR_WINDOW));
}

void Edit::SetMaxLength(int length) { SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0); }

bool Edit::ReadOnly() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0; }

void Edit::SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }

void Edit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void Edit::Command(WORD code) {
    if (code == EN_CHANGE) Fire(OnChange, *this);
}

}  // namespace corvina::ui
