#pragma once
// Where a received café command goes: the ordering window takes the numbers
// below kCafeOrderCommandLimit while it exists; nothing else takes any.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cafe/cafe_command.h"

namespace corvina {

// The ordering window as the link sees it.
class OrderWindowCommands {
public:
    virtual void HandleOrderCommand(std::int32_t number, std::string_view data) = 0;

protected:
    ~OrderWindowCommands() = default;
};

enum class CafeCommandRoute {
    OrderWindow,    // handed to the ordering window
    NoOrderWindow,  // meant for the ordering window, which is closed: dropped
    Ignored,        // malformed text, or a number nobody takes
};

CafeCommandRoute RouteCafeCommand(std::int32_t number, bool orderWindowOpen);

// orderWindow is null while the ordering window does not exist.
CafeCommandRoute DispatchCafeCommand(const CafeCommand& command, OrderWindowCommands* orderWindow);

// The WM_COPYDATA handler's whole job: lpData and cbData in, dispatched.
CafeCommandRoute ReceiveCafeCommand(const void* block, std::size_t size, OrderWindowCommands* orderWindow);

}  // namespace corvina
