#include "widgets/ev_edit.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "sys/text.h"
#include "sys/win32/clipboard.h"
#include "ui/message_box.h"

namespace corvina {

namespace {

// Leaving is handled once the focus has moved: a message box inside
// WM_KILLFOCUS would fight the focus change.
constexpr UINT kFieldLeft = WM_APP + 0x45;

struct Selection {
    std::size_t start = 0;
    std::size_t end = 0;
};

Selection SelectionOf(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {std::min(start, end), std::max(start, end)};
}

// The clipboard's text, up to its first line end as a one-line edit takes it.
std::optional<std::wstring> ClipboardLine(HWND owner) {
    std::optional<std::wstring> text = win32::ClipboardText(owner);
    if (text) text->erase(std::min(text->find_first_of(L"\r\n"), text->size()));
    return text;
}

}  // namespace

TEvEdit::TEvEdit(ui::WinControl& parent, const Big5& text) : ui::Edit(parent, text) {}

void TEvEdit::SetEV_Format_style(EVshowStyle style) {
    if (style == format_.EV_Format_style) return;
    format_.EV_Format_style = style;
    Invalidate();
}

void TEvEdit::SetEV_Format(std::string_view format) {
    EditFormat changed = format_;
    changed.SetFormatText(format);
    if (changed.EV_Format == format_.EV_Format) return;
    format_ = changed;
    Invalidate();
}

void TEvEdit::SetEV_Format_EAT0(bool eat0) {
    if (eat0 == format_.EV_Format_EAT0) return;
    format_.EV_Format_EAT0 = eat0;
    Invalidate();
}

void TEvEdit::SetEV_KeyinCase(EvStyle keyinCase) {
    if (keyinCase == keyinCase_) return;
    keyinCase_ = keyinCase;
    Invalidate();
}

void TEvEdit::SetMaxLength(std::size_t bytes) {
    maxLength_ = bytes;
    // Every character takes a byte at least: the edit's own count is a first bound.
    ui::Edit::SetMaxLength(static_cast<int>(std::min<std::size_t>(bytes, 0x7FFFFFFE)));
}

void TEvEdit::SetPasswordChar(wchar_t mask) {
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, mask, 0);
    Invalidate();
}

void TEvEdit::ApplyFormat() {
    const FormatOutcome outcome = formatter_.ApplyFormat(format_, Text());
    if (outcome.kind == FormatOutcome::Kind::SetText) SetText(outcome.text);
    if (outcome.kind == FormatOutcome::Kind::FormatError) ui::ShowMessage(Big5(kFormatErrorText));
}

LRESULT TEvEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PASTE && maxLength_ > 0) {
        Paste();
        return 0;
    }
    if (message == kFieldLeft) {
        ApplyFormat();
        return 0;
    }
    if (message == WM_KILLFOCUS) PostMessageW(Handle(), kFieldLeft, 0, 0);
    return ui::Edit::HandleMessage(message, wParam, lParam);
}

void TEvEdit::KeyPress(wchar_t& key) {
    const FilteredKey filtered = FilterKey(keyinCase_, key, WideText(), SelectionStart());
    if (filtered.caret) {
        SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(*filtered.caret), static_cast<LPARAM>(*filtered.caret));
    }
    if (filtered.Beep()) MessageBeep(1);
    key = filtered.key;
    ui::Edit::KeyPress(key);
    if (key >= 32 && !Fits(std::wstring_view(&key, 1))) {
        MessageBeep(1);
        key = 0;
    }
}

void TEvEdit::Command(WORD code) {
    if (code == EN_CHANGE && formatter_.TextChanged(Focused())) ApplyFormat();
    ui::Edit::Command(code);
}

std::wstring TEvEdit::WideText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(std::max(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

std::size_t TEvEdit::SelectionStart() const { return SelectionOf(Handle()).start; }

bool TEvEdit::Fits(std::wstring_view inserted) const {
    if (maxLength_ == 0) return true;
    const std::wstring text = WideText();
    const Selection selection = SelectionOf(Handle());
    const std::wstring_view selected =
        std::wstring_view(text).substr(std::min(selection.start, text.size()), selection.end - selection.start);
    const Big5 bytes = Big5FromWide(inserted);
    return FittingInsertLength(Big5FromWide(text).size(), Big5FromWide(selected).size(), bytes, maxLength_) ==
           bytes.size();
}

// Pasted text is cut to what the byte limit leaves, whole characters only.
void TEvEdit::Paste() {
    const std::optional<std::wstring> line = ClipboardLine(Handle());
    if (!line) return;
    // A character takes one byte at least.
    std::wstring fitting = line->substr(0, maxLength_);
    while (!fitting.empty() && !Fits(fitting)) fitting.pop_back();
    SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fitting.c_str()));
}

}  // namespace corvina
