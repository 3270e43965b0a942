// Profile files come from café administrators' editors and from shares.
// Reading must never fail, and a written entry must read back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sys/profile.h"
#include "sys/strings.h"

namespace {

std::string Alnum(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) out += c;
    }
    return out.empty() ? std::string("k") : out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    corvina::ProfileText profile(contents);
    for (const auto& section : profile.SectionNames()) {
        for (const auto& key : profile.KeyNames(section)) {
            if (!profile.Find(section, key)) std::abort();  // every listed key has a value
            (void)profile.ReadInteger(section, key, 0);
        }
    }

    // Use the first bytes as the names and a line of the rest as the value.
    const std::string_view view(contents);
    auto part = [&](std::size_t pos, std::size_t count) {
        return pos < view.size() ? view.substr(pos, count) : std::string_view{};
    };
    const std::string section = Alnum(part(0, 4));
    const std::string key = Alnum(part(4, 4));
    std::string value(part(8, 64));
    value = value.substr(0, value.find_first_of("\r\n"));
    profile.WriteString(section, key, value);

    std::string_view expected = corvina::TrimBlanks(value);
    if (expected.size() >= 2 && expected.front() == '"' && expected.back() == '"') {
        expected = expected.substr(1, expected.size() - 2);
    }
    if (profile.ReadString(section, key) != expected) std::abort();
    return 0;
}
