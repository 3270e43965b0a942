#pragma once
// A timed wait on the one UI thread, optionally keeping window messages
// flowing. The tick counter and the message pump are handed in so the wait
// itself stays free of the window system.

#include <cstdint>
#include <functional>

namespace corvina {

using TickCounter = std::function<std::uint32_t()>;
using MessagePump = std::function<void()>;

// Returns once `milliseconds` have passed on the 32-bit tick counter; the
// difference is taken modulo 2^32, so a wrap of the counter still ends it.
// With `pump` set, pending messages are processed between readings;
// without it the wait is busy and nothing repaints.
void WaitTicks(std::int32_t milliseconds, bool pump, const TickCounter& ticks, const MessagePump& processMessages);

}  // namespace corvina
