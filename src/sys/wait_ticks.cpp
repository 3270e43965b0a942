#include "sys/wait_ticks.h"

namespace corvina {

void WaitTicks(std::int32_t milliseconds, bool pump, const TickCounter& ticks, const MessagePump& processMessages) {
    const std::uint32_t start = ticks();
    if (milliseconds <= 0) return;
    const auto wanted = static_cast<std::uint32_t>(milliseconds);
    while (static_cast<std::uint32_t>(ticks() - start) < wanted) {
        if (pump && processMessages) processMessages();
    }
}

}  // namespace corvina
