#include "app/auto_update.h"

#include "app/settings_files.h"
#include "sys/files.h"
#include "sys/profile_file.h"

namespace corvina {

namespace {

// Runs `closeWait` when the guarded steps end, also by an exception.
class WaitGuard {
public:
    explicit WaitGuard(const UpdateHooks& hooks) : hooks_(hooks) {
        if (hooks_.showWait) hooks_.showWait();
    }
    ~WaitGuard() {
        if (hooks_.closeWait) hooks_.closeWait();
    }
    WaitGuard(const WaitGuard&) = delete;
    WaitGuard& operator=(const WaitGuard&) = delete;

private:
    const UpdateHooks& hooks_;
};

// Windows refuses to overwrite a running program's file but lets it be
// renamed: without this a source holding a new program fails its copy on
// every start and the version is never stored.
class ProgramSetAside {
public:
    ProgramSetAside(const Big5& programFolder, const Big5& sourceFolder, const Big5& programFileName)
        : program_(programFolder + programFileName), aside_(programFolder + SetAsideName(programFileName)) {
        if (!programFileName.empty() && FileExists(sourceFolder + programFileName) && FileExists(program_)) {
            setAside_ = MoveFileTo(program_, aside_);
        }
    }
    // A failed copy may have left no program at all: the old one comes back.
    void Restore() {
        if (!setAside_) return;
        if (FileExists(program_)) DeleteFileAt(program_);
        MoveFileTo(aside_, program_);
        setAside_ = false;
    }

private:
    Big5 program_;
    Big5 aside_;
    bool setAside_ = false;
};

}  // namespace

std::int32_t ReadRemoteVersion(const Big5& sourceFolder) {
    return LoadProfile(sourceFolder + Big5{kUpdateManifestFile}).ReadInteger(kOptionsSection, "Remote_Update", 0);
}

Big5 SetAsideName(const Big5& programFileName) { return programFileName + ".old"; }

UpdateOutcome AutoUpdate(const Big5& programFolder, const Big5& programFileName, MenuSettings& settings,
                         const UpdateHooks& hooks) {
    ReadLocalSettings(programFolder, settings);
    // The program set aside by the last update is no longer running.
    if (!programFileName.empty()) {
        const Big5 aside = programFolder + SetAsideName(programFileName);
        if (FileExists(aside)) DeleteFileAt(aside);
    }
    if (!settings.Remote_AutoUpdate) return UpdateOutcome::SwitchedOff;
    const Big5& source = settings.Remote_iniPath;
    if (source.empty() || !FolderExists(source)) return UpdateOutcome::NoSource;
    const std::int32_t remote = ReadRemoteVersion(source);
    if (VersionNumber(remote) == settings.Remote_Update) return UpdateOutcome::UpToDate;

    const WaitGuard wait(hooks);
    ProgramSetAside program(programFolder, source, programFileName);
    const bool copied = hooks.copyFiles && hooks.copyFiles(source + "*.*", programFolder, true);
    if (!copied) {
        program.Restore();
        return UpdateOutcome::CopyFailed;
    }
    settings.Remote_Update = VersionNumber(remote);
    StoreLocalVersion(programFolder, settings);
    return UpdateOutcome::Copied;
}

}  // namespace corvina
