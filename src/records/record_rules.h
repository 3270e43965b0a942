#pragma once
// What a record copy may carry. The record store is written by every
// customer of the café, so a file there is untrusted: only save-files are
// copied, never a program or shortcut a game would load or a customer
// would start, never more than the limits allow, never onto anything but a
// plain file inside the target folder. Names are the file system's UTF-16,
// compared and matched here without any conversion.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvina {

inline constexpr std::uint64_t kRecordFileLimitBytes = 256ull * 1024 * 1024;
inline constexpr std::uint64_t kRecordChoiceLimitBytes = 1024ull * 1024 * 1024;

// .exe .dll .lnk and the rest, whatever the case; trailing dots and blanks,
// which Windows drops from a name, do not hide the extension.
bool IsProgramFileName(std::wstring_view name);

// One name inside one folder: no separator, no stream, no device, no "..".
bool IsPlainFileName(std::wstring_view name);

// The list's mask, "*." + extension, where "*.*" lists every file. Matched
// on the long name only (the system's own listing also matches 8.3 short
// names); "*" any run, "?" one character, A to Z either case.
bool MatchesRecordMask(std::wstring_view name, std::wstring_view mask);

// Sorted as a list shows them: case-blind for A to Z, then by code.
bool RecordNameLess(std::wstring_view left, std::wstring_view right);

// A chosen file as the file system shows it just before the copy.
struct RecordFileFacts {
    std::wstring name;
    bool plainFile = false;  // exists, not a folder, not a link
    std::uint64_t size = 0;
    bool targetReplaceable = true;  // the target is missing or a plain file
};

enum class RecordRefusal { NotAPlainFile, ProgramFile, FileTooLarge, ChoiceTooLarge, TargetNotAPlainFile };

struct RefusedRecord {
    std::wstring name;
    RecordRefusal reason;
};

struct RecordCopyPlan {
    std::vector<std::wstring> copied;
    std::vector<RefusedRecord> refused;
};

// In the order chosen; files that would pass the total limit are left out.
RecordCopyPlan PlanRecordCopy(const std::vector<RecordFileFacts>& chosen);

}  // namespace corvina
