#include "cafe-sim/menu_peer.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sys/cafe_protocol.h"
#include "sys/text.h"

namespace corvina::cafesim {

namespace {

constexpr wchar_t kMenuClass[] = L"TfSmenu";

}  // namespace

std::string DescribeOutcome(const SendOutcome& outcome) {
    switch (outcome.kind) {
        case SendOutcome::Kind::Answered:
            return "-> ok";
        case SendOutcome::Kind::Timeout:
            return "-> timeout";
        case SendOutcome::Kind::Handed:
            return {};
        case SendOutcome::Kind::NoMenu:
            break;
    }
    return "-> no menu";
}

HWND MenuPeer::Target() const {
    // A handle is reused once its window ends: only the menu's class counts.
    wchar_t className[16]{};
    if (learnt_ && GetClassNameW(learnt_, className, 16) > 0 && std::wstring_view(className) == kMenuClass) {
        return learnt_;
    }
    return FindWindowW(kMenuClass, nullptr);
}

SendOutcome MenuPeer::SendSessionMessage(HWND self, unsigned message, SENDASYNCPROC answered) const {
    const HWND target = Target();
    if (!target) return {};
    const LPARAM lParam = message == kMsgCafeAnnounce ? reinterpret_cast<LPARAM>(self) : 0;
    if (!SendMessageCallbackW(target, message, 0, lParam, answered, 0)) return {};
    return {SendOutcome::Kind::Handed, 0};
}

SendOutcome MenuPeer::SendSessionMessageAndWait(HWND self, unsigned message) const {
    const LPARAM lParam = message == kMsgCafeAnnounce ? reinterpret_cast<LPARAM>(self) : 0;
    return Send(Target(), message, 0, lParam);
}

SendOutcome MenuPeer::SendCommand(HWND self, const CafeCommandBlock& block) const {
    return SendBlock(self, block.Bytes(), block.ByteCount());
}

SendOutcome MenuPeer::SendText(HWND self, std::string_view big5) const {
    const std::string text(big5);
    if (text.size() >= MAXDWORD) throw std::length_error("command text too long for one copy-data block");
    return SendBlock(self, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

SendOutcome MenuPeer::SendBlock(HWND self, const char* bytes, DWORD count) const {
    COPYDATASTRUCT block{};
    block.cbData = count;
    // The receiver only reads it; the record's field is not const.
    block.lpData = const_cast<char*>(bytes);
    return Send(Target(), WM_COPYDATA, reinterpret_cast<WPARAM>(self), reinterpret_cast<LPARAM>(&block));
}

SendOutcome MenuPeer::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!target) return {};
    DWORD_PTR result = 0;
    const ULONGLONG start = GetTickCount64();
    const LRESULT sent =
        SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs_, &result);
    const auto elapsed = static_cast<unsigned>(GetTickCount64() - start);
    if (!sent) {
        // The menu may have ended meanwhile.
        return {IsWindow(target) ? SendOutcome::Kind::Timeout : SendOutcome::Kind::NoMenu, 0, elapsed};
    }
    return {SendOutcome::Kind::Answered, static_cast<LRESULT>(result), elapsed};
}

HWND MenuPeer::FindShown(std::wstring_view className) const {
    const HWND menu = Target();
    if (!menu) return nullptr;
    struct Search {
        DWORD process;
        std::wstring_view className;
        HWND found;
    } search{0, className, nullptr};
    GetWindowThreadProcessId(menu, &search.process);
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[64]{};
            const int length = GetClassNameW(window, name, 64);
            if (process != s.process || !IsWindowVisible(window) ||
                std::wstring_view(name, static_cast<std::size_t>(std::max(length, 0))) != s.className) {
                return TRUE;
            }
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string MenuPeer::ShownText(HWND window) {
    // A message box keeps its text in the static control 0xFFFF.
    constexpr int kMessageBoxText = 0xFFFF;
    wchar_t text[1024]{};
    if (GetDlgItemTextW(window, kMessageBoxText, text, 1024) == 0) GetWindowTextW(window, text, 1024);
    return Utf8FromBig5(Big5FromWide(text));
}

}  // namespace corvina::cafesim
