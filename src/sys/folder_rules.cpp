#include "sys/folder_rules.h"

#include "sys/strings.h"

namespace corvina {

namespace {

// Offsets just past each backslash character.
std::vector<std::size_t> BackslashEnds(std::string_view path) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\') ends.push_back(i + 1);
        if (IsBig5LeadByte(static_cast<unsigned char>(path[i]))) ++i;
    }
    return ends;
}

std::string_view FileNameOf(std::string_view path) { return path.substr(LastBackslashEnd(path)); }

}  // namespace

std::vector<Big5> FolderPrefixes(std::string_view path) {
    if (path.empty()) return {};
    const Big5 full = AddTrailingBackslash(path);
    const std::vector<std::size_t> ends = BackslashEnds(full);
    // "\\server\share\": the first folder ends at the fourth backslash.
    const bool network = full.starts_with("\\\\");
    std::vector<Big5> prefixes;
    for (std::size_t n = network ? 3 : 0; n < ends.size(); ++n) prefixes.push_back(full.substr(0, ends[n]));
    return prefixes;
}

bool ForceFolderWith(std::string_view path, const FolderTest& exists, const FolderTest& create) {
    if (path.empty()) return false;
    const Big5 full = AddTrailingBackslash(path);
    if (exists(full)) return true;
    for (const Big5& folder : FolderPrefixes(full)) {
        if (!exists(folder) && !create(folder)) return false;
    }
    return exists(full);
}

Big5 BaseNameOf(std::string_view path) {
    const std::string_view name = FileNameOf(path);
    return Big5{name.substr(0, name.size() - FileExtension(name).size())};
}

Big5 InProgramFolder(std::string_view programFolder, std::string_view path) {
    if (TrimControlAndBlanks(path).empty()) return Big5{path};
    // No trail byte is a ':' (trail bytes start at 0x40), so a second byte
    // ':' is a drive.
    const bool full = path.starts_with('\\') || path.starts_with('/') || (path.size() >= 2 && path[1] == ':');
    return full ? Big5{path} : Big5{programFolder} + Big5{path};
}

Big5 FolderOfFile(std::string_view path) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == '/') end = i + 1;
        if (IsBig5LeadByte(static_cast<unsigned char>(path[i]))) ++i;
    }
    return Big5{path.substr(0, end)};
}

std::string_view FileExtension(std::string_view path) {
    const std::string_view name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

}  // namespace corvina
