#include "sys/profile.h"

#include <stdexcept>

#include "sys/numbers.h"
#include "sys/strings.h"

namespace corvina {

namespace {

constexpr std::string_view kLineBreakChars = "\r\n";

// The profile API hands back names as zero-terminated strings in one buffer
// with a final zero; whatever does not fit whole is not seen.
std::vector<Big5> FitNameList(std::vector<Big5> names) {
    std::size_t used = 1;
    std::size_t fitting = 0;
    for (const Big5& name : names) {
        if (used + name.size() + 1 > kProfileNameListBuffer) break;
        used += name.size() + 1;
        ++fitting;
    }
    names.resize(fitting);
    return names;
}

// The form under which names that EqualsIgnoreAsciiCase calls equal meet:
// single-byte letters folded, double-byte characters as they are.
std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (IsBig5LeadByte(static_cast<unsigned char>(folded[i])) && i + 1 < folded.size()) {
            ++i;
        } else if (folded[i] >= 'A' && folded[i] <= 'Z') {
            folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
        }
    }
    return folded;
}

Big5 CleanValue(std::string_view raw) {
    std::string_view value = TrimBlanks(raw);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return Big5{value.substr(0, CharBoundaryAtOrBefore(value, kProfileValueBuffer - 1))};
}

void RefuseLineBreaks(std::string_view what, std::string_view text) {
    if (text.find_first_of(kLineBreakChars) != std::string_view::npos) {
        throw std::invalid_argument(std::string(what) + " of a profile entry holds a line break");
    }
}

// What ends a last line that has no line feed: a file cut between CR and
// LF gets only the LF, or the next line would read its CR into the value
// before it.
std::string_view LineBreakAfter(char last, std::string_view lineBreak) { return last == '\r' ? "\n" : lineBreak; }

}  // namespace

ProfileText::ProfileText(std::string contents) : contents_(std::move(contents)) { Parse(); }

void ProfileText::Parse() {
    sections_.clear();
    skipped_.clear();
    const std::string_view text = contents_;
    Section* current = nullptr;
    std::size_t lineBegin = 0;
    int lineNumber = 0;
    while (lineBegin < text.size()) {
        ++lineNumber;
        std::size_t next = text.find('\n', lineBegin);
        const std::size_t afterBreak = next == std::string_view::npos ? text.size() : next + 1;
        std::size_t lineEnd = next == std::string_view::npos ? text.size() : next;
        if (lineEnd > lineBegin && text[lineEnd - 1] == '\r') --lineEnd;

        const std::string_view line = text.substr(lineBegin, lineEnd - lineBegin);
        const std::string_view trimmed = TrimBlanks(line);
        const std::size_t trimmedPos = lineBegin + static_cast<std::size_t>(trimmed.data() - line.data());
        auto skip = [&](SkippedLine kind) { skipped_.push_back({kind, lineNumber, Big5{trimmed}}); };

        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::size_t close = trimmed.rfind(']');
            if (close != std::string_view::npos) {
                const std::string_view name = TrimBlanks(trimmed.substr(1, close - 1));
                const std::size_t namePos = trimmedPos + static_cast<std::size_t>(name.data() - trimmed.data());
                sections_.push_back(Section{{namePos, name.size()}, lineNumber, afterBreak, {}});
                current = &sections_.back();
            } else {
                skip(SkippedLine::UnclosedHeader);
            }
        } else if (!trimmed.empty() && current == nullptr) {
            if (trimmed.front() != ';') skip(SkippedLine::OutsideSection);
        } else if (!trimmed.empty()) {
            current->insertAt = afterBreak;
            if (trimmed.front() != ';') {
                Entry entry;
                entry.lineBegin = lineBegin;
                entry.lineEnd = lineEnd;
                entry.line = lineNumber;
                const std::size_t equals = trimmed.find('=');
                entry.hasEquals = equals != std::string_view::npos;
                const std::string_view key = TrimBlanks(trimmed.substr(0, equals));
                entry.key = {trimmedPos + static_cast<std::size_t>(key.data() - trimmed.data()), key.size()};
                if (entry.hasEquals) entry.value = {trimmedPos + equals + 1, trimmed.size() - equals - 1};
                if (!key.empty()) {
                    current->entries.push_back(entry);
                } else {
                    skip(SkippedLine::EmptyKey);
                }
            }
        }
        lineBegin = afterBreak;
    }
}

const ProfileText::Section* ProfileText::FindSection(std::string_view name) const {
    for (const Section& section : sections_) {
        if (EqualsIgnoreAsciiCase(View(section.name), name)) return &section;
    }
    return nullptr;
}

const ProfileText::Entry* ProfileText::FindEntry(const Section& section, std::string_view key) const {
    for (const Entry& entry : section.entries) {
        if (EqualsIgnoreAsciiCase(View(entry.key), key)) return &entry;
    }
    return nullptr;
}

std::vector<Big5> ProfileText::SectionNames() const {
    std::vector<Big5> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_) names.emplace_back(View(section.name));
    return FitNameList(std::move(names));
}

std::vector<Big5> ProfileText::KeyNames(std::string_view section) const {
    std::vector<Big5> names;
    if (const Section* found = FindSection(section)) {
        names.reserve(found->entries.size());
        for (const Entry& entry : found->entries) names.emplace_back(View(entry.key));
    }
    return FitNameList(std::move(names));
}

bool ProfileText::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

ProfileSection ProfileText::ReadSection(std::string_view section) const {
    ProfileSection read;
    if (const Section* found = FindSection(section)) {
        read.values_.reserve(found->entries.size());
        // emplace keeps the first entry of a key.
        for (const Entry& entry : found->entries)
            read.values_.emplace(FoldedName(View(entry.key)), CleanValue(View(entry.value)));
    }
    return read;
}

std::optional<Big5> ProfileSection::Find(std::string_view key) const {
    const auto found = values_.find(FoldedName(key));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

Big5 ProfileSection::ReadString(std::string_view key, std::string_view fallback) const {
    auto value = Find(key);
    return value ? std::move(*value) : Big5{fallback};
}

std::optional<Big5> ProfileText::Find(std::string_view section, std::string_view key) const {
    const Section* foundSection = FindSection(section);
    if (foundSection == nullptr) return std::nullopt;
    const Entry* entry = FindEntry(*foundSection, key);
    if (entry == nullptr) return std::nullopt;
    return CleanValue(View(entry->value));
}

Big5 ProfileText::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    auto value = Find(section, key);
    return value ? std::move(*value) : Big5{fallback};
}

std::int32_t ProfileText::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
    const auto value = Find(section, key);
    return value ? ParseIntegerOr(*value, fallback) : fallback;
}

bool ProfileText::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<ProfileText::SectionLine> ProfileText::SectionLines() const {
    std::vector<SectionLine> lines;
    lines.reserve(sections_.size());
    for (const Section& section : sections_) lines.push_back({Big5{View(section.name)}, section.line});
    return lines;
}

std::vector<ProfileText::EntryLine> ProfileText::EntryLines(std::string_view section) const {
    std::vector<EntryLine> lines;
    if (const Section* found = FindSection(section)) {
        lines.reserve(found->entries.size());
        for (const Entry& entry : found->entries) lines.push_back({Big5{View(entry.key)}, entry.line, entry.hasEquals});
    }
    return lines;
}

int ProfileText::LineOf(std::string_view section, std::string_view key) const {
    const Section* foundSection = FindSection(section);
    const Entry* entry = foundSection != nullptr ? FindEntry(*foundSection, key) : nullptr;
    return entry != nullptr ? entry->line : 0;
}

std::string_view ProfileText::LineBreak() const {
    const std::size_t lf = contents_.find('\n');
    if (lf != std::string::npos && (lf == 0 || contents_[lf - 1] != '\r')) return "\n";
    return "\r\n";
}

void ProfileText::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    RefuseLineBreaks("the section", section);
    RefuseLineBreaks("the key", key);
    RefuseLineBreaks("the value", value);
    if (TrimBlanks(key).empty() || key.find('=') != std::string_view::npos) {
        throw std::invalid_argument("a profile key must be non-blank and hold no '='");
    }
    const std::string_view lineBreak = LineBreak();
    std::string entryLine;
    entryLine.reserve(key.size() + value.size() + 1);
    entryLine.append(key).append("=").append(value);

    if (const Section* foundSection = FindSection(section)) {
        if (const Entry* entry = FindEntry(*foundSection, key)) {
            if (entry->hasEquals) {
                contents_.replace(entry->value.pos, entry->lineEnd - entry->value.pos, value);
            } else {
                contents_.replace(entry->lineBegin, entry->lineEnd - entry->lineBegin, entryLine);
            }
        } else {
            std::string insertion;
            const std::size_t at = foundSection->insertAt;
            if (at > 0 && contents_[at - 1] != '\n') insertion.append(LineBreakAfter(contents_[at - 1], lineBreak));
            insertion.append(entryLine).append(lineBreak);
            contents_.insert(at, insertion);
        }
    } else {
        if (!contents_.empty() && contents_.back() != '\n')
            contents_.append(LineBreakAfter(contents_.back(), lineBreak));
        contents_.append("[").append(section).append("]").append(lineBreak);
        contents_.append(entryLine).append(lineBreak);
    }
    Parse();
}

void ProfileText::WriteInteger(std::string_view section, std::string_view key, std::int64_t value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileText::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace corvina
