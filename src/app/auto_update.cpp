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

void Report(const UpdateHooks& hooks, const Big5& text) {
    if (hooks.report) hooks.report(text);
}

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
        Report(hooks, T(u8"自動更新失敗：無法從 ") + source + T(u8" 複製檔案，下次啟動時再試。"));
        return UpdateOutcome::CopyFailed;
    }
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
