#pragma once
// The ordering window as the café link drives it. The window itself lives
// with the orders; the link only opens it, hands it commands, re-initialises
// it and closes it.

#include <functional>
#include <memory>

#include "cafe/cafe_dispatch.h"

namespace corvina {

class OrderWindow : public OrderWindowCommands {
public:
    virtual ~OrderWindow() = default;

    // ResetOrderWindow: a new session's request while it is open.
    virtual void Reset() = 0;
    // Shows the window modally and returns once it has closed.
    virtual void ShowModal() = 0;
    // Ends the modal run; the link destroys the window afterwards.
    virtual void Close() = 0;
};

using OrderWindowFactory = std::function<std::unique_ptr<OrderWindow>()>;

}  // namespace corvina
