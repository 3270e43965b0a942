#include "stats/play_store.h"

#include <charconv>
#include <stdexcept>
#include <utility>

#include "sys/files.h"
#include "sys/text.h"

namespace corvina {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string FileStart() { return std::string(kUtf8ByteOrderMark) + std::string(PlayFileHeader()); }

// The lines of `text` without their line ends; a last line without one counts.
std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (feed == std::string_view::npos) break;
        text.remove_prefix(feed + 1);
    }
    return lines;
}

bool ParseCount(std::string_view text, std::uint64_t& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

[[noreturn]] void Fail(const std::string& what, const Big5& path) { throw std::runtime_error(what + " " + path); }

}  // namespace

std::vector<PlayAppend> GroupPlayLines(std::string_view spool, std::vector<std::string>& unreadable) {
    if (spool.starts_with(kUtf8ByteOrderMark)) spool.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<PlayAppend> appends;
    for (const std::string_view line : LinesOf(spool)) {
        if (line.empty() || IsPlayFileHeader(line)) continue;
        std::string why;
        const std::optional<Play> play = ParsePlayLine(line, why);
        if (!play) {
            unreadable.emplace_back(line);
            continue;
        }
        const Big5 file = Big5FromUtf8(PlayFileName(play->pc, play->start.year, play->start.month));
        auto found = appends.begin();
        while (found != appends.end() && found->file != file) ++found;
        if (found == appends.end()) found = appends.insert(found, PlayAppend{file, 0, {}});
        // Written anew, not copied: every line leaves in the one form.
        found->bytes += PlayLine(*play);
    }
    return appends;
}

std::string SendingText(const std::vector<PlayAppend>& appends) {
    std::string text;
    for (const PlayAppend& append : appends) {
        text += append.file + '\t' + std::to_string(append.sizeBefore) + '\t' + std::to_string(append.bytes.size()) +
                std::string(kLineEnd);
    }
    text += kLineEnd;
    for (const PlayAppend& append : appends) text += append.bytes;
    return text;
}

std::optional<std::vector<PlayAppend>> ParseSendingText(std::string_view text) {
    std::vector<PlayAppend> appends;
    std::vector<std::uint64_t> lengths;
    for (;;) {
        const std::size_t end = text.find(kLineEnd);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + kLineEnd.size());
        if (line.empty()) break;
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
        if (second == std::string_view::npos || first == 0) return std::nullopt;
        PlayAppend append;
        append.file = Big5{line.substr(0, first)};
        std::uint64_t length = 0;
        if (!ParseCount(line.substr(first + 1, second - first - 1), append.sizeBefore) ||
            !ParseCount(line.substr(second + 1), length)) {
            return std::nullopt;
        }
        appends.push_back(std::move(append));
        lengths.push_back(length);
    }
    for (std::size_t i = 0; i < appends.size(); ++i) {
        if (lengths[i] > text.size()) return std::nullopt;
        appends[i].bytes = std::string(text.substr(0, lengths[i]));
        text.remove_prefix(lengths[i]);
    }
    if (!text.empty()) return std::nullopt;
    return appends;
}

std::string MissingRest(const PlayAppend& append, const std::optional<std::string>& current) {
    const std::size_t size = current ? current->size() : 0;
    if (size == 0) {
        return append.bytes.starts_with(kUtf8ByteOrderMark) ? append.bytes : FileStart() + append.bytes;
    }
    if (size < append.sizeBefore) return append.bytes;
    const std::string_view there = std::string_view(*current).substr(append.sizeBefore, append.bytes.size());
    if (!append.bytes.starts_with(there)) return append.bytes;
    return append.bytes.substr(there.size());
}

PlayStore::PlayStore(Big5 programFolder, Big5 statsFolder)
    : programFolder_(std::move(programFolder)), statsFolder_(std::move(statsFolder)) {}

Big5 PlayStore::InProgramFolder(std::string_view name) const {
    // Appended, not added: mingw's g++ 12 mistakes the sum for an overlap.
    Big5 path = programFolder_;
    path.append(name);
    return path;
}

void PlayStore::Spool(const Play& play) {
    const Big5 path = SpoolPath();
    std::string bytes = PlayLine(play);
    const std::optional<std::string> spool = ReadFileBytes(path);
    if (!spool || spool->empty()) {
        bytes = FileStart() + bytes;
    } else if (spool->back() != '\n') {
        // A line cut by a crash stays a line of its own.
        bytes = std::string(kLineEnd) + bytes;
    }
    AppendFileBytes(path, bytes);
}

bool PlayStore::HasWaiting() const {
    return FileExists(SpoolPath()) || FileExists(InProgramFolder(kPlayBatchName)) ||
           FileExists(InProgramFolder(kPlaySendingName));
}

void PlayStore::TakeSpool() {
    const Big5 batch = InProgramFolder(kPlayBatchName);
    if (FileExists(InProgramFolder(kPlaySendingName)) || FileExists(batch) || !FileExists(SpoolPath())) return;
    if (!MoveFileTo(SpoolPath(), batch)) Fail("cannot rename", SpoolPath());
}

std::vector<std::string> PlayStore::Deliver() {
    const Big5 batch = InProgramFolder(kPlayBatchName);
    const Big5 sending = InProgramFolder(kPlaySendingName);
    std::vector<std::string> unreadable;
    if (!FileExists(sending)) {
        if (!FileExists(batch)) return unreadable;
        const std::optional<std::string> lines = ReadFileBytes(batch);
        if (!lines) Fail("cannot read", batch);
        std::vector<PlayAppend> appends = GroupPlayLines(*lines, unreadable);
        for (PlayAppend& append : appends) {
            const Big5 path = statsFolder_ + append.file;
            if (FileExists(path)) {
                const std::optional<std::uint64_t> size = FileSizeOf(path);
                if (!size) Fail("cannot read", path);
                append.sizeBefore = *size;
            }
            if (append.sizeBefore == 0) append.bytes = FileStart() + append.bytes;
        }
        const Big5 partial = sending + ".tmp";
        WriteFileBytes(partial, SendingText(appends));
        if (!MoveFileTo(partial, sending)) Fail("cannot rename", partial);
    }
    // The batch is in the sending file now; left beside it, it would be sent twice.
    if (FileExists(batch) && !DeleteFileAt(batch)) Fail("cannot delete", batch);

    const std::optional<std::string> text = ReadFileBytes(sending);
    if (!text) Fail("cannot read", sending);
    const std::optional<std::vector<PlayAppend>> appends = ParseSendingText(*text);
    if (!appends) {
        // Not ours to understand: kept aside for a person, never sent twice.
        if (!MoveFileTo(sending, sending + ".bad")) Fail("cannot rename", sending);
        Fail("unreadable, renamed to .bad:", sending);
    }
    for (const PlayAppend& append : *appends) {
        const Big5 path = statsFolder_ + append.file;
        const std::optional<std::string> current = FileExists(path) ? ReadFileBytes(path) : std::nullopt;
        if (FileExists(path) && !current) Fail("cannot read", path);
        const std::string rest = MissingRest(append, current);
        if (!rest.empty()) AppendFileBytes(path, rest);
    }
    if (!DeleteFileAt(sending)) Fail("cannot delete", sending);
    return unreadable;
}

}  // namespace corvina
