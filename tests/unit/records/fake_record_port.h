#pragma once
// A game-record port over an in-memory disk: folders, files, and the
// dialogs answered from scripts. Everything the flow shows is recorded.
// Names outside ASCII stand as "#" in the disk's Big5 keys.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "records/account_file.h"
#include "records/record_dialog.h"
#include "records/record_port.h"

namespace corvina::test {

class FakeRecordPort final : public GameRecordPort {
public:
    // One answer per ShowModal: the dialog's input on OK, nothing for Cancel.
    using DialogAnswer = std::optional<RecordDialogInput>;

    bool FolderExists(const Big5& path) override { return folders.contains(Unslashed(path)); }
    bool FileExists(const Big5& path) override { return files.contains(path); }
    std::optional<std::string> ReadAccountFile(const Big5& path) override {
        accountReads.push_back(path);
        if (unreadable.contains(path)) return std::nullopt;
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second.substr(0, kAccountFileReadLimit);
    }
    void AppendToFile(const Big5& path, std::string_view bytes) override {
        files[path] += bytes;
        appendedWhileHeld.push_back(holds > 0);
    }
    bool ForceFolder(const Big5& path) override {
        forced.push_back(path);
        Big5 prefix;
        for (const char c : path) {
            if (c == '\\' && !prefix.empty()) folders.insert(prefix);
            prefix += c;
        }
        return true;
    }
    std::vector<RecordFileFacts> InspectRecords(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                                                const Big5& destinationFolder) override {
        std::vector<RecordFileFacts> facts;
        for (const std::wstring& name : names) {
            const Big5 source = sourceFolder + "\\" + Narrow(name);
            const Big5 target = destinationFolder + "\\" + Narrow(name);
            const auto size = sizes.find(source);
            facts.push_back({name, files.contains(source),
                             size != sizes.end() ? size->second : (files.contains(source) ? files[source].size() : 0),
                             !folders.contains(target)});
        }
        return facts;
    }
    std::unique_ptr<SessionHold> HoldSession() override { return std::make_unique<Hold>(holds); }
    bool CopyRecords(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                     const Big5& destinationFolder) override {
        bool copied = true;
        for (const std::wstring& name : names) {
            const Big5 source = sourceFolder + "\\" + Narrow(name);
            copies.push_back({source, destinationFolder, holds > 0});
            if (failCopies || !files.contains(source) || !FolderExists(destinationFolder)) {
                copied = false;
                continue;
            }
            files[destinationFolder + "\\" + Narrow(name)] = files[source];
        }
        return copied;
    }
    void ShowWarning(const Big5& text) override { warnings.push_back(text); }
    std::unique_ptr<RecordDialogView> CreateRecordDialog(GameRecordDialog& dialog) override {
        ++dialogsCreated;
        return std::make_unique<View>(*this, dialog);
    }
    std::optional<std::wstring> ChooseRecordToSave(const Big5& folder, const FileFilter& filter) override {
        saveDialogs.push_back({folder, filter});
        if (whileChoosing) whileChoosing();
        return saveAnswer;
    }
    Big5 ShownRecordName(const std::wstring& name) override { return Narrow(name); }
    void WriteAdminLog(std::string_view text) override { adminLog.emplace_back(text); }
    // Each reading moves the clock on by `tickMs`: a minute unless a test
    // holds the clock itself.
    std::uint64_t NowMs() override { return std::exchange(nowMs, nowMs + tickMs); }
    SaveFileOptions ReadItemSaveSettings(const Big5&) override { return item; }

    void AddFolder(const Big5& path) { folders.insert(Unslashed(path)); }

    std::set<Big5> folders;
    std::map<Big5, std::string> files;
    std::set<Big5> unreadable;
    std::map<Big5, std::uint64_t> sizes;  // a file's size when not its contents'
    bool failCopies = false;
    std::function<void()> whileChoosing;  // another PC at work meanwhile
    std::uint64_t nowMs = 0;
    std::uint64_t tickMs = 60000;
    SaveFileOptions item;
    std::optional<std::wstring> saveAnswer;
    std::deque<DialogAnswer> dialogAnswers;

    struct Copy {
        Big5 source;
        Big5 destination;
        bool held;  // while the session's end had to wait
    };
    struct SaveDialog {
        Big5 initialFolder;
        FileFilter filter;
    };
    std::vector<Big5> warnings;
    std::vector<Big5> adminLog;
    std::vector<Big5> accountReads;
    std::vector<bool> appendedWhileHeld;
    int holds = 0;
    std::vector<Copy> copies;
    std::vector<Big5> forced;
    std::vector<SaveDialog> saveDialogs;
    std::vector<Big5> titles;  // at each ShowModal
    int dialogsCreated = 0;

    static Big5 Narrow(const std::wstring& name) {
        Big5 narrow;
        for (const wchar_t c : name) narrow += c < 128 ? static_cast<char>(c) : '#';
        return narrow;
    }

private:
    struct Hold final : SessionHold {
        explicit Hold(int& count) : count_(count) { ++count_; }
        ~Hold() override { --count_; }
        int& count_;
    };

    static Big5 Unslashed(Big5 path) {
        while (!path.empty() && path.back() == '\\') path.pop_back();
        return path;
    }

    // Presses OK with each scripted input until the dialog closes, as a
    // customer retrying after a warning would; Cancel when the script ends.
    class View final : public RecordDialogView {
    public:
        View(FakeRecordPort& port, GameRecordDialog& dialog) : port_(port), dialog_(dialog) {}
        bool ShowModal() override {
            port_.titles.push_back(dialog_.Title());
            while (!port_.dialogAnswers.empty()) {
                const DialogAnswer answer = port_.dialogAnswers.front();
                port_.dialogAnswers.pop_front();
                if (!answer) return false;
                if (dialog_.B_OKClick(*answer)) return true;
            }
            return false;
        }

    private:
        FakeRecordPort& port_;
        GameRecordDialog& dialog_;
    };
};

}  // namespace corvina::test
