#pragma once
// CafeSystemInstalled: the start-up test for the café system's registry key.

namespace corvina {

// True when the key exists. Otherwise the customer is told, in an
// information box, that ordering has no café system behind it and whom to
// call; nothing is switched off.
bool CafeSystemInstalled();

}  // namespace corvina
