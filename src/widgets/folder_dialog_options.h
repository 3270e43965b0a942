#pragma once
// The folder dialog's options and their rules: which options exclude or
// imply others, the browser flags they give, the special folders of the
// tree's root and where the browser window is placed.

#include <initializer_list>
#include <optional>

#include "sys/geometry.h"

namespace corvina {

enum class TFolderDialogOption {
    bfFileSysDirsOnly,
    bfDontGoBelowDomain,
    bfStatusText,
    bfFileSysAncestors,
    bfBrowseForComputer,
    bfBrowseForPrinter,
    bfBrowseIncludeFiles,
    bfShowPathInStatusArea,
    bfSyncCustomButton,
    bfAlignCustomButton,
    bfScreenCenter,
    bfParentCenter,
    bfResizeCustomButton,
};

class TFolderDialogOptions {
public:
    constexpr TFolderDialogOptions() = default;
    constexpr TFolderDialogOptions(std::initializer_list<TFolderDialogOption> options) {
        for (TFolderDialogOption option : options) bits_ |= Bit(option);
    }

    constexpr bool Has(TFolderDialogOption option) const { return (bits_ & Bit(option)) != 0; }
    constexpr TFolderDialogOptions& Add(TFolderDialogOption option) {
        bits_ |= Bit(option);
        return *this;
    }
    constexpr TFolderDialogOptions& Remove(TFolderDialogOption option) {
        bits_ &= ~Bit(option);
        return *this;
    }
    friend constexpr bool operator==(TFolderDialogOptions, TFolderDialogOptions) = default;

private:
    static constexpr unsigned Bit(TFolderDialogOption option) { return 1u << static_cast<unsigned>(option); }
    unsigned bits_ = 0;
};

inline constexpr TFolderDialogOptions kDefaultFolderDialogOptions{
    TFolderDialogOption::bfFileSysDirsOnly,      TFolderDialogOption::bfStatusText,
    TFolderDialogOption::bfShowPathInStatusArea, TFolderDialogOption::bfSyncCustomButton,
    TFolderDialogOption::bfAlignCustomButton,    TFolderDialogOption::bfParentCenter};

enum class TShellFolder {
    sfoDesktopExpanded,
    sfoDesktop,
    sfoPrograms,
    sfoControlPanel,
    sfoPrinters,
    sfoPersonal,
    sfoFavorites,
    sfoStartup,
    sfoRecent,
    sfoSendto,
    sfoRecycleBin,
    sfoStartMenu,
    sfoDesktopDirectory,
    sfoMyComputer,
    sfoNetwork,
    sfoNetworkNeighborhood,
    sfoFonts,
    sfoTemplates,
    sfoCommonStartMenu,
    sfoCommonPrograms,
    sfoCommonStartup,
    sfoCommonDesktopDirectory,
    sfoAppData,
    sfoPrintHood,
};

struct FolderOptionsChange {
    TFolderDialogOptions options;
    std::optional<TShellFolder> root;  // a new root folder, when the change asks for one
};

// The options that setting `requested` over `before` really gives.
FolderOptionsChange ApplyFolderOptions(TFolderDialogOptions before, TFolderDialogOptions requested);

// The browser's own flags, from the first seven options.
unsigned FolderBrowseFlags(TFolderDialogOptions options);

// The platform's special-folder number; nothing for the expanded desktop.
std::optional<int> SpecialFolderNumber(TShellFolder folder);

// Where the browser's top-left corner goes, in screen coordinates.
// `ownerClientOrigin` is the owner's client (0, 0) on the screen.
struct FolderDialogPlacement {
    Rect owner;  // the owner window on the screen
    Point ownerClientOrigin;
    Rect screen;  // the screen's free area
    Size dialog;
    Point position;  // Left, Top
};
Point FolderDialogPosition(TFolderDialogOptions options, const FolderDialogPlacement& placement);

}  // namespace corvina
