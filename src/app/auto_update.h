#pragma once
// The automatic update from the remote source folder: when the version in
// the source's Update.ini differs from the last one copied, the whole
// folder is copied over the program's folder, and the version is stored
// only after a successful copy.

#include <cstdint>
#include <functional>

#include "settings/settings.h"
#include "sys/big5.h"
#include "sys/folder_probe.h"

namespace corvina {

inline constexpr std::string_view kUpdateManifestFile = "Update.ini";

// The shell copy of a pattern into a folder; true when it reports success.
using CopyFilesFunction =
    std::function<bool(const Big5& sourcePattern, const Big5& destinationFolder, bool createFolders)>;

struct UpdateHooks {
    CopyFilesFunction copyFiles;
    std::function<void()> showWait;   // before the copy
    std::function<void()> closeWait;  // after it, in every case
    // A fault for the administrator: start-up goes on without it.
    std::function<void(const Big5& text)> report;
    // Whether the source answers; ProbeFolder with kShareProbeDeadline when unset.
    std::function<FolderProbe(const Big5& folder)> probeSource;
};

// Remote_Update of the source folder's Update.ini; 0 when missing.
std::int32_t ReadRemoteVersion(const Big5& sourceFolder);

// Versions are compared and stored by their low 16 bits.
constexpr std::uint16_t VersionNumber(std::int64_t remote) { return static_cast<std::uint16_t>(remote & 0xFFFF); }

// VersionUnstored: copied, but Corvina2.ini would not take the version, so
// the next start copies again.
enum class UpdateOutcome { SwitchedOff, NoSource, UpToDate, Copied, CopyFailed, VersionUnstored };

// The running program's file in the program folder is put aside under this
// name before a copy that would overwrite it, and deleted at the next start.
Big5 SetAsideName(const Big5& programFileName);

// Reads Corvina2.ini into `settings`, then updates. `programFileName` is the
// running program's own file name (no folder). A failed copy and a version
// that cannot be stored are reported and never thrown: the menu starts
// with the files on disk. `settings` takes the new version only once it is
// stored.
UpdateOutcome AutoUpdate(const Big5& programFolder, const Big5& programFileName, MenuSettings& settings,
                         const UpdateHooks& hooks);

}  // namespace corvina
