#include "cafe/cafe_client_port_win32.h"

#include <windows.h>

#include <string>

#include "sys/text.h"

namespace corvina {

namespace {

HWND AsWindow(CafeWindow window) { return reinterpret_cast<HWND>(window); }

struct Sent {
    std::optional<LRESULT> result;
    DWORD error = ERROR_SUCCESS;
};

Sent SendWithTimeout(HWND target, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, unsigned timeoutMs) {
    DWORD_PTR result = 0;
    // The function does not always set the last error when it fails.
    SetLastError(ERROR_SUCCESS);
    if (SendMessageTimeoutW(target, message, wParam, lParam, flags, timeoutMs, &result) == 0) {
        return {std::nullopt, GetLastError()};
    }
    return {static_cast<LRESULT>(result)};
}

}  // namespace

CafeWindow WindowsCafeClientPort::FindCafeClient() {
    const HWND found = FindWindowW(WideFromBig5(kCafeClientClass).c_str(), WideFromBig5(kCafeClientTitle).c_str());
    return reinterpret_cast<CafeWindow>(found);
}

bool WindowsCafeClientPort::IsCafeClientWindow(CafeWindow window) {
    if (window == 0 || !IsWindow(AsWindow(window))) return false;
    wchar_t name[32]{};
    const int length = GetClassNameW(AsWindow(window), name, 32);
    return length > 0 && std::wstring_view(name, static_cast<std::size_t>(length)) == WideFromBig5(kCafeClientClass);
}

std::optional<std::intptr_t> WindowsCafeClientPort::SendAnnounce(CafeWindow client, CafeWindow menu, bool waitIfBusy) {
    const UINT flags = waitIfBusy ? SMTO_NORMAL : SMTO_NORMAL | SMTO_ABORTIFHUNG;
    return SendWithTimeout(AsWindow(client), kMsgCafeAnnounce, 0, static_cast<LPARAM>(menu), flags, timeoutMs_).result;
}

CafeSendResult WindowsCafeClientPort::SendCommand(CafeWindow client, const CafeCommandBlock& block) {
    COPYDATASTRUCT data{};
    data.dwData = 0;
    data.cbData = block.ByteCount();
    // The receiver only reads the block; the API merely lacks the const.
    data.lpData = const_cast<char*>(block.Bytes());
    const HWND window = AsWindow(client);
    const Sent sent = SendWithTimeout(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                      SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs_);
    if (sent.result) return CafeSendResult::Delivered;
    // Refused before delivery: a client at a higher integrity level (UIPI),
    // or a window that had gone when the send was made.
    if (sent.error == ERROR_ACCESS_DENIED) return CafeSendResult::AccessDenied;
    if (sent.error == ERROR_INVALID_WINDOW_HANDLE) return CafeSendResult::Refused;
    // Anything else may have reached the client. One missed answer says
    // little: a client busy in a long handler still reads its messages, a
    // hung one has stopped.
    if (!IsWindow(window)) return CafeSendResult::EndedDuringSend;
    return IsHungAppWindow(window) ? CafeSendResult::Hung : CafeSendResult::NotAnswered;
}

}  // namespace corvina
