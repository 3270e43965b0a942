#include "folder_reader.h"

#include "picture_probe.h"
#include "sys/files.h"

namespace corvina {

Big5 DiskPath(std::string_view path) {
    Big5 disk{path};
#ifndef _WIN32
    for (std::size_t i = 0; i < disk.size(); ++i) {
        if (IsBig5LeadByte(static_cast<unsigned char>(disk[i]))) {
            ++i;
        } else if (disk[i] == '\\') {
            disk[i] = '/';
        }
    }
#endif
    return disk;
}

std::optional<std::string> DiskCafeFolderReader::ReadFile(const Big5& path) { return ReadFileBytes(DiskPath(path)); }

bool DiskCafeFolderReader::FileExists(const Big5& path) { return corvina::FileExists(DiskPath(path)); }

std::optional<std::string> DiskCafeFolderReader::PictureProblem(std::string_view bytes) {
    return corvina::PictureProblem(bytes);
}

}  // namespace corvina
