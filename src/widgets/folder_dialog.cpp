#include "widgets/folder_dialog.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <string>

#include "sys/text.h"
#include "sys/win32/dc_state.h"
#include "sys/win32/handles.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/guard.h"

namespace corvina {

namespace {

// The browser's status line.
constexpr int kStatusTextId = 0x3743;

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const noexcept { CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

Big5 PathOf(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH]{};
    if (item == nullptr || !SHGetPathFromIDListW(item, path)) return {};
    // A folder whose name has no Big5 form counts as none chosen: the
    // program could never reach it by that name.
    return ExactBig5FromWide(path).value_or(Big5{});
}

Rect ScreenRectOf(HWND window) {
    RECT r{};
    if (window) {
        GetWindowRect(window, &r);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The path fitted into the status line, shortened in the middle.
std::wstring FittedPath(HWND status, const std::wstring& path) {
    RECT client{};
    GetClientRect(status, &client);
    std::wstring fitted = path;
    fitted.resize(std::max<std::size_t>(fitted.size() + 1, MAX_PATH), L'\0');
    const win32::ReleasedDC dc = win32::ReleasedDC::Of(status);
    const win32::SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(status, WM_GETFONT, 0, 0)));
    PathCompactPathW(dc.Get(), fitted.data(), static_cast<UINT>(client.right - client.left));
    fitted.resize(fitted.find(L'\0'));
    return fitted;
}

}  // namespace

TFolderDialog::TFolderDialog(ui::WinControl* owner) : owner_(owner) {}

void TFolderDialog::SetTitle(const Big5& title) {
    title_ = title;
    if (window_) SetWindowTextW(window_, WideFromBig5(title_).c_str());
}

void TFolderDialog::SetDirectory(const Big5& directory) {
    directory_ = directory;
    if (window_) {
        const std::wstring wide = WideFromBig5(directory_);
        SendMessageW(window_, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

void TFolderDialog::SetOptions(TFolderDialogOptions options) {
    const FolderOptionsChange change = ApplyFolderOptions(options_, options);
    options_ = change.options;
    if (change.root) rootFolder_ = *change.root;
}

HWND TFolderDialog::OwnerWindow() const {
    if (owner_) return owner_->Handle();
    const ui::Form* main = ui::Application::Instance().MainForm();
    return main ? main->Handle() : nullptr;
}

void TFolderDialog::Fire(const Event& event) {
    if (event) ui::Guarded([&] { event(*this); });
}

bool TFolderDialog::Execute() {
    const HWND owner = OwnerWindow();
    ItemList root;
    if (const std::optional<int> number = SpecialFolderNumber(rootFolder_)) {
        ITEMIDLIST* list = nullptr;
        if (SUCCEEDED(SHGetSpecialFolderLocation(owner, *number, &list))) root.reset(list);
    }
    const std::wstring text = WideFromBig5(text_);
    wchar_t displayName[MAX_PATH]{};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = root.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = text.empty() ? nullptr : text.c_str();
    info.ulFlags = FolderBrowseFlags(options_);
    info.lpfn = &TFolderDialog::BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);

    const ItemList chosen(SHBrowseForFolderW(&info));
    window_ = nullptr;
    if (owner) SetFocus(owner);
    directory_ = chosen ? PathOf(chosen.get()) : Big5{};
    Fire(OnClose);
    return chosen != nullptr;
}

int CALLBACK TFolderDialog::BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data) noexcept {
    auto* dialog = reinterpret_cast<TFolderDialog*>(data);
    ui::Guarded([&] {
        if (message == BFFM_INITIALIZED) dialog->Opened(window);
        if (message == BFFM_SELCHANGED) dialog->SelectionChanged(PathOf(reinterpret_cast<LPCITEMIDLIST>(lParam)));
    });
    return 0;
}

void TFolderDialog::Opened(HWND window) {
    window_ = window;
    RECT own{};
    GetWindowRect(window, &own);
    FolderDialogPlacement placement;
    const HWND owner = OwnerWindow();
    placement.owner = ScreenRectOf(owner);
    POINT origin{0, 0};
    if (owner) ClientToScreen(owner, &origin);
    placement.ownerClientOrigin = {origin.x, origin.y};
    placement.screen = ScreenRectOf(nullptr);
    placement.dialog = {own.right - own.left, own.bottom - own.top};
    placement.position = {left_, top_};
    const Point at = FolderDialogPosition(options_, placement);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!directory_.empty()) SetDirectory(directory_);
    SetTitle(title_);
    Fire(OnShow);
}

void TFolderDialog::SelectionChanged(const Big5& path) {
    directory_ = path;
    if (options_.Has(TFolderDialogOption::bfFileSysDirsOnly)) {
        SendMessageW(window_, BFFM_ENABLEOK, 0, path.empty() ? 0 : 1);
    }
    const HWND status = GetDlgItem(window_, kStatusTextId);
    if (!path.empty()) {
        if (options_.Has(TFolderDialogOption::bfShowPathInStatusArea) && status) {
            const std::wstring fitted = FittedPath(status, WideFromBig5(path));
            SendMessageW(window_, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(fitted.c_str()));
        }
        Fire(OnChange);
    } else if (options_.Has(TFolderDialogOption::bfFileSysDirsOnly) ||
               options_.Has(TFolderDialogOption::bfShowPathInStatusArea)) {
        SendMessageW(window_, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(L""));
    }
}

}  // namespace corvina
