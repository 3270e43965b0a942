#include "sys/win32/crash_guard.h"

#include <array>
#include <atomic>
#include <stdexcept>
#include <string>

#include "sys/crash_line.h"
#include "sys/text.h"
#include "sys/win32/crash_dump.h"
#include "sys/win32/menu_watch_link.h"

namespace corvina {

struct CrashGuard::State {
    std::wstring logPath;
    std::wstring dumpPath;
    WindowsMachine* machine = nullptr;
    MiniDumpWriter dumpWriter;
    // The thread reporting the crash; 0 while none does.
    std::atomic<DWORD> reporter{0};
};

namespace {

// The one guard's state: a filter that Windows calls has no other way to it.
std::atomic<CrashGuard::State*> active{nullptr};

struct ModuleOf {
    std::array<char, MAX_PATH> name{};  // file name only, empty for none
    std::uint64_t offset = 0;
};

ModuleOf FindModule(const void* address) {
    ModuleOf found;
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module)) {
        return found;
    }
    std::array<wchar_t, MAX_PATH> path{};
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    std::size_t start = length;
    while (start > 0 && path[start - 1] != L'\\' && path[start - 1] != L'/') --start;
    WideCharToMultiByte(950, 0, path.data() + start, static_cast<int>(length - start), found.name.data(),
                        static_cast<int>(found.name.size() - 1), nullptr, nullptr);
    found.offset = reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(module);
    return found;
}

void AppendCrashLine(const CrashGuard::State& state, DWORD code, const void* address) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const ModuleOf module = FindModule(address);
    CrashFacts facts;
    facts.time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
    facts.code = code;
    facts.address = reinterpret_cast<std::uintptr_t>(address);
    facts.module = module.name.data();
    facts.offset = module.offset;
    std::array<char, 512> line{};
    const std::size_t length = FormatCrashLine(facts, line);

    const HANDLE file = CreateFileW(state.logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

// Long enough for the watch to write the dump of a large menu.
constexpr DWORD kWatchDumpWaitMs = 30000;

// By the watch where one runs; here only when none can.
void WriteDump(const CrashGuard::State& state, EXCEPTION_POINTERS* exception) {
    if (AskWatchForDump(exception, kWatchDumpWaitMs)) return;
    state.dumpWriter.Write(GetCurrentProcess(), state.dumpPath, GetCurrentThreadId(), exception, false);
}

[[noreturn]] void EndCrashed(DWORD code, const void* address, EXCEPTION_POINTERS* exception) noexcept {
    CrashGuard::State* state = active.load();
    if (state) {
        DWORD none = 0;
        if (!state->reporter.compare_exchange_strong(none, GetCurrentThreadId())) {
            // A fault inside the report itself ends at once; another thread
            // waits here while the first one reports and ends the process.
            if (none != GetCurrentThreadId()) Sleep(INFINITE);
        } else {
            state->machine->GiveBackAfterCrash();
            AppendCrashLine(*state, code, address);
            WriteDump(*state, exception);
        }
    }
    TerminateProcess(GetCurrentProcess(), code);
    ExitProcess(code);
}

LONG WINAPI UnhandledException(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD* record = exception ? exception->ExceptionRecord : nullptr;
    EndCrashed(record ? record->ExceptionCode : 0, record ? record->ExceptionAddress : nullptr, exception);
}

void UncaughtCppException() { EndCrashed(kUncaughtExceptionCode, __builtin_return_address(0), nullptr); }

// 64-bit Windows 7 swallows an exception inside a window procedure that
// the system called from kernel mode, and the program runs on damaged.
void StopSwallowingCallbackExceptions() {
    constexpr DWORD kCallbackFilterEnabled = 0x1;
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return;
    using GetPolicy = BOOL(WINAPI*)(LPDWORD);
    using SetPolicy = BOOL(WINAPI*)(DWORD);
    const auto get = reinterpret_cast<GetPolicy>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetProcessUserModeExceptionPolicy")));
    const auto set = reinterpret_cast<SetPolicy>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessUserModeExceptionPolicy")));
    DWORD flags = 0;
    if (get && set && get(&flags)) set(flags & ~kCallbackFilterEnabled);
}

}  // namespace

CrashGuard::CrashGuard(const Big5& folder, WindowsMachine& machine) : state_(std::make_unique<State>()) {
    state_->logPath = WideFromBig5(folder + Big5(kCrashLogName));
    state_->dumpPath = WideFromBig5(folder + Big5(kCrashDumpName));
    state_->machine = &machine;
    State* none = nullptr;
    if (!active.compare_exchange_strong(none, state_.get())) throw std::logic_error("one crash guard at a time");
    StopSwallowingCallbackExceptions();
    previousFilter_ = SetUnhandledExceptionFilter(&UnhandledException);
    previousTerminate_ = std::set_terminate(&UncaughtCppException);
}

CrashGuard::~CrashGuard() {
    std::set_terminate(previousTerminate_);
    SetUnhandledExceptionFilter(previousFilter_);
    active = nullptr;
}

}  // namespace corvina
