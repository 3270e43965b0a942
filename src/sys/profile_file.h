#pragma once
// Profile files on disk: a missing or unreadable file reads as empty.

#include "sys/files.h"
#include "sys/profile.h"

namespace corvina {

ProfileText LoadProfile(const Big5& path);
// Write errors throw, to reach the default error report.
void SaveProfile(const Big5& path, const ProfileText& profile);

}  // namespace corvina
