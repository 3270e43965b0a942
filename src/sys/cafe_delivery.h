#pragma once
// What became of a command sent to the café client, as far as the menu can
// know: a send that timed out may still have been handled, so it is
// neither taken nor refused. Shared by the link and the ordering window.

namespace corvina {

enum class CafeDelivery {
    Taken,        // the client's window procedure returned
    NotSent,      // known never to have reached the client
    Unconfirmed,  // sent, but the client did not answer in time: it may have it
};

}  // namespace corvina
