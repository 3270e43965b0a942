// Command texts arrive from another program as any bytes of any length:
// reading, parsing and dispatching them must never fault, and what a send
// formats must read back as the same command.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cafe/cafe_command.h"
#include "cafe/cafe_dispatch.h"
#include "sys/cafe_protocol.h"

namespace {

class CountingOrderWindow final : public corvina::OrderWindowCommands {
public:
    void HandleOrderCommand(std::int32_t number, std::string_view) override {
        if (number <= 0 || number >= corvina::kCafeOrderCommandLimit) __builtin_trap();
        ++received;
    }
    int received = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = corvina::TextFromBlock(data, size);
    if (text.size() > size || text.find('\0') != std::string_view::npos) __builtin_trap();

    const std::optional<corvina::CafeCommand> command = corvina::ReadCafeCommand(data, size);
    if (command) {
        if (command->number <= 0 || command->data.size() >= text.size()) __builtin_trap();
        const corvina::CafeCommandBlock block(command->number, command->data);
        if (block.ByteCount() != block.Text().size() + 1 || block.Bytes()[block.Text().size()] != '\0') {
            __builtin_trap();
        }
        // "$7FFFFFFF" formats longer than it came, so only texts within the limit return.
        if (block.Text().size() <= corvina::kMaxCafeCommandBytes) {
            const auto again = corvina::ReadCafeCommand(block.Bytes(), block.ByteCount());
            if (!again || *again != *command) __builtin_trap();
        }
    }

    CountingOrderWindow orders;
    const corvina::CafeCommandRoute route = corvina::ReceiveCafeCommand(data, size, &orders);
    const bool delivered = route == corvina::CafeCommandRoute::OrderWindow;
    if (delivered != (orders.received == 1)) __builtin_trap();
    if (delivered != (command && command->number < corvina::kCafeOrderCommandLimit)) __builtin_trap();
    if (corvina::ReceiveCafeCommand(data, size, nullptr) == corvina::CafeCommandRoute::OrderWindow) __builtin_trap();
    return 0;
}
