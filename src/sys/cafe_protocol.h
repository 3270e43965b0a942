#pragma once
// The numbers and names both sides of the café client link agree on. The
// menu and the simulator share them, so neither can drift from the other;
// they sit below the features because both the link and the ordering
// window speak them.

#include <cstdint>
#include <string_view>

namespace corvina {

// The café client's main window is found by exactly these two strings.
inline constexpr std::string_view kCafeClientClass = "TFCltMain";
inline constexpr std::string_view kCafeClientTitle = "VexelDesk";

// Private window messages. 5024 goes both ways: the menu announces its
// window to the client, or the client announces its window to the menu.
inline constexpr unsigned kMsgCafeAnnounce = 0x13A0;    // 5024
inline constexpr unsigned kMsgCafeOpenOrders = 0x13A1;  // 5025
inline constexpr unsigned kMsgCafeSessionEnd = 0x13A2;  // 5026
inline constexpr unsigned kMsgCafeCloseMenu = 0x13A3;   // 5027

// Commands from the café client, all for the ordering window.
inline constexpr std::int32_t kCafeGoodsListStart = 114;    // a new goods list follows
inline constexpr std::int32_t kCafeGoodsItem = 115;         // id,name,price
inline constexpr std::int32_t kCafeGoodsListRestart = 116;  // same as 114
inline constexpr std::int32_t kCafeSessionData = 117;       // flag,login,logout,seat
inline constexpr std::int32_t kCafeServerTime = 119;        // day number
inline constexpr std::int32_t kCafeConsumption = 120;       // five figures split by "|"
inline constexpr std::int32_t kCafeEntryAnswer = 121;       // "1" lets the customer leave

// Numbers below this go to the ordering window; the rest are ignored.
inline constexpr std::int32_t kCafeOrderCommandLimit = 180;

// Commands from the menu; all but kCafeOrderLine carry empty data.
inline constexpr std::int32_t kCafeOrderLine = 207;            // id,name,quantity
inline constexpr std::int32_t kCafeSessionDataReceived = 208;  // answer to 117
inline constexpr std::int32_t kCafeDataRequest = 209;          // ordering window opened or reset
inline constexpr std::int32_t kCafeClockTick = 210;            // first tick, then every 100 s
inline constexpr std::int32_t kCafeConsumptionRequest = 211;   // customer asks for the list
inline constexpr std::int32_t kCafeLinkEstablished = 212;      // after every handshake
inline constexpr std::int32_t kCafeOrderBeforeEntry = 213;     // ordered while entry is pending
inline constexpr std::int32_t kCafeLeaveRequest = 214;         // customer asks to leave

// A synchronous send gives up after this long, so that a hung café client
// cannot freeze the menu; a live one answers far sooner.
inline constexpr unsigned kCafeSendTimeoutMs = 5000;

}  // namespace corvina
