// Native file access for the unit tests and tools: Big5 paths are turned
// into UTF-8 file names; backslashes are left alone.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "sys/files.h"
#include "sys/text.h"

namespace corvina {

namespace {

std::filesystem::path NativePath(const Big5& path) { return std::filesystem::path(Utf8FromBig5(path)); }

}  // namespace

bool FileExists(const Big5& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(NativePath(path), error);
}

bool FolderExists(const Big5& path) {
    std::error_code error;
    return std::filesystem::is_directory(NativePath(path), error);
}

std::optional<std::uint64_t> FileSizeOf(const Big5& path) {
    std::error_code error;
    if (!FileExists(path)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(NativePath(path), error);
    if (error) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

std::optional<std::string> ReadFileBytes(const Big5& path) {
    if (!FileExists(path)) return std::nullopt;
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

void WriteFileBytes(const Big5& path, std::string_view bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.flush();
    if (!out) throw std::runtime_error("cannot write the file " + Utf8FromBig5(path));
}

void AppendFileBytes(const Big5& path, std::string_view bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::app);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.flush();
    if (!out) throw std::runtime_error("cannot append to the file " + Utf8FromBig5(path));
}

bool DeleteFileAt(const Big5& path) {
    std::error_code error;
    return FileExists(path) && std::filesystem::remove(NativePath(path), error);
}

bool EmptyFileAt(const Big5& path) {
    std::error_code error;
    if (!FileExists(path)) return false;
    std::filesystem::resize_file(NativePath(path), 0, error);
    return !error;
}

bool MoveFileTo(const Big5& from, const Big5& to) {
    std::error_code error;
    if (!FileExists(from)) return false;
    std::filesystem::rename(NativePath(from), NativePath(to), error);
    return !error;
}

}  // namespace corvina
