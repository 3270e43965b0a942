#pragma once
// The folder dialog: the system's folder browser with a title, a
// preselected folder, an instruction text, a root folder, placement and
// the option rules of folder_dialog_options.h.

#include <windows.h>

#include <functional>

#include "sys/big5.h"
#include "ui/win_control.h"
#include "widgets/choosers.h"
#include "widgets/folder_dialog_options.h"

namespace corvina {

class TFolderDialog final : public FolderChooser {
public:
    using Event = std::function<void(TFolderDialog& sender)>;

    // `owner` (may be null: the application's main form) owns the browser.
    explicit TFolderDialog(ui::WinControl* owner = nullptr);

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D) { ctl3D_ = ctl3D; }
    int Top() const { return top_; }
    void SetTop(int top) { top_ = static_cast<short>(top); }
    int Left() const { return left_; }
    void SetLeft(int left) { left_ = static_cast<short>(left); }
    const Big5& Title() const { return title_; }
    // Changes the open browser's caption at once.
    void SetTitle(const Big5& title);
    // While the browser is open: the current selection's path.
    Big5 Directory() const override { return directory_; }
    // Selects the folder in the open browser at once.
    void SetDirectory(const Big5& directory);
    const Big5& Text() const { return text_; }
    void SetText(const Big5& text) { text_ = text; }
    TFolderDialogOptions Options() const { return options_; }
    void SetOptions(TFolderDialogOptions options);
    TShellFolder RootFolder() const { return rootFolder_; }
    void SetRootFolder(TShellFolder folder) { rootFolder_ = folder; }

    bool Execute() override;
    // The open browser's window, or null.
    HWND Window() const { return window_; }

    Event OnShow;
    Event OnClose;
    Event OnChange;

private:
    static int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data) noexcept;
    void Opened(HWND window);
    void SelectionChanged(const Big5& path);
    HWND OwnerWindow() const;
    void Fire(const Event& event);

    ui::WinControl* owner_;
    bool ctl3D_ = true;
    short top_ = 0;
    short left_ = 0;
    Big5 title_ = "Browse for Folder";
    Big5 directory_;
    Big5 text_;
    TFolderDialogOptions options_ = kDefaultFolderDialogOptions;
    TShellFolder rootFolder_ = TShellFolder::sfoDesktopExpanded;
    HWND window_ = nullptr;
};

}  // namespace corvina
