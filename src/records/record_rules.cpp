#include "records/record_rules.h"

#include <algorithm>
#include <array>

namespace corvina {

namespace {

constexpr std::array<std::wstring_view, 18> kProgramExtensions = {L"exe", L"dll", L"com", L"bat", L"cmd", L"scr",
                                                                  L"lnk", L"pif", L"url", L"vbs", L"js",  L"ps1",
                                                                  L"msi", L"cpl", L"sys", L"drv", L"ocx", L"reg"};

wchar_t Folded(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool EqualFolded(std::wstring_view left, std::wstring_view right) {
    return std::ranges::equal(left, right, [](wchar_t a, wchar_t b) { return Folded(a) == Folded(b); });
}

// The name as Windows resolves it: trailing dots and blanks dropped.
std::wstring_view Resolved(std::wstring_view name) {
    const std::size_t end = name.find_last_not_of(L". ");
    return end == std::wstring_view::npos ? std::wstring_view{} : name.substr(0, end + 1);
}

// "*" any run, "?" one character.
bool Wildcard(std::wstring_view pattern, std::wstring_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::wstring_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == L'?' || Folded(pattern[p]) == Folded(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::wstring_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    return p == pattern.size();
}

bool IsDeviceStem(std::wstring_view name) {
    const std::wstring_view stem = name.substr(0, name.find(L'.'));
    for (const std::wstring_view device : {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$"}) {
        if (EqualFolded(Resolved(stem), device)) return true;
    }
    if (stem.size() != 4) return false;
    const bool port = EqualFolded(stem.substr(0, 3), L"com") || EqualFolded(stem.substr(0, 3), L"lpt");
    return port && stem[3] >= L'0' && stem[3] <= L'9';
}

}  // namespace

bool IsProgramFileName(std::wstring_view name) {
    const std::wstring_view resolved = Resolved(name);
    const std::size_t dot = resolved.rfind(L'.');
    if (dot == std::wstring_view::npos) return false;
    const std::wstring_view extension = resolved.substr(dot + 1);
    return std::ranges::any_of(kProgramExtensions,
                               [&](std::wstring_view known) { return EqualFolded(extension, known); });
}

bool IsPlainFileName(std::wstring_view name) {
    if (Resolved(name).empty() || name.size() > 255) return false;
    const bool forbidden = std::ranges::any_of(name, [](wchar_t c) {
        return c < 32 || c == L'\\' || c == L'/' || c == L':' || c == L'*' || c == L'?' || c == L'"' || c == L'<' ||
               c == L'>' || c == L'|';
    });
    return !forbidden && !IsDeviceStem(name);
}

bool MatchesRecordMask(std::wstring_view name, std::wstring_view mask) {
    return mask == L"*.*" || Wildcard(mask, name);
}

bool RecordNameLess(std::wstring_view left, std::wstring_view right) {
    const auto folded = [](std::wstring_view text) {
        std::wstring copy(text);
        std::ranges::transform(copy, copy.begin(), Folded);
        return copy;
    };
    const std::wstring a = folded(left);
    const std::wstring b = folded(right);
    return a != b ? a < b : left < right;
}

RecordCopyPlan PlanRecordCopy(const std::vector<RecordFileFacts>& chosen) {
    RecordCopyPlan plan;
    std::uint64_t total = 0;
    for (const RecordFileFacts& file : chosen) {
        const auto refuse = [&](RecordRefusal reason) { plan.refused.push_back({file.name, reason}); };
        if (!file.plainFile || !IsPlainFileName(file.name)) {
            refuse(RecordRefusal::NotAPlainFile);
        } else if (IsProgramFileName(file.name)) {
            refuse(RecordRefusal::ProgramFile);
        } else if (file.size > kRecordFileLimitBytes) {
            refuse(RecordRefusal::FileTooLarge);
        } else if (!file.targetReplaceable) {
            refuse(RecordRefusal::TargetNotAPlainFile);
        } else if (total + file.size > kRecordChoiceLimitBytes) {
            refuse(RecordRefusal::ChoiceTooLarge);
        } else {
            total += file.size;
            plan.copied.push_back(file.name);
        }
    }
    return plan;
}

}  // namespace corvina
