#include "menu/menu_check.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "menu/menu_data.h"
#include "settings/item_file.h"
#include "settings/settings.h"
#include "sys/file_encoding.h"
#include "sys/folder_rules.h"
#include "sys/numbers.h"
#include "sys/profile.h"
#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {

namespace {

// Page settings this far past a gap are still looked for.
constexpr int kPageGapLookAhead = 64;

std::string Quoted(std::string_view big5) {
    std::string quoted = "\"";
    quoted += Utf8FromBig5(big5);
    quoted += '"';
    return quoted;
}

// The caption's per-item file name as Windows compares it: ASCII letters
// without case; the bytes of double-byte characters exactly.
Big5 FileNameKey(std::string_view caption) {
    Big5 key;
    key.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const auto byte = static_cast<unsigned char>(caption[i]);
        if (IsBig5LeadByte(byte) && i + 1 < caption.size()) {
            key += caption[i];
            key += caption[++i];
        } else {
            key += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
        }
    }
    return key;
}

// A character that no Windows file name may hold; trail bytes of
// double-byte characters (許 ends in 0x5C) are not characters of their own.
std::optional<char> ForbiddenFileNameChar(std::string_view caption) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const auto byte = static_cast<unsigned char>(caption[i]);
        if (IsBig5LeadByte(byte)) {
            ++i;
            continue;
        }
        if (byte < 32 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(byte)) != std::string_view::npos) {
            return static_cast<char>(byte);
        }
    }
    return std::nullopt;
}

bool IsSampleMenu(std::string_view bytes) {
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        if (TrimBlanks(bytes.substr(start, end - start)).starts_with(kSampleMenuMark)) return true;
        start = end + 1;
    }
    return false;
}

class FolderCheck {
public:
    FolderCheck(const Big5& programFolder, CafeFolderReader& reader) : folder_(programFolder), reader_(reader) {}

    std::vector<CheckFinding> Run() {
        CheckMenus();
        CheckParams();
        return std::move(findings_);
    }

private:
    void Add(std::string_view file, int line, std::string problem, std::string fix) {
        findings_.push_back({Utf8FromBig5(file), line, std::move(problem), std::move(fix)});
    }

    // The folder's own files are named without the folder.
    Big5 Label(const Big5& path) const { return path.starts_with(folder_) ? path.substr(folder_.size()) : path; }

    // A settings file: nothing when missing; its encoding and the lines
    // that its reading skips are checked on the way.
    std::optional<ProfileText> ReadSettingsFile(const Big5& path) {
        std::optional<std::string> bytes = reader_.ReadFile(path);
        if (!bytes) return std::nullopt;
        CheckEncoding(Label(path), *bytes);
        ProfileText profile(std::move(*bytes));
        CheckSkippedLines(Label(path), profile);
        return profile;
    }

    void CheckEncoding(const Big5& file, std::string_view bytes) {
        const std::string resave =
            "open it in Notepad and choose Save As with the encoding ANSI on a "
            "Traditional Chinese Windows (code page 950, Big5), or convert it with "
            "iconv -f UTF-8 -t BIG5";
        switch (GuessTextEncoding(bytes)) {
            case TextEncoding::Big5OrAscii:
                return;
            case TextEncoding::Utf8WithBom:
                return Add(file, 1,
                           "saved as UTF-8 with a byte-order mark, not Big5: the menu shows its Chinese texts "
                           "garbled, and the first line (often the first section header) is not recognised",
                           resave + " (without a byte-order mark)");
            case TextEncoding::Utf8:
                return Add(file, 0, "saved as UTF-8, not Big5: the menu shows its Chinese texts garbled", resave);
            case TextEncoding::Utf16:
                return Add(file, 1, "saved as Unicode (UTF-16), not Big5: the menu cannot read it at all", resave);
        }
    }

    void CheckSkippedLines(const Big5& file, const ProfileText& profile) {
        for (const ProfileText::Skipped& skipped : profile.SkippedLines()) {
            switch (skipped.kind) {
                case ProfileText::SkippedLine::UnclosedHeader:
                    Add(file, skipped.line,
                        "section header " + Quoted(skipped.text) +
                            " has no \"]\": the line is skipped and the entries under it join the section before",
                        "end the header with \"]\"");
                    break;
                case ProfileText::SkippedLine::OutsideSection:
                    Add(file, skipped.line,
                        "line " + Quoted(skipped.text) + " stands before the first section: it is skipped",
                        "move it under a section header such as [Options], or delete it");
                    break;
                case ProfileText::SkippedLine::EmptyKey:
                    Add(file, skipped.line, "line " + Quoted(skipped.text) + " has nothing before \"=\": it is skipped",
                        "write the name before \"=\"");
                    break;
            }
        }
    }

    // Pictures are files the menu decodes: missing or undecodable ones are
    // problems. `what` says whose picture it is.
    void CheckPicture(std::string_view file, int line, const std::string& what, const Big5& path,
                      const std::string& missingFix) {
        const std::optional<std::string> bytes = reader_.ReadFile(path);
        if (!bytes) {
            Add(file, line, what + " " + Quoted(Label(path)) + " does not exist", missingFix);
            return;
        }
        if (const std::optional<std::string> problem = reader_.PictureProblem(*bytes)) {
            Add(file, line, what + " " + Quoted(Label(path)) + " cannot be shown: " + *problem,
                "save the picture again as BMP or JPEG with a picture editor");
        }
    }

    void CheckMenus() {
        const Big5 path = folder_ + Big5{kMenusIniName};
        const std::optional<ProfileText> menus = ReadSettingsFile(path);
        const Big5 file{kMenusIniName};
        if (!menus) {
            Add(file, 0,
                "Menus.ini is missing: the menu shows \"未建資料，請先設定選單資料！\" (no menu data) and closes",
                "put the café's Menus.ini into the folder");
            return;
        }
        if (const std::optional<std::string> bytes = reader_.ReadFile(path); bytes && IsSampleMenu(*bytes)) {
            Add(file, 1,
                "Menus.ini is still the sample laid down by the installer: customers see its example items, not "
                "the café's games",
                "replace Menus.ini with the café's own menu (or delete the sample's first lines once it is yours)");
        }
        const MenuData menu = ReadMenu(*menus);
        if (menu.channels.empty()) {
            Add(file, 0,
                "Menus.ini has no channels (no [section] lines): the menu shows \"未建資料，請先設定選單資料！\" and "
                "closes",
                "add a channel: a line [name of the tab], then one line per item: caption=target,picture,flag");
            return;
        }
        CheckChannelNames(*menus);

        std::size_t itemNumber = 0;
        std::map<Big5, std::pair<Big5, int>> itemFiles;  // file name key -> caption, line
        std::set<Big5> channelsSeen;
        for (const MenuChannel& channel : menu.channels) {
            const std::vector<ProfileText::EntryLine> entries = menus->EntryLines(channel.name);
            const int channelLine = SectionLineOf(*menus, channel.name);
            // A repeated name shows the first section's items again: reported once, above.
            const bool repeated = !channelsSeen.insert(FileNameKey(channel.name)).second;
            if (entries.empty() && !repeated) {
                Add(file, channelLine, "channel " + Quoted(channel.name) + " has no items: its page is empty",
                    "add items under it (caption=target,picture,flag) or delete the section");
                continue;
            }
            const std::size_t seen = menus->KeyNames(channel.name).size();
            if (seen < entries.size() && !repeated) {
                Add(file, entries[seen].line,
                    "channel " + Quoted(channel.name) +
                        ": the item captions from here on are past the 16384 bytes Windows reads of one section's "
                        "names: these items are not shown",
                    "move these items into another channel");
            }
            for (std::size_t i = 0; i < entries.size() && i < seen; ++i) {
                if (itemNumber == kMaxMenuItems) {
                    Add(file, entries[i].line,
                        "item " + Quoted(entries[i].key) +
                            " and all after it are beyond the 1000 items the menu "
                            "holds (" +
                            std::to_string(menu.itemsLeftOut) + " items are left out)",
                        "remove items, or move rarely used ones to another café folder");
                    return;
                }
                ++itemNumber;
                if (i < channel.lines.size() && !repeated) {
                    CheckItem(file, entries[i], channel.lines[i], itemFiles);
                }
            }
        }
    }

    static int SectionLineOf(const ProfileText& profile, std::string_view name) {
        for (const ProfileText::SectionLine& section : profile.SectionLines()) {
            if (EqualsIgnoreAsciiCase(section.name, name)) return section.line;
        }
        return 0;
    }

    void CheckChannelNames(const ProfileText& menus) {
        std::map<Big5, int> firstLine;
        for (const ProfileText::SectionLine& section : menus.SectionLines()) {
            const auto [it, isNew] = firstLine.emplace(FileNameKey(section.name), section.line);
            if (isNew) continue;
            Add(Big5{kMenusIniName}, section.line,
                "channel " + Quoted(section.name) + " appears a second time (first at line " +
                    std::to_string(it->second) +
                    "): both tabs show the items of the first one, and the items "
                    "under this one are never shown",
                "give the channel another name, or join the two sections into one");
        }
    }

    void CheckItem(const Big5& file, const ProfileText::EntryLine& entry, const MenuLine& item,
                   std::map<Big5, std::pair<Big5, int>>& itemFiles) {
        const std::string name = "item " + Quoted(item.item.Caption);
        if (!entry.hasEquals) {
            Add(file, entry.line,
                "line " + Quoted(entry.key) + " has no \"=\": the menu shows it as an item that starts nothing",
                "write it as caption=target,picture,flag");
            return;
        }
        if (item.item.Target.empty()) {
            Add(file, entry.line,
                name +
                    " has no target: the value needs a \",\" after the target, or the whole value is dropped; "
                    "a click shows \"執行路徑或檔案不存在！\"",
                "write the value as target,picture,flag, for example C:\\Games\\game.exe,game.jpg,0");
        } else if (!reader_.FileExists(InProgramFolder(folder_, item.item.Target))) {
            Add(file, entry.line,
                name + ": its target " + Quoted(item.item.Target) +
                    " does not exist on this PC: a click shows \"執行路徑或檔案不存在！\"",
                "install the game, or correct the path before the first \",\"");
        }
        if (const std::optional<std::string> opens = WhatItOpensToCustomers(item.item.Target)) {
            Add(file, entry.line, name + " gives every customer " + *opens,
                "remove the item: customers must not reach the PC's files and settings");
        }
        if (!item.picture.empty()) {
            CheckPicture(file, entry.line, name + ": its picture", ItemPicturePath(folder_, item.picture),
                         "copy the picture into LinkBMP\\, or correct its name after the first \",\"");
        }
        CheckItemFile(file, entry.line, item.item.Caption, itemFiles);
    }

    void CheckItemFile(const Big5& file, int line, const Big5& caption,
                       std::map<Big5, std::pair<Big5, int>>& itemFiles) {
        if (const std::optional<char> forbidden = ForbiddenFileNameChar(caption)) {
            Add(file, line,
                "caption " + Quoted(caption) + " holds \"" + std::string(1, *forbidden) +
                    "\", which no file name may hold: the item cannot have its own file for web links, notes "
                    "and game records",
                "leave out the characters \\ / : * ? \" < > | from the caption");
            return;
        }
        const auto [it, isNew] = itemFiles.emplace(FileNameKey(caption), std::make_pair(caption, line));
        if (!isNew) {
            Add(file, line,
                "item " + Quoted(caption) + " and item " + Quoted(it->second.first) + " (line " +
                    std::to_string(it->second.second) + ") share the file " + Quoted(caption + ".ini") +
                    ": they show the same web links, notes and game records" +
                    (caption == it->second.first ? ", and the second starts the first one's target" : ""),
                "give one of them another caption");
            return;
        }
        ReadSettingsFile(ItemFilePath(folder_, caption));
    }

    void CheckParams() {
        const std::optional<ProfileText> params = ReadSettingsFile(folder_ + Big5{kMenuSettingsFile});
        if (!params) return;  // every key has its default
        const Big5 file{kMenuSettingsFile};
        MenuSettings settings;
        for (const UnreadableColor& color : ReadMenuSettings(*params, settings)) {
            Add(file, params->LineOf(kOptionsSection, color.key),
                color.key + " = " + Quoted(color.text) + " is no colour: that page shows light orange instead",
                "write a colour name such as clWhite or clSkyBlue, or a number such as $00FFE0C0 ($00BBGGRR)");
        }
        int page = 0;
        for (const PageBackground& background : settings.PageBackgrounds) {
            const std::string suffix = page == 0 ? std::string{} : std::to_string(page);
            if (!background.picture.empty()) {
                CheckPicture(file, params->LineOf(kOptionsSection, "BackGroud" + suffix),
                             "the background of page " + std::to_string(page + 1),
                             InProgramFolder(folder_, background.picture),
                             "copy the picture there, or correct BackGroud" + suffix);
            }
            ++page;
        }
        CheckPageGap(*params, page);
        if (!settings.SubItemMAP.empty()) {
            CheckPicture(file, params->LineOf(kOptionsSection, "SubItemMAP"),
                         "SubItemMAP, the ground of items without a picture,",
                         InProgramFolder(folder_, settings.SubItemMAP),
                         "copy the picture there, or correct SubItemMAP");
        }
        for (const std::string_view key :
             {"HideDeskTop", "HideTaskBar", "MustSelectMenu", "FrameSmallSize", "CanQuit"}) {
            const std::optional<Big5> value = params->Find(kOptionsSection, key);
            if (value && !ParseInteger(*value)) {
                Add(file, params->LineOf(kOptionsSection, key),
                    std::string(key) + " = " + Quoted(*value) + " is not a number: the default is used",
                    "write 1 for yes or 0 for no");
            }
        }
    }

    // Pages are read until the first number with neither a colour nor a picture.
    void CheckPageGap(const ProfileText& params, int gap) {
        for (int page = gap + 1; page <= gap + kPageGapLookAhead; ++page) {
            for (const char* key : {"BackGroudColor", "BackGroud"}) {
                const std::string name = key + std::to_string(page);
                if (!params.Find(kOptionsSection, name)) continue;
                Add(Big5{kMenuSettingsFile}, params.LineOf(kOptionsSection, name),
                    name + " is never read: page settings stop at the first missing number (" +
                        (gap == 0 ? std::string("BackGroudColor/BackGroud") : "BackGroudColor" + std::to_string(gap)) +
                        ")",
                    "number the pages without a gap: BackGroudColor, BackGroudColor1, BackGroudColor2, ...");
                return;
            }
        }
    }

    const Big5& folder_;
    CafeFolderReader& reader_;
    std::vector<CheckFinding> findings_;
};

}  // namespace

std::optional<std::string> WhatItOpensToCustomers(std::string_view target) {
    const Big5 name = FileNameKey(target.substr(FolderOfFile(target).size()));
    const std::string_view extension = FileExtension(name);
    const std::string_view base = std::string_view(name).substr(0, name.size() - extension.size());
    if (extension == ".msc") return "a system tool (a management console)";
    if (extension == ".cpl") return "a part of Control Panel";
    if (extension != ".exe" && extension != ".com" && !extension.empty()) return std::nullopt;
    struct Program {
        std::string_view base;
        std::string_view opens;
    };
    static constexpr Program kPrograms[] = {
        {"cmd", "a command prompt"},
        {"command", "a command prompt"},
        {"powershell", "a command prompt (PowerShell)"},
        {"powershell_ise", "a command prompt (PowerShell)"},
        {"pwsh", "a command prompt (PowerShell)"},
        {"wt", "a command prompt (Windows Terminal)"},
        {"conhost", "a command prompt"},
        {"bash", "a command prompt"},
        {"wsl", "a command prompt"},
        {"explorer", "Explorer, the whole PC's files"},
        {"winefile", "a file manager, the whole PC's files"},
        {"control", "Control Panel"},
        {"taskmgr", "Task Manager, a system tool"},
        {"regedit", "the registry editor, a system tool"},
        {"regedt32", "the registry editor, a system tool"},
        {"mmc", "a system tool (a management console)"},
        {"msconfig", "a system tool"},
        {"msinfo32", "a system tool"},
        {"perfmon", "a system tool"},
        {"resmon", "a system tool"},
        {"eventvwr", "a system tool"},
        {"rundll32", "a system tool"},
        {"mshta", "a script host"},
        {"wscript", "a script host"},
        {"cscript", "a script host"},
        {"msiexec", "the installer of programs"},
        {"notepad", "a file dialog that browses the whole PC (Notepad's Open and Save As)"},
        {"wordpad", "a file dialog that browses the whole PC (WordPad's Open and Save As)"},
        {"write", "a file dialog that browses the whole PC (WordPad's Open and Save As)"},
        {"mspaint", "a file dialog that browses the whole PC (Paint's Open and Save As)"},
    };
    for (const Program& program : kPrograms) {
        if (base == program.base) return std::string(program.opens);
    }
    return std::nullopt;
}

std::vector<CheckFinding> CheckCafeFolder(const Big5& programFolder, CafeFolderReader& reader) {
    return FolderCheck(programFolder, reader).Run();
}

std::string FormatFinding(const CheckFinding& finding) {
    std::string text = finding.file;
    if (finding.line > 0) text += ", line " + std::to_string(finding.line);
    text += ": " + finding.problem + "\n    Fix: " + finding.fix + "\n";
    return text;
}

}  // namespace corvina
