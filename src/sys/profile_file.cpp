#include "sys/profile_file.h"

namespace corvina {

ProfileText LoadProfile(const Big5& path) {
    auto bytes = ReadFileBytes(path);
    return ProfileText(bytes ? std::move(*bytes) : std::string{});
}

void SaveProfile(const Big5& path, const ProfileText& profile) { WriteFileBytes(path, profile.Contents()); }

}  // namespace corvina
