#include <windows.h>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina {

namespace {

// ReadFile and WriteFile move at most a DWORD at a time.
constexpr std::size_t kMaxChunk = std::numeric_limits<DWORD>::max();

DWORD Attributes(const Big5& path) { return GetFileAttributesW(WideFromBig5(path).c_str()); }

[[noreturn]] void ThrowWriteFailure(const Big5& path) {
    const DWORD error = GetLastError();
    throw std::runtime_error("cannot write " + path + " (error " + std::to_string(error) + ")");
}

}  // namespace

bool FileExists(const Big5& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const Big5& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::uint64_t> FileSizeOf(const Big5& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(WideFromBig5(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::optional<std::string> ReadFileBytes(const Big5& path) {
    // Others may hold our settings files open for writing (an editor, the
    // café's copy tool); reading must not fail because of them.
    const win32::ScopedHandle file(CreateFileW(WideFromBig5(path).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return std::nullopt;

    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
        if (read == 0) break;  // the file shrank while we read it
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

namespace {

void WriteAll(HANDLE file, const Big5& path, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            ThrowWriteFailure(path);
        }
        done += written;
    }
}

}  // namespace

void WriteFileBytes(const Big5& path, std::string_view bytes) {
    // Not CREATE_ALWAYS: Windows refuses that on a hidden or system file,
    // and a hidden settings file must stay writable.
    const win32::ScopedHandle file(CreateFileW(WideFromBig5(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowWriteFailure(path);
    WriteAll(file.Get(), path, bytes);
    if (!SetEndOfFile(file.Get())) ThrowWriteFailure(path);
}

void AppendFileBytes(const Big5& path, std::string_view bytes) {
    const win32::ScopedHandle file(CreateFileW(WideFromBig5(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowWriteFailure(path);
    WriteAll(file.Get(), path, bytes);
}

bool DeleteFileAt(const Big5& path) { return DeleteFileW(WideFromBig5(path).c_str()) != FALSE; }

bool EmptyFileAt(const Big5& path) {
    // A read-only file refuses this as it refuses any other write.
    if (!FileExists(path) || (Attributes(path) & FILE_ATTRIBUTE_READONLY) != 0) return false;
    const win32::ScopedHandle file(CreateFileW(WideFromBig5(path).c_str(), GENERIC_WRITE,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                               TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

bool MoveFileTo(const Big5& from, const Big5& to) {
    return MoveFileExW(WideFromBig5(from).c_str(), WideFromBig5(to).c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace corvina
