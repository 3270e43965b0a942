#include "app/auto_update.h"

#include <exception>

#include "settings/settings_files.h"
#include "sys/files.h"
#include "sys/profile_file.h"
#include "sys/text.h"

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

void Report(const UpdateHooks& hooks, const Big5& text) {
    if (hooks.report) hooks.report(text);
}

// Windows refuses to overwrite a running program's file but lets it be
// renamed: without this a source holding a new program fails its copy on
// every start and the version is never stored. Unless kept, the old
// program comes back when the scope ends: a failed copy may have left no
// program at all.
class ProgramSetAside {
public:
    ProgramSetAside(const Big5& programFolder, const Big5& sourceFolder, const Big5& programFileName,
                    const UpdateHooks& hooks)
        : program_(programFolder + programFileName),
          aside_(programFolder + SetAsideName(programFileName)),
          hooks_(hooks) {
        if (!programFileName.empty() && FileExists(sourceFolder + programFileName) && FileExists(program_)) {
            // Not set aside, the copy fails on the program's file and says so.
            setAside_ = MoveFileTo(program_, aside_);
        }
    }
    ~ProgramSetAside() {
        if (!setAside_) return;
        try {
            // What the failed copy left of the new program makes way for the old.
            const bool cleared = !FileExists(program_) || DeleteFileAt(program_);
            if (!cleared || !MoveFileTo(aside_, program_)) {
                Report(hooks_, T(u8"自動更新失敗後無法還原原來的程式，請將 ") + aside_ + T(u8" 改回 ") + program_);
            }
        } catch (...) {
            // Reporting is all that is left; the destructor must not throw.
        }
    }
    ProgramSetAside(const ProgramSetAside&) = delete;
    ProgramSetAside& operator=(const ProgramSetAside&) = delete;

    // The copy succeeded: the set-aside file stays until the next start.
    void Keep() { setAside_ = false; }

private:
    Big5 program_;
    Big5 aside_;
    const UpdateHooks& hooks_;
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
        if (FileExists(aside) && !DeleteFileAt(aside)) {
            Report(hooks, T(u8"無法刪除上次自動更新留下的舊程式：") + aside);
        }
    }
    if (!settings.Remote_AutoUpdate) return UpdateOutcome::SwitchedOff;
    const Big5& source = settings.Remote_iniPath;
    if (source.empty()) return UpdateOutcome::NoSource;
    // An unreachable share costs the start at most the probe's deadline.
    const FolderProbe probe = hooks.probeSource ? hooks.probeSource(source) : ProbeFolder(source);
    if (probe == FolderProbe::NoAnswer) {
        Report(hooks, T(u8"自動更新來源 ") + source + T(u8" 沒有回應，本次不更新，下次啟動時再試。"));
    }
    if (probe != FolderProbe::Reachable) return UpdateOutcome::NoSource;
    const std::int32_t remote = ReadRemoteVersion(source);
    if (VersionNumber(remote) == settings.Remote_Update) return UpdateOutcome::UpToDate;

    const WaitGuard wait(hooks);
    ProgramSetAside program(programFolder, source, programFileName, hooks);
    const bool copied = hooks.copyFiles && hooks.copyFiles(source + "*.*", programFolder, true);
    if (!copied) {
        Report(hooks, T(u8"自動更新失敗：無法從 ") + source + T(u8" 複製檔案，下次啟動時再試。"));
        return UpdateOutcome::CopyFailed;
    }
    program.Keep();
    MenuSettings updated = settings;
    updated.Remote_Update = VersionNumber(remote);
    try {
        StoreLocalVersion(programFolder, updated);
    } catch (const std::exception& error) {
        Report(hooks, T(u8"自動更新已複製檔案，但無法寫入 Corvina2.ini，下次啟動時會再複製一次：") + error.what());
        return UpdateOutcome::VersionUnstored;
    }
    settings.Remote_Update = updated.Remote_Update;
    return UpdateOutcome::Copied;
}

}  // namespace corvina
