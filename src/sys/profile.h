#pragma once
// Profile (INI) files as the program reads and writes them, on file
// contents: sections in brackets, key=value lines, names compared without
// letter case, the first entry of a key counting, values trimmed and
// unquoted and seen up to 2047 bytes, name lists limited to 16384 bytes.
// Writing changes one line (or adds one) and keeps every other byte.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

// Every key of the program's own files lies in this section.
inline constexpr std::string_view kOptionsSection = "Options";

// The buffer sizes of the profile API that the file conventions follow.
inline constexpr std::size_t kProfileValueBuffer = 2048;
inline constexpr std::size_t kProfileNameListBuffer = 16384;

class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string contents);

    const std::string& Contents() const { return contents_; }

    // Section names in file order, as far as the name-list buffer holds them.
    std::vector<Big5> SectionNames() const;
    // Key names of the first section of that name, in file order, duplicates
    // included, as far as the name-list buffer holds them.
    std::vector<Big5> KeyNames(std::string_view section) const;
    bool SectionExists(std::string_view section) const;

    // The value of the first entry of the key, or nothing when absent.
    std::optional<Big5> Find(std::string_view section, std::string_view key) const;
    Big5 ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    // Decimal, "0x" or "$" hexadecimal; the fallback when absent or not a number.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the value of the first entry of the key, or adds the key at
    // the end of its section, or adds the section at the end of the file.
    // Keys and values holding a line break are refused (invalid_argument).
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int64_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Where things stand in the file, for the menu checker. Lines count from 1.
    struct SectionLine {
        Big5 name;
        int line = 0;
    };
    struct EntryLine {
        Big5 key;
        int line = 0;
        bool hasEquals = false;
    };
    // Lines that are neither blank, a comment, a section header nor an entry.
    enum class SkippedLine {
        UnclosedHeader,  // "[" without "]": the entries after it stay in the section before
        OutsideSection,  // before the first section
        EmptyKey,        // "=" first
    };
    struct Skipped {
        SkippedLine kind;
        int line = 0;
        Big5 text;
    };
    // Every section header, duplicates included, without the name-list limit.
    std::vector<SectionLine> SectionLines() const;
    // Every entry of the first section of that name, without the name-list limit.
    std::vector<EntryLine> EntryLines(std::string_view section) const;
    // The line of the entry whose value Find returns; 0 when absent.
    int LineOf(std::string_view section, std::string_view key) const;
    const std::vector<Skipped>& SkippedLines() const { return skipped_; }

private:
    // Offsets into contents_, so that copies stay valid.
    struct Span {
        std::size_t pos = 0;
        std::size_t size = 0;
    };
    struct Entry {
        Span key;
        Span value;  // untrimmed text after the first '='
        bool hasEquals = false;
        int line = 0;
        std::size_t lineBegin = 0;
        std::size_t lineEnd = 0;  // before the line break
    };
    struct Section {
        Span name;
        int line = 0;
        std::size_t insertAt = 0;  // just after the last non-blank line of the section
        std::vector<Entry> entries;
    };

    void Parse();
    std::string_view View(Span span) const { return std::string_view(contents_).substr(span.pos, span.size); }
    const Section* FindSection(std::string_view name) const;
    const Entry* FindEntry(const Section& section, std::string_view key) const;
    std::string_view LineBreak() const;

    std::string contents_;
    std::vector<Section> sections_;
    std::vector<Skipped> skipped_;
};

}  // namespace corvina
