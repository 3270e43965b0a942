#include "cafe/cafe_dispatch.h"

#include "sys/cafe_protocol.h"

namespace corvina {

CafeCommandRoute RouteCafeCommand(std::int32_t number, bool orderWindowOpen) {
    if (number <= 0 || number >= kCafeOrderCommandLimit) return CafeCommandRoute::Ignored;
    return orderWindowOpen ? CafeCommandRoute::OrderWindow : CafeCommandRoute::NoOrderWindow;
}

CafeCommandRoute DispatchCafeCommand(const CafeCommand& command, OrderWindowCommands* orderWindow) {
    const CafeCommandRoute route = RouteCafeCommand(command.number, orderWindow != nullptr);
    if (route == CafeCommandRoute::OrderWindow) orderWindow->HandleOrderCommand(command.number, command.data);
    return route;
}

CafeCommandRoute ReceiveCafeCommand(const void* block, std::size_t size, OrderWindowCommands* orderWindow) {
    const std::optional<CafeCommand> command = ReadCafeCommand(block, size);
    if (!command) return CafeCommandRoute::Ignored;
    return DispatchCafeCommand(*command, orderWindow);
}

}  // namespace corvina
