#pragma once
// Path rules of the system helpers: which folders `ForceFolder` walks, the
// program's base name and a file's extension. Big5-aware: a trail byte of
// 0x5C is no backslash.

#include <functional>
#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

// Every prefix of the path (with a backslash appended) that ends at a
// backslash, from the drive's root, or for "\\server\share\..." from the
// share's root: the server alone is no folder.
std::vector<Big5> FolderPrefixes(std::string_view path);

using FolderTest = std::function<bool(const Big5& folder)>;

// `ForceFolder`: false for an empty path; true when the folder exists,
// else each missing prefix is created in turn and the first failure gives
// false. The result is whether the folder exists at the end.
bool ForceFolderWith(std::string_view path, const FolderTest& exists, const FolderTest& create);

// `ProgramBaseName`: the file name without folder, cut before its last ".".
Big5 BaseNameOf(std::string_view path);

// From the last "." of the file name, dot included; empty without one.
std::string_view FileExtension(std::string_view path);

// A path read from the program's own files (settings, menu, per-item
// files): a full one (a drive, or a leading backslash or slash) as written,
// any other taken from the program folder. The current folder never counts:
// started at log-on it is the system folder. A blank path stays blank.
Big5 InProgramFolder(std::string_view programFolder, std::string_view path);

// The folder a started file runs in: its own, up to and with its last
// backslash or slash; empty for a bare name.
Big5 FolderOfFile(std::string_view path);

}  // namespace corvina
