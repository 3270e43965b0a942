#include "stats_folder.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "menu/menu_data.h"
#include "sys/profile.h"
#include "sys/text.h"

namespace corvina {

namespace {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace

std::string Utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::optional<PlayFiles> ReadStatsFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code typeError;
        if (entry->is_regular_file(typeError) && IsPlayFileName(Utf8Path(entry->path().filename())))
            files.push_back(entry->path());
    }
    if (error) return std::nullopt;
    std::sort(files.begin(), files.end());
    PlayFiles read;
    for (const auto& file : files) {
        const std::string name = Utf8Path(file.filename());
        if (const auto contents = ReadWholeFile(file))
            ReadPlayFile(name, *contents, read);
        else
            read.badLines.push_back({name, 0, "the file cannot be read"});
    }
    return read;
}

std::optional<std::vector<MenuEntry>> ReadMenuEntries(const std::filesystem::path& menusIni) {
    const auto contents = ReadWholeFile(menusIni);
    if (!contents) return std::nullopt;
    std::vector<MenuEntry> entries;
    for (const MenuChannel& channel : ReadMenu(ProfileText(*contents)).channels) {
        const std::string channelName = Utf8FromBig5(channel.name);
        for (const MenuLine& line : channel.lines) entries.push_back({channelName, Utf8FromBig5(line.item.Caption)});
    }
    return entries;
}

}  // namespace corvina
