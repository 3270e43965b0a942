#pragma once
// Whole-file access by Big5 path. On Windows paths go through code page
// 950 to the W functions; natively they are converted to UTF-8.
//
// Errors, here and in the code that calls it:
// - a failure inside a step, which the step reports (to the administrator's
//   log, or to the customer), is an exception: std::runtime_error naming
//   the path;
// - what may be absent (a missing or unreadable file) is std::optional;
// - a bool is returned only where the caller decides what a failure means,
//   and is [[nodiscard]]: every caller acts on it, or says why it need not.

#include <cstdint>
#include <optional>
#include <string>

#include "sys/big5.h"

namespace corvina {

[[nodiscard]] bool FileExists(const Big5& path);
[[nodiscard]] bool FolderExists(const Big5& path);
// Nothing when the file does not exist or cannot be read.
[[nodiscard]] std::optional<std::uint64_t> FileSizeOf(const Big5& path);
// Nothing when the file does not exist or cannot be read.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const Big5& path);
// Replaces the file; throws std::runtime_error naming the path on failure.
void WriteFileBytes(const Big5& path, std::string_view bytes);
// Adds to the end of the file, creating it when missing; throws
// std::runtime_error naming the path on failure.
void AppendFileBytes(const Big5& path, std::string_view bytes);
// True when the file existed and is gone.
[[nodiscard]] bool DeleteFileAt(const Big5& path);
// Cuts an existing file to no bytes; false when there is no such file or
// it may not be written.
[[nodiscard]] bool EmptyFileAt(const Big5& path);
// Renames or moves a file, replacing one of the new name. A running
// program's file may be renamed, though not overwritten.
[[nodiscard]] bool MoveFileTo(const Big5& from, const Big5& to);

}  // namespace corvina
