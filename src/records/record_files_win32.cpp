#include "records/record_files_win32.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>

#include "sys/strings.h"
#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/application.h"
#include "ui/session_scope.h"

namespace corvina {

namespace {

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsEmpty(Type h) noexcept { return h == INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { FindClose(h); }
};
using ScopedFind = win32::UniqueHandle<FindHandleTraits>;

std::wstring PathIn(const Big5& folder, const std::wstring& name) {
    return WideFromBig5(AddTrailingBackslash(folder)) + name;
}

bool IsPlain(DWORD attributes) { return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0; }

std::optional<WIN32_FILE_ATTRIBUTE_DATA> AttributesOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data;
}

// One character, one or two UTF-16 units, converted to Big5 and back.
std::optional<Big5> ExactBig5(std::wstring_view character) {
    char bytes[8]{};
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(950, WC_NO_BEST_FIT_CHARS, character.data(), static_cast<int>(character.size()), bytes,
                            sizeof bytes, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    wchar_t back[4]{};
    const int backLength = MultiByteToWideChar(950, MB_ERR_INVALID_CHARS, bytes, length, back, 4);
    if (std::wstring_view(back, static_cast<std::size_t>(std::max(backLength, 0))) != character) return std::nullopt;
    return Big5(bytes, static_cast<std::size_t>(length));
}

void HandleWaitingMessages() {
    if (ui::Application* application = ui::Application::Current()) {
        application->ProcessMessages();
        return;
    }
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

std::vector<std::wstring> ListRecordFolder(const Big5& folder, const Big5& mask) {
    const std::wstring wideMask = WideFromBig5(mask);
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const ScopedFind find(FindFirstFileW(PathIn(folder, L"*").c_str(), &found));
    if (!find) return names;
    do {
        const std::wstring name = found.cFileName;
        if (IsPlain(found.dwFileAttributes) && MatchesRecordMask(name, wideMask)) names.push_back(name);
    } while (FindNextFileW(find.Get(), &found));
    std::ranges::sort(names, RecordNameLess);
    return names;
}

Big5 ShownRecordName(const std::wstring& name) {
    static const Big5 kStandIn = T(u8"□");
    Big5 shown;
    for (std::size_t i = 0; i < name.size();) {
        const bool pair = IS_HIGH_SURROGATE(name[i]) && i + 1 < name.size() && IS_LOW_SURROGATE(name[i + 1]);
        const std::size_t units = pair ? 2 : 1;
        shown += ExactBig5(std::wstring_view(name).substr(i, units)).value_or(kStandIn);
        i += units;
    }
    return shown;
}

std::optional<std::string> ReadFileHead(const Big5& path, std::size_t limit) {
    const win32::ScopedHandle file(CreateFileW(WideFromBig5(path).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes(limit, '\0');
    std::size_t done = 0;
    while (done < limit) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(limit - done), &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

std::vector<RecordFileFacts> InspectRecordFiles(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                                                const Big5& destinationFolder) {
    std::vector<RecordFileFacts> facts;
    for (const std::wstring& name : names) {
        RecordFileFacts file{name};
        if (const auto source = AttributesOf(PathIn(sourceFolder, name))) {
            file.plainFile = IsPlain(source->dwFileAttributes);
            file.size = (static_cast<std::uint64_t>(source->nFileSizeHigh) << 32) | source->nFileSizeLow;
        }
        if (const auto target = AttributesOf(PathIn(destinationFolder, name))) {
            file.targetReplaceable = IsPlain(target->dwFileAttributes);
        }
        facts.push_back(std::move(file));
    }
    return facts;
}

bool CopyRecordFiles(const Big5& sourceFolder, const std::vector<std::wstring>& names, const Big5& destinationFolder) {
    bool copied = true;
    for (const std::wstring& name : names) {
        if (!CopyFileW(PathIn(sourceFolder, name).c_str(), PathIn(destinationFolder, name).c_str(), FALSE)) {
            copied = false;
        }
    }
    return copied;
}

bool RunOffWindowThread(std::function<bool()> work) {
    const ui::SessionWork holding;
    const win32::ScopedHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!done) return work();
    std::atomic<bool> answer{false};
    std::thread worker([&] {
        try {
            answer = work();
        } catch (...) {
            answer = false;
        }
        SetEvent(done.Get());
    });
    const HANDLE event = done.Get();
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &event, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) break;
        HandleWaitingMessages();
    }
    // Joining waits for the work whatever the wait said.
    worker.join();
    return answer;
}

}  // namespace corvina
