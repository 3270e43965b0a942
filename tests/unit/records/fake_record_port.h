#pragma once
// A game-record port over an in-memory disk: folders, files, and the
// dialogs answered from scripts. Everything the flow shows is recorded.

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "records/record_dialog.h"
#include "records/record_port.h"

namespace corvina::test {

class FakeRecordPort final : public GameRecordPort {
public:
    // One answer per ShowModal: the dialog's input on OK, nothing for Cancel.
    using DialogAnswer = std::optional<RecordDialogInput>;

    bool FolderExists(const Big5& path) override { return folders.contains(Unslashed(path)); }
    bool FileExists(const Big5& path) override { return files.contains(path); }
    std::optional<std::string> ReadFileBytes(const Big5& path) override {
        if (unreadable.contains(path)) return std::nullopt;
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    void AppendToFile(const Big5& path, std::string_view bytes) override { files[path] += bytes; }
    bool ForceFolder(const Big5& path) override {
        forced.push_back(path);
        Big5 prefix;
        for (const char c : path) {
            if (c == '\\' && !prefix.empty()) folders.insert(prefix);
            prefix += c;
        }
        return true;
    }
    bool CopyFilesTo(const Big5& source, const Big5& destinationFolder) override {
        copies.push_back({source, destinationFolder});
        if (failCopies || !files.contains(source) || !FolderExists(destinationFolder)) return false;
        files[destinationFolder + "\\" + source.substr(source.rfind('\\') + 1)] = files[source];
        return true;
    }
    void ShowWarning(const Big5& text) override { warnings.push_back(text); }
    std::unique_ptr<RecordDialogView> CreateRecordDialog(GameRecordDialog& dialog) override {
        ++dialogsCreated;
        return std::make_unique<View>(*this, dialog);
    }
    std::optional<Big5> RunSaveDialog(const Big5& initialFolder, const FileFilter& filter) override {
        saveDialogs.push_back({initialFolder, filter});
        return saveAnswer;
    }
    SaveFileOptions ReadItemSaveSettings(const Big5&) override { return item; }

    void AddFolder(const Big5& path) { folders.insert(Unslashed(path)); }

    std::set<Big5> folders;
    std::map<Big5, std::string> files;
    std::set<Big5> unreadable;
    bool failCopies = false;
    SaveFileOptions item;
    std::optional<Big5> saveAnswer;
    std::deque<DialogAnswer> dialogAnswers;

    struct Copy {
        Big5 source;
        Big5 destination;
    };
    struct SaveDialog {
        Big5 initialFolder;
        FileFilter filter;
    };
    std::vector<Big5> warnings;
    std::vector<Copy> copies;
    std::vector<Big5> forced;
    std::vector<SaveDialog> saveDialogs;
    std::vector<Big5> titles;  // at each ShowModal
    int dialogsCreated = 0;

private:
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
