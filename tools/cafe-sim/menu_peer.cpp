#include "cafe-sim/menu_peer.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "cafe/cafe_protocol.h"

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
    if (!SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs_, &result)) {
        // The menu may have ended meanwhile.
        return {IsWindow(target) ? SendOutcome::Kind::Timeout : SendOutcome::Kind::NoMenu, 0};
    }
    return {SendOutcome::Kind::Answered, static_cast<LRESULT>(result)};
}

}  // namespace corvina::cafesim
