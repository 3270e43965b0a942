#pragma once
// The café folder on this machine's disk, for the checker.

#include "menu/menu_check.h"

namespace corvina {

class DiskCafeFolderReader final : public CafeFolderReader {
public:
    std::optional<std::string> ReadFile(const Big5& path) override;
    bool FileExists(const Big5& path) override;
    std::optional<std::string> PictureProblem(std::string_view bytes) override;
};

// The path this machine's file functions take: natively the backslashes
// of the menu's paths become slashes (never a trail byte 0x5C of a
// double-byte character); on Windows it is unchanged.
Big5 DiskPath(std::string_view path);

}  // namespace corvina
